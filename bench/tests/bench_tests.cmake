# Tests that the baselines do the same work as what they are measured against
# (label bench; run-benchmarks --quick runs them).
add_executable(bench_support_tests
  ${CMAKE_CURRENT_LIST_DIR}/bare_baseline_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/baseline_report_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/child_process_test.cpp)
target_link_libraries(bench_support_tests PRIVATE bench_support GTest::gtest_main)
gtest_discover_tests(bench_support_tests PROPERTIES LABELS bench)

if(TARGET torvautil_bench)
  add_executable(netcdf_baseline_tests
    ${CMAKE_CURRENT_LIST_DIR}/netcdf_baseline_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/converter_workdir.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/netcdf_baseline.cpp)
  target_link_libraries(netcdf_baseline_tests PRIVATE bench_support netCDF::netcdf GTest::gtest_main)
  target_include_directories(netcdf_baseline_tests PRIVATE ${PROJECT_SOURCE_DIR}/converter)
  target_compile_definitions(netcdf_baseline_tests PRIVATE TORVAUTIL_PROGRAM="$<TARGET_FILE:torvautil>")
  add_dependencies(netcdf_baseline_tests torvautil)
  gtest_discover_tests(netcdf_baseline_tests PROPERTIES LABELS bench)
endif()
