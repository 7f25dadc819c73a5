// The grid input files of the example's working directory: control.dat,
// cell.inp, GVCLAYER.INP, dxdy.inp and lxly.inp in its input folder.
#pragma once

#include <filesystem>

#include "bay_model.h"

namespace bay {

void write_input_files(const model& bay, const std::filesystem::path& input_folder);

}  // namespace bay
