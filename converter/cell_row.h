// One record of cell.inp: 5 characters skipped, then one cell-type digit per
// I.  A record shorter than that reads as if padded with blanks, and a blank
// reads as 0.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "precmod.h"

// Fills digits with the IM cell types of the record.  Returns false, with
// digits unspecified, when a cell column holds neither a digit nor a blank.
bool decode_cell_row(std::string_view record, int4 im, std::vector<int4>& digits);
