# 64-bit Windows from Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the posix flavour, which has
# std::thread). The core and zelkorctl.exe build with it alone (-DZELKOR_BUILD_UI=OFF); the window
# program chain-loads it from the qt.toolchain.cmake of a Qt for Windows (scripts/build-windows).
# Programs run (tests, test discovery) through Wine with a prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZELKOR_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${ZELKOR_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ZELKOR_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZELKOR_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW tree only, never from the host's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${ZELKOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Runs a Windows program under Wine in a prefix of this build's own (cmake/wine-run makes it).
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env ZELKOR_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix ${CMAKE_CURRENT_LIST_DIR}/wine-run)
