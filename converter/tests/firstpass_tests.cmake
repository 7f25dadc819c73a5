# Tests of the first pass and of the grid files.  The in-process tests need
# only the converter's core; the run tests write linkage files through the
# library and run torvautil itself.
set(firstpass_test_dir ${CMAKE_CURRENT_LIST_DIR})

add_executable(firstpass_unit_tests
  ${firstpass_test_dir}/firstpass_segment_cell_test.cpp
)
target_link_libraries(firstpass_unit_tests PRIVATE torvautil_core GTest::gtest_main)
gtest_discover_tests(firstpass_unit_tests)

add_library(converter_test_workdir STATIC ${firstpass_test_dir}/support/scratch_workdir.cpp)
target_include_directories(converter_test_workdir PUBLIC ${firstpass_test_dir})

add_executable(gridfiles_tests
  ${firstpass_test_dir}/firstpass_flowgrid_test.cpp
  ${firstpass_test_dir}/gridfiles_time_files_test.cpp
  ${firstpass_test_dir}/gridfiles_writers_test.cpp
)
target_link_libraries(gridfiles_tests PRIVATE torvautil_core converter_test_workdir GTest::gtest_main)
gtest_discover_tests(gridfiles_tests)

# Runs of torvautil itself, on linkage files written through the library.
if(TARGET tidewire)
  add_library(converter_test_support STATIC
    ${firstpass_test_dir}/support/linkage_file_builder.cpp
    ${firstpass_test_dir}/support/standard_grid.cpp
    ${firstpass_test_dir}/support/torvautil_process.cpp
  )
  target_link_libraries(converter_test_support PUBLIC converter_test_workdir common_test_support tidewire)
  target_compile_definitions(converter_test_support PRIVATE TORVAUTIL_EXECUTABLE="$<TARGET_FILE:torvautil>")
  add_dependencies(converter_test_support torvautil)

  add_executable(firstpass_run_tests
    ${firstpass_test_dir}/firstpass_bindings_test.cpp
    ${firstpass_test_dir}/firstpass_run_test.cpp
    ${firstpass_test_dir}/firstpass_segment_names_test.cpp
  )
  target_link_libraries(firstpass_run_tests PRIVATE converter_test_support GTest::gtest_main)
  gtest_discover_tests(firstpass_run_tests)
endif()
