# The game for 64-bit Windows with mingw-w64 (see mingw-w64.cmake).
set(HORUMINA_WINDOWS_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
