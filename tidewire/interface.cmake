# The shared library tidewire: the session, the 54 exports, the call trace and
# the call timing over the dataset (tidewire_dataset).
if(NOT TARGET tidewire_dataset)
  message(STATUS "tidewire: the dataset target is not there yet; the shared library is skipped")
  return()
endif()

# The ordinal table is the one list of the exports: the linker's export list
# here, and the Windows module-definition file, are made from it.
set(TIDEWIRE_EXPORTS_FILE ${CMAKE_CURRENT_SOURCE_DIR}/exports.txt)
file(STRINGS ${TIDEWIRE_EXPORTS_FILE} tidewire_export_lines REGEX "^[0-9]+ +_tw[a-z]+$")
set(tidewire_version_script "{\n  global:\n")
foreach(line IN LISTS tidewire_export_lines)
  string(REGEX REPLACE "^[0-9]+ +" "" export_name "${line}")
  string(APPEND tidewire_version_script "    ${export_name};\n")
endforeach()
string(APPEND tidewire_version_script "  local:\n    *;\n};\n")
set(TIDEWIRE_VERSION_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/tidewire_exports.map)
file(GENERATE OUTPUT ${TIDEWIRE_VERSION_SCRIPT} CONTENT "${tidewire_version_script}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TIDEWIRE_EXPORTS_FILE})

add_library(tidewire SHARED
  ${CMAKE_CURRENT_SOURCE_DIR}/call_timing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/last_error_text.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/log_file.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/log_number.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/trace_block.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twsession.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_state.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_header.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_tables.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_fields.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_frames.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/twapi_entry.cpp)
add_library(tidewire::tidewire ALIAS tidewire)
set_target_properties(tidewire PROPERTIES
  OUTPUT_NAME tidewire
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  C_VISIBILITY_PRESET hidden
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_compile_definitions(tidewire PRIVATE TIDEWIRE_BUILDING)
target_include_directories(tidewire
  PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
  PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tidewire PRIVATE tidewire_dataset)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  # Only the exports leave the library, whatever the static parts inside it
  # would otherwise show (template instances of the standard library).
  target_link_options(tidewire PRIVATE "LINKER:--version-script=${TIDEWIRE_VERSION_SCRIPT}")
  set_property(TARGET tidewire APPEND PROPERTY LINK_DEPENDS ${TIDEWIRE_VERSION_SCRIPT})
endif()

# Installation: the library, its header and a package another CMake project
# finds with find_package(tidewire).
include(CMakePackageConfigHelpers)
install(TARGETS tidewire EXPORT tidewireTargets COMPONENT tidewire
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/include/tidewire.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT tidewire)
install(EXPORT tidewireTargets
  NAMESPACE tidewire::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tidewire
  COMPONENT tidewire)
configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/tidewireConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/tidewireConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tidewire)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/tidewireConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/tidewireConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/tidewireConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tidewire
  COMPONENT tidewire)

if(TIDEWIRE_BUILD_TESTS)
  include(${CMAKE_CURRENT_SOURCE_DIR}/tests/api_tests.cmake)
endif()
