# cmake -DFILES_FROM=list.txt -P CheckNoPosix.cmake
# Fails, naming file and line, when a file of the window program includes a POSIX header or makes
# a POSIX call: Qt for Windows is to build these files, so they may use standard C++, Qt and the
# program's own seams in platform/ only.
cmake_minimum_required(VERSION 3.22)
file(READ ${FILES_FROM} files)
string(STRIP "${files}" files)
list(FILTER files EXCLUDE REGEX "^$")
set(headers "unistd|fcntl|termios|poll|pthread|signal|dirent|spawn|dlfcn|pwd|grp|libgen|strings|sys/[a-z_/]+|netinet/[a-z_]+|arpa/[a-z_]+|linux/[a-z_]+")
set(include_pattern "#[ \t]*include[ \t]*<(${headers})\\.h>")
# Calls of the POSIX names that nothing else in the program spells so; open, close, read and
# write only when called from the global scope (members of Qt's own have the same names).
set(calls "fork|vfork|exec[lv]p?e?|isatty|getpid|getppid|getuid|geteuid|mkstemp|mkdtemp|realpath|readlink|symlink|usleep|sigaction|sigprocmask|pthread_[a-z_]+|tc[gs]etattr|tcflush|tcdrain|ioctl|fsync|umask|chmod|fchmod|lstat|mmap|memfd_create|posix_spawnp?")
set(call_pattern "(^|[^A-Za-z0-9_.>])(::)?(${calls})[ \t]*\\(|::(open|close|read|write|pipe|dup2?|stat|unlink|poll|kill)[ \t]*\\(")
set(found "")
foreach(file IN LISTS files)
    file(STRINGS ${file} lines)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "${include_pattern}" OR line MATCHES "${call_pattern}")
            string(APPEND found "\n  ${file}:${number}: ${line}")
        endif()
    endforeach()
endforeach()
list(LENGTH files count)
if(found)
    message(FATAL_ERROR "POSIX in the window program (move it behind a seam in platform/):${found}")
endif()
message(STATUS "${count} files of the window program use no POSIX header or call")
