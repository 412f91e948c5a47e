# Benchmarks of the Windows program, run under Wine or on Windows: figures
# printed, not tests.
add_executable(win32_refresh ${CMAKE_CURRENT_LIST_DIR}/win32_refresh.cpp)
target_link_libraries(win32_refresh PRIVATE horumina_win32)
