# Tests of the NetCDF variable files and the second pass. The in-process
# tests need only the converter's core; the run tests write linkage files
# through the library and run torvautil itself.
set(secondpass_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_executable(secondpass_unit_tests
  ${secondpass_test_dir}/netcdf_routines_test.cpp
  ${secondpass_test_dir}/secondpass_output_steps_test.cpp
)
target_link_libraries(secondpass_unit_tests PRIVATE torvautil_core GTest::gtest_main)
gtest_discover_tests(secondpass_unit_tests)
