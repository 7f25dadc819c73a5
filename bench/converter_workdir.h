// A working directory for torvautil laid out from a case: control.dat and
// the grid input files (cell.inp, GVCLAYER.INP, dxdy.inp, lxly.inp) in
// input/, an empty output/, and the case's TORVA linkage file.
#ifndef BENCH_CONVERTER_WORKDIR_H
#define BENCH_CONVERTER_WORKDIR_H

#include <filesystem>
#include <string>

#include "estuary_case.h"

namespace bench {

// The linkage file's name inside the working directory.
inline const char* const linkage_file_name = "estuary.hyd";

// The console answers of a run that outputs every moment: overwrite, the
// linkage file, layer 1 at the surface, multiple 1, Enter.
std::string converter_answers();

// Throws std::runtime_error on a file that cannot be written.
void lay_out_workdir(const estuary_case& estuary, const std::filesystem::path& workdir);

}  // namespace bench

#endif
