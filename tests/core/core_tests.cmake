# The rules' tests, built by the Linux build (tests/CMakeLists.txt) and the
# Windows one (tests/win32/): included where GTest::gtest_main,
# HORUMINA_TEST_TIMEOUT and HORUMINA_GTEST_DISCOVERY are known.
add_executable(core_tests
  ${CMAKE_CURRENT_LIST_DIR}/stopwatch_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/training_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/small_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_format_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_domain_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_picture_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/integer_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/friends_game_test.cpp
)
target_compile_definitions(core_tests PRIVATE HORUMINA_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
target_include_directories(core_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE horumina_core GTest::gtest_main)
gtest_discover_tests(core_tests PROPERTIES TIMEOUT ${HORUMINA_TEST_TIMEOUT} ${HORUMINA_GTEST_DISCOVERY})
# GCC 12 at -O3 warns of an overlapping copy inside std::string's own
# assignments where there is none (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(core_tests PRIVATE -Wno-restrict)
endif()
