# Benchmarks of the Windows program, run under Wine or on Windows: figures
# printed, not tests.
add_executable(win32_refresh ${CMAKE_CURRENT_LIST_DIR}/win32_refresh.cpp)
target_link_libraries(win32_refresh PRIVATE horumina_win32)

# The floor carries the game's manifest (Common Controls 6, DPI awareness),
# as any Windows program with a modern look does, so that loading them is no
# part of the difference.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/win32_floor.rc
     CONTENT "1 24 \"${CMAKE_BINARY_DIR}/win32/horumina.manifest\"\n")
foreach(floor win32_floor win32_floor_controls)
  add_executable(${floor} WIN32 ${CMAKE_CURRENT_LIST_DIR}/win32_floor.cpp ${CMAKE_BINARY_DIR}/win32_floor.rc)
  target_link_libraries(${floor} PRIVATE horumina_win32)
  if(MINGW)
    target_link_options(${floor} PRIVATE -municode)
  endif()
endforeach()
target_compile_definitions(win32_floor_controls PRIVATE HORUMINA_FLOOR_COMMON_CONTROLS)
