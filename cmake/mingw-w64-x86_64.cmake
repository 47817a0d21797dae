# Cross-builds the Windows x86-64 executables with mingw-w64 (Debian's
# g++-mingw-w64-x86-64-posix). They are linked statically, so casegen.exe and
# ringscore.exe run with no DLL beside them, and their tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# A private wine prefix in the build folder, so that no test touches the
# user's own, and no wine notes on standard error, where the tests look for
# the programs' messages.
set(KIT_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(CMAKE_CROSSCOMPILING_EMULATOR
  env WINEDEBUG=-all "WINEPREFIX=${KIT_WINEPREFIX}" /usr/lib/wine/wine64)
