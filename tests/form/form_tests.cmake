# The form and the pages' handlers on a front end that draws nothing: no
# toolkit, no real time. Built by the Linux build and the Windows one, as
# core_tests.cmake is.
add_executable(form_tests
  ${CMAKE_CURRENT_LIST_DIR}/layout_timer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyboard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../pages/training_handlers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../pages/hall_domain_handlers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../pages/friends_handlers_test.cpp
)
target_include_directories(form_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(form_tests PRIVATE horumina_pages GTest::gtest_main)
# GCC 12 at -O3 warns of an overlapping copy inside std::string's own
# appends where there is none (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(form_tests PRIVATE -Wno-restrict)
endif()
if(NOT DEFINED HORUMINA_TESTS_RUN_HERE OR HORUMINA_TESTS_RUN_HERE)
  gtest_discover_tests(form_tests PROPERTIES TIMEOUT ${HORUMINA_TEST_TIMEOUT} ${HORUMINA_GTEST_DISCOVERY})
endif()
