// Shared state of one converter run (module `vars`): grid sizes, counts,
// paths, the per-segment index arrays and the per-cell arrays. One instance,
// `vars`, lives for the whole process and is never reset.
//
//   vars.validcell.allocate(vars.im, vars.jm, vars.km);
//   vars.validcell.fill(0);
//   if (vars.validcell(i, j, k) == 1) ...
//   std::string nz_path = std::string(vars.basepath.trimmed()) + "/output/nz.dat";
#pragma once

#include "fixed_text.h"
#include "onebased_array.h"
#include "path_field.h"
#include "precmod.h"

struct run_state {
    static constexpr int4 missingval = -9999;

    fixed_text<200> basepath;    // the current working directory
    fixed_text<200> inputpath;   // trimmed basepath followed by "/input/"
    fixed_text<200> outputpath;  // trimmed basepath followed by "/output/"
    fixed_text<30> controlfile{"control.dat"};
    fixed_text<256> hydrofil;  // linkage file name as typed, a NUL, blanks
    path_field nzfilename;     // path of nz.dat in the output folder

    int4 im = missingval;  // cells in I
    int4 jm = missingval;  // cells in J
    int4 km = missingval;  // layers
    int4 nf = missingval;  // flow paths
    int4 numseg = missingval;
    int4 timestamp = missingval;   // seconds, current moment
    int4 timestamp1 = missingval;  // seconds, moment 1
    int4 timestamp2 = missingval;  // seconds, moment 2
    int4 num_moments = 0;
    int4 numsteps = 0;  // output steps
    int4 stepsize = 0;  // output every stepsize-th moment
    int4 flowgrid_numcells = 0;

    // (IM, JM, KM)
    onebased_array<int4, 3> flowcell{"flowcell"};    // cell number, or -1
    onebased_array<int4, 3> validcell{"validcell"};  // 1 where a segment maps to the cell
    // (IM, JM)
    onebased_array<int4, 2> nza{"nza"};  // layers of each water column
    onebased_array<int4, 2> invalidcolumn{"invalidcolumn"};
    // (numseg)
    onebased_array<int4, 1> i_ind{"i_ind"};
    onebased_array<int4, 1> j_ind{"j_ind"};
    onebased_array<int4, 1> k_ind{"k_ind"};
    onebased_array<int4, 1> validseg{"validseg"};  // 1 valid, 0 ignored
    // (IM, JM, KM): values of the current output step
    onebased_array<real4, 3> volume{"volume"};
    onebased_array<real4, 3> depth{"depth"};
    onebased_array<real4, 3> temp{"temp"};
    onebased_array<real4, 3> salt{"salt"};
    onebased_array<real4, 3> dispersion{"dispersion"};
    onebased_array<real4, 3> uflow{"uflow"};
    onebased_array<real4, 3> vflow{"vflow"};
    onebased_array<real4, 3> wflow{"wflow"};
    // (IM, JM)
    onebased_array<real4, 2> totdepth{"totdepth"};
    onebased_array<real4, 2> surfelev{"surfelev"};
    onebased_array<real4, 2> darray{"darray"};  // bottom depth from dxdy.inp
    // (num_moments): the first numsteps entries are used
    onebased_array<real8, 1> tstamp_array{"tstamp_array"};
    onebased_array<fixed_text<30>, 1> tstrarray{"tstrarray"};
};

extern run_state vars;
