# cmake -DROOT=<source folder> [-DFILES_FROM=list.txt] -P CheckStateWriters.cmake
# The document owns the book, the program on display and the modified flag: the book and the
# program on display are its private members (the compiler holds that), and every change goes
# through CZelkorConfigDoc::ChangeBook. This check holds the rest: fails, naming file and line,
# when code outside the document (model/) and its history (ui/editor/book_history.*) sets the
# modified flag or hands a step back, or when code outside the tests reaches past the document.
# Without FILES_FROM it reads every source of the program, the tools and the benchmarks.
cmake_minimum_required(VERSION 3.22)
if(FILES_FROM)
    file(READ ${FILES_FROM} files)
    string(STRIP "${files}" files)
else()
    set(files "")
    foreach(folder app bench cli devlink editor model platform ports res sim ui upload widgets)
        file(GLOB_RECURSE found ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
        list(APPEND files ${found})
    endforeach()
endif()
set(owners "/model/|/ui/editor/book_history\\.(h|cpp)$")
set(owner_only "(^|[^A-Za-z0-9_])(SetModifiedFlag|UndoStep|RedoStep)[ \t]*\\(")
set(tests_only "SDocTestAccess|(^|[^A-Za-z0-9_])BookOf[ \t]*\\(")
set(found "")
foreach(file IN LISTS files)
    if(file MATCHES "${owners}")
        continue()
    endif()
    # One list element a line: the characters that lists treat as their own are put aside.
    file(READ ${file} text)
    string(REGEX REPLACE "[][;\\]" "_" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "${owner_only}" OR line MATCHES "${tests_only}")
            string(APPEND found "\n  ${file}:${number}: ${line}")
        endif()
    endforeach()
endforeach()
list(LENGTH files count)
if(found)
    message(FATAL_ERROR "The book or its modified flag written past the document (change it "
                        "through CZelkorConfigDoc::ChangeBook):${found}")
endif()
message(STATUS "${count} files leave the book and its modified flag to the document")
