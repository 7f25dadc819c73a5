# The first pass over the linkage file, the grid validation and the BENTHA
# grid and time files; their tests and the converter's test support.
target_sources(torvautil_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cell_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/depthdata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flowgrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_bounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_input_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_output_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layerdata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maskdata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/segment_cell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shapedata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_and_dimension_files.cpp
)
# The first pass reads the linkage file through the library's exports.
if(TARGET tidewire)
  target_sources(torvautil_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/gethydgriddata.cpp
    ${CMAKE_CURRENT_LIST_DIR}/segment_name_field.cpp
  )
else()
  target_sources(torvautil_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/gethydgriddata_without_library.cpp)
endif()

if(TIDEWIRE_BUILD_TESTS)
  include(${CMAKE_CURRENT_LIST_DIR}/tests/firstpass_tests.cmake)
endif()
