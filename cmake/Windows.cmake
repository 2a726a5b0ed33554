# The Windows build from Linux with Debian's MinGW-w64 (cmake/toolchain-mingw64.cmake): the core
# libraries, zelkorctl and the core tests; with ZELKOR_BUILD_UI, against a Qt for Windows built
# from Debian's source package (scripts/build-windows), the window program, its suites and its
# installer too. The simulator and the benchmarks need POSIX pseudo-terminals and Google
# Benchmark, which are not here.
if(NOT ZELKOR_BUILD_UI)
    # Without windows each .exe is linked statically, so that it runs without the MinGW runtime
    # beside it.
    add_link_options(-static)
else()
    # With Qt's DLLs the programs take the MinGW runtime as DLLs too, so that one C++ runtime
    # serves the process (Qt's and ours alike); the installer puts the DLLs beside them. Shared
    # Qt, not static: a user may replace its DLLs, as the LGPL asks, with nothing to relink.
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(path "${path}" ABSOLUTE)
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "The MinGW runtime has no ${dll}")
        endif()
        list(APPEND ZELKOR_MINGW_RUNTIME_DLLS ${path})
    endforeach()
endif()

# SYSTEM (CMake 3.25) keeps our warnings out of GoogleTest's headers, below.
if(CMAKE_VERSION VERSION_LESS 3.25)
    message(FATAL_ERROR "The MinGW build needs CMake 3.25 or later")
endif()
set(ZELKOR_BUILD_BENCH OFF CACHE BOOL "Build the benchmarks" FORCE)
set(ZELKOR_BUILD_FUZZ OFF CACHE BOOL "Build the libFuzzer targets (needs clang)" FORCE)

# CLI11 is header-only, but Debian's package config would put the host's whole /usr/include on
# the Windows compiler's path; an include folder that holds CLI11 alone stands in for it.
find_path(ZELKOR_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(cli11_root ${CMAKE_BINARY_DIR}/include/cli11)
file(MAKE_DIRECTORY ${cli11_root})
if(NOT IS_SYMLINK ${cli11_root}/CLI)
    file(CREATE_LINK ${ZELKOR_CLI11_INCLUDE}/CLI ${cli11_root}/CLI SYMBOLIC)
endif()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 INTERFACE ${cli11_root})

# GoogleTest built for Windows from Debian's sources (package googletest).
set(ZELKOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for Windows")
if(NOT EXISTS ${ZELKOR_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${ZELKOR_GTEST_SOURCE} (Debian: googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# It names its targets GTest::gtest, GTest::gmock and GTest::gtest_main, as the installed package.
add_subdirectory(${ZELKOR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
