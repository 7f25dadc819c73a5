// Grid input files for a plain rectangular grid, for tests that need a whole
// run rather than particular grid records.
#ifndef TORVAUTIL_TEST_STANDARD_GRID_H
#define TORVAUTIL_TEST_STANDARD_GRID_H

#include <string>
#include <vector>

#include "scratch_workdir.h"

// Writes control.dat (IM, JM, KM) and the grid input files: every column of
// cell type 5 with KM layers (GVCLAYER.INP), 100 m by 200 m with a depth of
// 10 m (dxdy.inp), and UTM coordinates in zone 16 with unit metric factors
// (lxly.inp).
void write_standard_grid(const scratch_workdir& dir, int im, int jm, int km);

// One segment name per cell, K = 1 first, then J, with I fastest.
std::vector<std::string> names_of_every_cell(int im, int jm, int km);

#endif
