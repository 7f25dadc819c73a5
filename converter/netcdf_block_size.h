// The block size asked of netCDF-C for every output file it creates.
//
// netCDF-C moves a classic file through a buffer of this size: with fill mode
// on it writes every file whole at nc_enddef and then reads back and rewrites
// the blocks of each record. Its own default follows the file system's block
// (8 KiB here), which costs a system call per 8 KiB; much larger blocks read
// back more around each record and each time value than they save. 64 to
// 128 KiB measured best on a grid of 100,000 cells (README "Performance").
// The hint changes only how the bytes travel: the files are the same byte for
// byte.
#pragma once

#include <cstddef>

constexpr std::size_t netcdf_block_size_hint = 128 * 1024;
