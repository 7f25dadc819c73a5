# Turns the tree's shared library target into TIDEWIRE.DLL with the fixed
# ordinals of tidewire/exports.txt, and makes the import library by ordinal.
include(${CMAKE_CURRENT_SOURCE_DIR}/export_table.cmake)

set(TIDEWIRE_EXPORT_TABLE ${TIDEWIRE_ROOT}/tidewire/exports.txt)
set(TIDEWIRE_DLL_DEF ${CMAKE_BINARY_DIR}/TIDEWIRE.def)
set(TIDEWIRE_IMPORT_DEF ${CMAKE_BINARY_DIR}/TIDEWIRE-by-ordinal.def)
set(TIDEWIRE_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/lib/libTIDEWIRE-by-ordinal.a)
tidewire_write_def_files(${TIDEWIRE_EXPORT_TABLE} TIDEWIRE.DLL ${TIDEWIRE_DLL_DEF} ${TIDEWIRE_IMPORT_DEF})

set_target_properties(tidewire PROPERTIES
  PREFIX ""
  OUTPUT_NAME TIDEWIRE
  SUFFIX ".DLL"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
  LINK_DEPENDS ${TIDEWIRE_DLL_DEF})
# The module-definition file gives each export its ordinal and the entry point
# ordinal 1; zlib and the runtimes are linked in so that the DLL stands alone.
target_link_options(tidewire PRIVATE
  ${TIDEWIRE_DLL_DEF} -static -static-libgcc -static-libstdc++)

add_custom_target(tidewire_dll ALL DEPENDS tidewire)

# The import library names no export: every entry is NONAME, so a program
# linked with it binds each function by its ordinal, as the converter does.
# dlltool names its scratch files after the library's whole path unless given a
# prefix, and in a deep build folder that name is longer than a file name may be.
add_custom_command(
  OUTPUT ${TIDEWIRE_IMPORT_LIBRARY}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/lib
  COMMAND ${CMAKE_DLLTOOL} --temp-prefix TIDEWIRE-by-ordinal
          -d ${TIDEWIRE_IMPORT_DEF} -l ${TIDEWIRE_IMPORT_LIBRARY}
  DEPENDS ${TIDEWIRE_IMPORT_DEF}
  COMMENT "Import library of TIDEWIRE.DLL by ordinal")
add_custom_target(tidewire_import_by_ordinal ALL DEPENDS ${TIDEWIRE_IMPORT_LIBRARY})

add_library(tidewire_by_ordinal INTERFACE)
add_dependencies(tidewire_by_ordinal tidewire_import_by_ordinal tidewire_dll)
target_link_libraries(tidewire_by_ordinal INTERFACE ${TIDEWIRE_IMPORT_LIBRARY})
target_include_directories(tidewire_by_ordinal INTERFACE ${TIDEWIRE_ROOT}/tidewire/include)

add_test(NAME windows_export_table
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check-export-table
                 ${CMAKE_OBJDUMP} $<TARGET_FILE:tidewire> ${TIDEWIRE_EXPORT_TABLE})

# The check itself must notice a moved ordinal: the same DLL against a table
# in which two exports have swapped their numbers.
set(swapped_table ${CMAKE_BINARY_DIR}/exports-swapped.txt)
file(READ ${TIDEWIRE_EXPORT_TABLE} table_text)
string(REGEX REPLACE "\n6 _twopen\n7 _twsetlanguage\n" "\n6 _twsetlanguage\n7 _twopen\n" swapped_text "${table_text}")
if(swapped_text STREQUAL table_text)
  message(FATAL_ERROR "${TIDEWIRE_EXPORT_TABLE}: _twopen and _twsetlanguage are no longer at 6 and 7")
endif()
file(CONFIGURE OUTPUT ${swapped_table} CONTENT "${swapped_text}" @ONLY)
add_test(NAME windows_export_table_check_notices_a_moved_ordinal
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check-export-table
                 ${CMAKE_OBJDUMP} $<TARGET_FILE:tidewire> ${swapped_table})
set_tests_properties(windows_export_table_check_notices_a_moved_ordinal PROPERTIES WILL_FAIL TRUE)
