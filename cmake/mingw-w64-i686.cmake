# The game for 32-bit Windows with mingw-w64 (see mingw-w64.cmake).
set(HORUMINA_WINDOWS_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
