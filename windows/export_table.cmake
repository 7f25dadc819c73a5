# Reads the library's ordinal table (tidewire/exports.txt: "ordinal name" per
# line, # for comments) and writes the two module-definition files of the
# Windows build from it, so that the table stays the only list of exports:
#   the DLL's own:        every name at its ordinal, the entry point at 1
#   the import library's: every name at its ordinal, NONAME, so that callers
#                          bind by ordinal only

# The table must give the ordinals 2 to 55 once each, with distinct names.
function(tidewire_read_export_table table_file out_ordinals out_names)
  file(STRINGS "${table_file}" lines)
  set(ordinals "")
  set(names "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    if(NOT line MATCHES "^([0-9]+)[ \t]+([A-Za-z_][A-Za-z0-9_]*)$")
      message(FATAL_ERROR "${table_file}: not an \"ordinal name\" line: '${line}'")
    endif()
    set(ordinal "${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    if(ordinal LESS 2 OR ordinal GREATER 55)
      message(FATAL_ERROR "${table_file}: ordinal ${ordinal} of ${name} is outside 2 to 55")
    endif()
    if(ordinal IN_LIST ordinals)
      message(FATAL_ERROR "${table_file}: ordinal ${ordinal} is given twice")
    endif()
    if(name IN_LIST names)
      message(FATAL_ERROR "${table_file}: ${name} is given twice")
    endif()
    list(APPEND ordinals ${ordinal})
    list(APPEND names ${name})
  endforeach()
  list(LENGTH ordinals count)
  if(NOT count EQUAL 54)
    message(FATAL_ERROR "${table_file}: ${count} exports instead of 54")
  endif()
  set(${out_ordinals} "${ordinals}" PARENT_SCOPE)
  set(${out_names} "${names}" PARENT_SCOPE)
endfunction()

# Ordinal 1 is the DLL's entry point, the C runtime's start-up routine that
# runs the library's static initialisers, exported under the customary name.
# Its 32-bit name carries the stdcall decoration; a 64-bit developer build has none.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TIDEWIRE_ENTRY_POINT_EXPORT "DllEntryPoint=DllMainCRTStartup")
else()
  set(TIDEWIRE_ENTRY_POINT_EXPORT "DllEntryPoint=DllMainCRTStartup@12")
endif()

function(tidewire_write_def_files table_file dll_name dll_def import_def)
  tidewire_read_export_table("${table_file}" ordinals names)
  set(dll_text "LIBRARY ${dll_name}\nEXPORTS\n  ${TIDEWIRE_ENTRY_POINT_EXPORT} @1\n")
  set(import_text "LIBRARY ${dll_name}\nEXPORTS\n")
  foreach(ordinal name IN ZIP_LISTS ordinals names)
    string(APPEND dll_text "  ${name} @${ordinal}\n")
    string(APPEND import_text "  ${name} @${ordinal} NONAME\n")
  endforeach()
  file(CONFIGURE OUTPUT "${dll_def}" CONTENT "${dll_text}" @ONLY)
  file(CONFIGURE OUTPUT "${import_def}" CONTENT "${import_text}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${table_file}")
endfunction()
