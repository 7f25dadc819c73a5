# Tests of TIDEWIRE.DLL, built for Windows and run under Wine: one ctest
# entry, and so one Wine process, per test.

# GoogleTest from the sources Debian ships with it, built by the cross compiler.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(TIDEWIRE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
add_subdirectory(${TIDEWIRE_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Wine runs the tests in the prefix that WINEPREFIX names when they run, or
# else in one of the build's own; wine-run makes it on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../wine-run ${CMAKE_BINARY_DIR}/wineprefix)

# The GoogleTest cases of PROGRAM, each run under Wine. Without Wine tests the
# program is still built, so that it keeps compiling.
function(tidewire_wine_tests program)
  if(TIDEWIRE_WINE_TESTS)
    gtest_discover_tests(${program} TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300)
  endif()
endfunction()

set(peer_dir ${CMAKE_CURRENT_LIST_DIR}/../peer)

# The ordinal table as C++ initialisers, for the test of the loaded DLL.
tidewire_read_export_table(${TIDEWIRE_EXPORT_TABLE} table_ordinals table_names)
set(export_table_text "")
foreach(ordinal name IN ZIP_LISTS table_ordinals table_names)
  string(APPEND export_table_text "    {${ordinal}, \"${name}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/export_table.inc CONTENT "${export_table_text}" @ONLY)

add_library(windows_scratch_directory STATIC ${CMAKE_CURRENT_LIST_DIR}/scratch_directory.cpp)
target_include_directories(windows_scratch_directory PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The failure texts of this build, shared with the tree's own tests.
add_library(windows_failure_text STATIC ${TIDEWIRE_ROOT}/common/tests/failure_text.cpp)
target_include_directories(windows_failure_text PUBLIC ${TIDEWIRE_ROOT}/common/tests)

add_library(windows_test_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dll_test_support.cpp
  ${peer_dir}/sample_linkage.c)
target_include_directories(windows_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${peer_dir})
target_link_libraries(windows_test_support PUBLIC windows_scratch_directory windows_failure_text tidewire_by_ordinal
                      GTest::gtest)

# The exports, bound by ordinal as the converter binds them.
add_executable(tidewire_dll_tests
  ${CMAKE_CURRENT_LIST_DIR}/dll_errors_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dll_handles_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dll_round_trip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dll_share_mode_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dll_timing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dll_trace_test.cpp)
target_link_libraries(tidewire_dll_tests PRIVATE windows_test_support GTest::gtest_main)
tidewire_wine_tests(tidewire_dll_tests)

# The file stream over the real Windows file API, linked in directly.
add_executable(tidewire_win32_file_tests ${CMAKE_CURRENT_LIST_DIR}/file_stream_win32_test.cpp)
target_link_libraries(tidewire_win32_file_tests PRIVATE windows_scratch_directory windows_failure_text tidewire_common
                      GTest::gtest_main)
tidewire_wine_tests(tidewire_win32_file_tests)

# The peer of the file exchange with the Linux build (windows/exchange-files).
add_executable(linkage_peer ${peer_dir}/linkage_peer.c ${peer_dir}/sample_linkage.c)
target_include_directories(linkage_peer PRIVATE ${peer_dir})
target_link_libraries(linkage_peer PRIVATE tidewire_by_ordinal)

set(TIDEWIRE_LINUX_PEER "" CACHE FILEPATH "linkage_peer of the Linux build, for the file exchange test")
if(TIDEWIRE_LINUX_PEER AND TIDEWIRE_WINE_TESTS)
  add_test(NAME windows.files_exchanged_with_linux
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../exchange-files
                   ${TIDEWIRE_LINUX_PEER} $<TARGET_FILE:linkage_peer>
                   ${CMAKE_CURRENT_LIST_DIR}/../wine-run ${CMAKE_BINARY_DIR}/wineprefix)
endif()

# A program under windows/under-wine works in its own folder, whatever folder
# another Wine command of the prefix started from.
if(TIDEWIRE_WINE_TESTS)
  add_test(NAME windows.under_wine_works_in_its_folder
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/under_wine_folder_test.sh ${CMAKE_BINARY_DIR}/wineprefix)
endif()

foreach(program tidewire_dll_tests linkage_peer)
  add_test(NAME windows_${program}_binds_by_ordinal
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../check-ordinal-imports ${CMAKE_OBJDUMP} $<TARGET_FILE:${program}>)
endforeach()

# TIDEWIRE.DLL loaded at run time by a program without an import of it.
add_executable(tidewire_dll_loading_tests ${CMAKE_CURRENT_LIST_DIR}/dll_loading_test.cpp)
target_include_directories(tidewire_dll_loading_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(tidewire_dll_loading_tests PRIVATE windows_scratch_directory GTest::gtest_main)
add_dependencies(tidewire_dll_loading_tests tidewire_dll)
tidewire_wine_tests(tidewire_dll_loading_tests)
