# tidewire_records: the moment, the persistent records and their tables, and
# the readers and writers of fixed-size header items.
add_library(tidewire_records STATIC
  ${CMAKE_CURRENT_LIST_DIR}/datadescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/moment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/persistent_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_count_exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_io.cpp)
target_include_directories(tidewire_records PUBLIC
  $<BUILD_INTERFACE:${CMAKE_CURRENT_LIST_DIR}>)
target_link_libraries(tidewire_records PUBLIC tidewire_common)
set_target_properties(tidewire_records PROPERTIES POSITION_INDEPENDENT_CODE ON)

