# Shared by the two toolchain files beside it, which set HORUMINA_WINDOWS_ARCH
# (x86_64 or i686) and include this one: the game for Windows, built with
# mingw-w64 and its POSIX thread model (C++ threads, mutexes and
# condition variables work with it; the win32 model lacks them in GCC 12).
#
# On Debian the compilers are named <arch>-w64-mingw32-g++-posix and find
# Windows' headers and libraries under /usr/<arch>-w64-mingw32; the tests run
# under Wine. In an MSYS2 shell on Windows itself (MINGW64 for x86_64,
# MINGW32 for i686) the shell's own compilers build natively.
set(HORUMINA_WINDOWS_TRIPLET ${HORUMINA_WINDOWS_ARCH}-w64-mingw32)

if(CMAKE_HOST_WIN32)
  set(CMAKE_C_COMPILER ${HORUMINA_WINDOWS_TRIPLET}-gcc)
  set(CMAKE_CXX_COMPILER ${HORUMINA_WINDOWS_TRIPLET}-g++)
  set(CMAKE_RC_COMPILER windres)
  return()
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${HORUMINA_WINDOWS_ARCH})
set(CMAKE_C_COMPILER ${HORUMINA_WINDOWS_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HORUMINA_WINDOWS_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HORUMINA_WINDOWS_TRIPLET}-windres)

# Libraries and headers for Windows only; programs (nasm, wine) from the
# machine.
set(CMAKE_FIND_ROOT_PATH /usr/${HORUMINA_WINDOWS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine, in the project's quiet prefix. Debian's wine64 runs
# 64-bit programs only (wine32 needs the i386 architecture), so the 32-bit
# build is compiled and not run here.
if(HORUMINA_WINDOWS_ARCH STREQUAL x86_64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine_run.sh)
endif()
