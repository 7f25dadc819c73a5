// Where grid input records may be stored.  A record whose I or J lies
// outside the grid has no place in any grid array: every reader skips it
// with a console line, the same in every file.
#pragma once

#include <cstdint>
#include <string>

#include "precmod.h"

// True when 1 <= i <= IM and 1 <= j <= JM.
bool inside_grid(std::int64_t i, std::int64_t j);

// True when (i, j) lies inside the grid and some segment maps into one of
// its layers (the sum of validcell over K is not 0).
bool valid_column(std::int64_t i, std::int64_t j);

// A real index cut towards zero; false when the value has no int32 form
// (NaN, infinite or too large), which puts it outside any grid.
bool real_index(real4 value, std::int64_t& index);

// The console lines of a skipped record, naming the file.
void report_record_outside_grid(const std::string& path, std::int64_t i, std::int64_t j);
void report_record_outside_grid(const std::string& path, real4 i, real4 j);
