# Tests of the NetCDF variable files and the second pass. The in-process
# tests need only the converter's core; the run tests write linkage files
# through the library and run torvautil itself.
set(secondpass_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_executable(secondpass_unit_tests
  ${secondpass_test_dir}/netcdf_routines_test.cpp
  ${secondpass_test_dir}/secondpass_output_steps_test.cpp
)
target_link_libraries(secondpass_unit_tests PRIVATE torvautil_core converter_test_workdir GTest::gtest_main)
gtest_discover_tests(secondpass_unit_tests)

# Runs of torvautil itself, through the first pass's test support.
if(TARGET converter_test_support)
  add_executable(secondpass_run_tests
    ${secondpass_test_dir}/secondpass_checks_test.cpp
    ${secondpass_test_dir}/secondpass_run_test.cpp
  )
  target_link_libraries(secondpass_run_tests PRIVATE converter_test_support netCDF::netcdf GTest::gtest_main)
  gtest_discover_tests(secondpass_run_tests)

  add_executable(secondpass_open_tests ${secondpass_test_dir}/secondpass_open_test.cpp)
  target_link_libraries(secondpass_open_tests PRIVATE torvautil_core converter_test_support GTest::gtest_main)
  gtest_discover_tests(secondpass_open_tests)
endif()
