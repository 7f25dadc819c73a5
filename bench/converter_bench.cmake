# The converter against its NetCDF writes; needs the program torvautil.
if(NOT TARGET torvautil)
  return()
endif()

find_package(netCDF REQUIRED)

add_executable(torvautil_bench
  converter_benchmarks.cpp
  converter_workdir.cpp
  netcdf_baseline.cpp
  torvautil_bench_main.cpp)
target_link_libraries(torvautil_bench PRIVATE bench_support netCDF::netcdf)
# The converter's NetCDF block size, which the baseline shares.
target_include_directories(torvautil_bench PRIVATE ${PROJECT_SOURCE_DIR}/converter)
target_compile_definitions(torvautil_bench PRIVATE TORVAUTIL_PROGRAM="$<TARGET_FILE:torvautil>")
add_dependencies(torvautil_bench torvautil)
