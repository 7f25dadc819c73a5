# torvautil.exe: the converter of the tree, bound to TIDEWIRE.DLL by ordinal
# through the import library of tidewire_dll.cmake, with netCDF-C, zlib and
# both runtimes linked in. chronolib stays a DLL of its own, as on Linux; the
# program ships with TIDEWIRE.DLL and chronolib.dll beside it.
set_target_properties(chronolib PROPERTIES PREFIX "" OUTPUT_NAME chronolib)
target_link_options(chronolib PRIVATE -static-libgcc)
target_link_options(torvautil PRIVATE -static -static-libgcc -static-libstdc++)
add_custom_target(torvautil_exe ALL DEPENDS torvautil chronolib tidewire_dll)

set(check_converter_imports ${CMAKE_CURRENT_LIST_DIR}/check-converter-imports)
add_test(NAME windows_torvautil_imports
         COMMAND bash ${check_converter_imports} ${CMAKE_OBJDUMP} $<TARGET_FILE:torvautil>
                 ${TIDEWIRE_EXPORT_TABLE} $<TARGET_FILE:chronolib>)
# The check itself must notice imports other than the converter's: the peer
# program binds another set of the library's functions.
add_test(NAME windows_torvautil_imports_check_notices_other_imports
         COMMAND bash ${check_converter_imports} ${CMAKE_OBJDUMP} $<TARGET_FILE:linkage_peer>
                 ${TIDEWIRE_EXPORT_TABLE} $<TARGET_FILE:chronolib>)
set_tests_properties(windows_torvautil_imports_check_notices_other_imports PROPERTIES WILL_FAIL TRUE)

# The bundled example, converted by torvautil.exe under Wine and by the Linux
# build, must give the same console text and the same bytes in every file.
set(TIDEWIRE_LINUX_CONVERTER_BIN "" CACHE PATH "folder of the Linux build's torvautil and make_example")
if(TIDEWIRE_LINUX_CONVERTER_BIN AND TIDEWIRE_WINE_TESTS)
  add_test(NAME windows.example_matches_linux
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/compare-example ${TIDEWIRE_LINUX_CONVERTER_BIN}
                   ${CMAKE_BINARY_DIR}/bin ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wineprefix)
  set_tests_properties(windows.example_matches_linux PROPERTIES TIMEOUT 600)
endif()
