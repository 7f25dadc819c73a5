# tidewire_records: the moment, the persistent records and their tables, and
# the readers and writers of fixed-size header items.
add_library(tidewire_records STATIC
  ${CMAKE_CURRENT_LIST_DIR}/datadescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/moment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/persistent_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_count_exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_size_exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_io.cpp)
target_include_directories(tidewire_records PUBLIC
  $<BUILD_INTERFACE:${CMAKE_CURRENT_LIST_DIR}>)
target_link_libraries(tidewire_records PUBLIC tidewire_common)
set_target_properties(tidewire_records PROPERTIES POSITION_INDEPENDENT_CODE ON)


if(TIDEWIRE_BUILD_TESTS)
  add_executable(tidewire_records_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/moment_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/records_encoding_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/records_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/records_value_test.cpp)
  target_include_directories(tidewire_records_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests)
  target_link_libraries(tidewire_records_tests PRIVATE tidewire_records common_test_support GTest::gtest_main)
  gtest_discover_tests(tidewire_records_tests)
endif()
