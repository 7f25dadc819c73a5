# The second pass over the linkage file (tidewire_read), the NetCDF variable
# files, and their tests.
target_sources(torvautil_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/hydro_variables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/netcdf_routines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/returned_text.cpp
)
# The second pass reads the linkage file through the library's exports.
if(TARGET tidewire)
  target_sources(torvautil_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Hydro_Read.cpp
    ${CMAKE_CURRENT_LIST_DIR}/field_assembly.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flow_path_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layer_reversal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linkage_header.cpp
    ${CMAKE_CURRENT_LIST_DIR}/moment_loop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/output_multiple.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run_checks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/second_pass_arrays.cpp
  )
else()
  target_sources(torvautil_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/stub_secondpass.cpp)
endif()

if(TIDEWIRE_BUILD_TESTS)
  include(${CMAKE_CURRENT_LIST_DIR}/tests/secondpass_tests.cmake)
endif()
