# Debian's hardening of the Linux programs: stack protector, fortified libc calls, read-only
# relocations bound at start (relro, bindnow) and position-independent executables. The flags come
# from dpkg-buildflags where it is installed, so a Debian build gets what Debian's own packages
# get (and whatever the builder asks for through DEB_BUILD_MAINT_OPTIONS or DEB_*FLAGS_APPEND);
# elsewhere the same flags are set by hand. Not for sanitizer builds, whose run-time takes the
# place of the fortified calls, nor for Windows.

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES C CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker makes no position-independent executables:\n${pie_output}\n"
                        "Configure with -DZELKOR_HARDENING=OFF to build without hardening.")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Only the hardening itself: the build type chooses optimisation and debugging information, and
# the build folder keeps its paths in the debugging information (no file-prefix-map).
function(zelkor_hardening_flags kind out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env
                            "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
                            ${ZELKOR_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O).*$|^-f(file|debug|macro)-prefix-map=")
    set(${out} "${flags}" PARENT_SCOPE)
endfunction()

find_program(ZELKOR_DPKG_BUILDFLAGS dpkg-buildflags)
if(ZELKOR_DPKG_BUILDFLAGS)
    zelkor_hardening_flags(CFLAGS c_flags)
    zelkor_hardening_flags(CXXFLAGS cxx_flags)
    zelkor_hardening_flags(CPPFLAGS cpp_flags)
    zelkor_hardening_flags(LDFLAGS link_flags)
else()
    set(c_flags -fstack-protector-strong -Wformat -Werror=format-security)
    set(cxx_flags ${c_flags})
    set(cpp_flags -D_FORTIFY_SOURCE=2)
    set(link_flags -Wl,-z,relro -Wl,-z,now)
endif()

# The fortified calls need optimisation, and glibc warns (an error under ZELKOR_WERROR) when
# _FORTIFY_SOURCE is given without it: only the optimised build types get it. It replaces any
# level the compiler defines by itself, which would otherwise warn of a redefinition.
set(fortify ${cpp_flags})
list(FILTER fortify INCLUDE REGEX "^-D_FORTIFY_SOURCE")
list(FILTER cpp_flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
if(fortify)
    add_compile_options(
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;${fortify}>")
endif()
add_compile_options("$<$<COMPILE_LANGUAGE:C>:${c_flags};${cpp_flags}>"
                    "$<$<COMPILE_LANGUAGE:CXX>:${cxx_flags};${cpp_flags}>")
add_link_options(${link_flags})
list(JOIN cxx_flags " " shown)
message(STATUS "Hardening: ${shown} ${fortify} (optimised builds), PIE, linked with ${link_flags}")
