# Tests of the first pass and of the grid files.  The in-process tests need
# only the converter's core; the run tests write linkage files through the
# library and run torvautil itself.
set(firstpass_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_executable(firstpass_unit_tests
  ${firstpass_test_dir}/firstpass_segment_cell_test.cpp
)
target_link_libraries(firstpass_unit_tests PRIVATE torvautil_core GTest::gtest_main)
gtest_discover_tests(firstpass_unit_tests)
