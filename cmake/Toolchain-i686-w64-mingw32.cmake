# Cross-compiling for 32-bit Windows with mingw-w64: POSIX threads (the C++
# threading library needs them), the runtime linked in statically, so that
# Tintwell.exe needs no DLL beyond the system's, and wine to run what the
# build and the tests start.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TINTWELL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TINTWELL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TINTWELL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TINTWELL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TINTWELL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
