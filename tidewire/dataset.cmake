# tidewire_dataset: the dataset of one open linkage file, its header block and
# its zlib-compressed moment frames.
add_library(tidewire_dataset STATIC
  ${CMAKE_CURRENT_LIST_DIR}/frame_buffers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tidewiredata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tidewiredata_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tidewiredata_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tidewiredata_moments.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tidewiredata_values.cpp)
target_include_directories(tidewire_dataset PUBLIC
  $<BUILD_INTERFACE:${CMAKE_CURRENT_LIST_DIR}>)
target_link_libraries(tidewire_dataset PUBLIC tidewire_records ZLIB::ZLIB)
set_target_properties(tidewire_dataset PROPERTIES POSITION_INDEPENDENT_CODE ON)

if(TIDEWIRE_BUILD_TESTS)
  add_executable(tidewire_dataset_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_codec_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_corruption_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_frame_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_header_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_moment_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_open_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/dataset_write_fault_test.cpp)
  target_link_libraries(tidewire_dataset_tests PRIVATE
    tidewire_dataset common_test_support GTest::gtest_main)
  gtest_discover_tests(tidewire_dataset_tests)
endif()
