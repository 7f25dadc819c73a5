# Tests of the exports. They call the shared library only through its exports,
# as a model or a reader does; each test case runs in a process of its own.
set(api_tests_dir ${CMAKE_CURRENT_LIST_DIR})

add_library(tidewire_api_test_support STATIC
  ${api_tests_dir}/api_test_support.cpp
  ${api_tests_dir}/decimal_comma_locale.cpp)
target_link_libraries(tidewire_api_test_support PUBLIC tidewire::tidewire common_test_support GTest::gtest)

foreach(api_test_name api_roundtrip_test api_errors_test api_session_test api_trace_test api_timing_test
        api_allocation_test api_locale_test)
  add_executable(${api_test_name} ${api_tests_dir}/${api_test_name}.cpp)
  target_link_libraries(${api_test_name} PRIVATE tidewire_api_test_support GTest::gtest_main)
  gtest_discover_tests(${api_test_name} DISCOVERY_TIMEOUT 60)
endforeach()

# A file of more than 2 GB of tables in memory: alone, so that no other test
# competes for the memory.
add_executable(api_large_file_test ${api_tests_dir}/api_large_file_test.cpp)
target_link_libraries(api_large_file_test PRIVATE tidewire_api_test_support GTest::gtest_main)
gtest_discover_tests(api_large_file_test PROPERTIES RUN_SERIAL TRUE)

# The number format of LOG.TXT on its own, built from the library's source.
add_executable(log_number_test ${api_tests_dir}/log_number_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/log_number.cpp)
target_include_directories(log_number_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(log_number_test PRIVATE tidewire_api_test_support GTest::gtest_main)
gtest_discover_tests(log_number_test)

add_executable(api_exports_test ${api_tests_dir}/api_exports_test.cpp)
target_link_libraries(api_exports_test PRIVATE GTest::gtest_main)
target_compile_definitions(api_exports_test PRIVATE
  TIDEWIRE_HEADER="${CMAKE_CURRENT_SOURCE_DIR}/include/tidewire.h"
  TIDEWIRE_EXPORTS_TABLE="${TIDEWIRE_EXPORTS_FILE}"
  TIDEWIRE_LIBRARY="$<TARGET_FILE:tidewire>")
add_dependencies(api_exports_test tidewire)
gtest_discover_tests(api_exports_test)

# The header from plain C.
add_executable(api_c_test ${api_tests_dir}/api_c_test.c)
target_link_libraries(api_c_test PRIVATE tidewire::tidewire)
set(api_c_test_dir ${CMAKE_CURRENT_BINARY_DIR}/api_c_test_work)
file(MAKE_DIRECTORY ${api_c_test_dir})
add_test(NAME api_c_test COMMAND api_c_test WORKING_DIRECTORY ${api_c_test_dir})

# The installed package, found by another project.
add_test(NAME api_package_test COMMAND ${CMAKE_COMMAND}
  -DBUILD_DIR=${CMAKE_BINARY_DIR}
  -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/api_package_test_work
  -DSOURCE_DIR=${api_tests_dir}/package
  -DC_COMPILER=${CMAKE_C_COMPILER}
  "-DC_FLAGS=${CMAKE_C_FLAGS}"
  "-DLINKER_FLAGS=${CMAKE_EXE_LINKER_FLAGS}"
  -P ${api_tests_dir}/api_package_test.cmake)
