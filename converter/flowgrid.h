// The first pass over the linkage file and the grid routines of the second.
//
//   gethydgriddata();   // asks for the linkage file, maps every segment to
//                       // its cell: numseg, validseg, i_ind/j_ind/k_ind,
//                       // validcell; bad names go to SegmentError.txt
//   ...                 // the BENTHA grid files are written (nz.dat among them)
//   readnzfile();       // nza from output/nz.dat
//   validategrid();     // flowcell, flowgrid_numcells, removedCells.txt
#pragma once

#include <string>

#include "fixed_text.h"

// First pass: fills numseg, validseg, i_ind, j_ind, k_ind, validcell and
// hydrofil, or ends the run.  Also declared among the run's steps.
void gethydgriddata();

// A copy of text in which everything from the first NUL on is blank; text
// unchanged when it has no NUL or starts with one.
fixed_text<30> removenuls(const fixed_text<30>& text);

// Allocates nza (IM, JM) and reads it from output/nz.dat.  A missing, short
// or non-numeric file ends the run with a read error naming the file; a
// missing one is created empty first.
void readnzfile();

// Numbers the cells within each column's nza layers (layer by layer, then
// J, I fastest) into flowcell, -1 elsewhere; sets flowgrid_numcells; lists
// invalid columns and unfilled cells in output/removedCells.txt.
void validategrid();
