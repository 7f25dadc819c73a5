// The second pass over the linkage file, `tidewire_read` (declared among the
// run's steps in run_steps.h). It reads the header, checks the run, asks for
// the output multiple, and steps through every moment into the ten NetCDF
// files. Its steps share the state below, alive for the whole routine.
//
//   tidewire_read():
//     read_linkage_header      hydrofile.out, open, header lines, descriptions
//     allocate_second_pass     grid arrays of vars, per-segment and per-path buffers
//     readnzfile, ask_surface_layer, validategrid
//     write_summary_block, check_segment_count
//     ask_output_multiple      time step and output-multiple dialogue
//     read_flow_path_table, create the files, run_moment_loop, finish_second_pass
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fixed_text.h"
#include "hydro_variables.h"
#include "precmod.h"
#include "text_output_file.h"

struct second_pass_state {
    int4 handle = 0;
    int4 mode = 0;  // read
    int4 ierror = 0;

    // hydrofil up to its NUL: the name handed to the library.
    std::string linkage_path;
    std::uintmax_t linkage_file_size = 0;

    fixed_text<30> start_date;
    fixed_text<30> end_date;
    int4 noseg = 0;    // segments of the file in this pass
    int4 numflow = 0;  // flow paths (copied to vars.nf)
    int4 inumsegconst = 0;
    int4 numflowconstants = 0;
    bool temperature = false;  // both on when any segment constituent has type 4
    bool salinity = false;
    real4 hdt = 0.0f;        // hydrodynamic time step
    real4 rinterval = 0.0f;  // update interval
    int4 numhstep = 0;       // hydrodynamic-to-KELVA ratio
    int4 num_lay = 0;        // layers stored in the file, printed only
    int4 modtype = 0;        // creator code
    int4 num_desc = 0;
    int4 numsegremoved = 0;

    // Per segment (numseg entries, never fewer than the file's own count).
    std::vector<real4> volseg, depthseg, velseg, tempseg, salseg;
    // Per flow path (nf entries).
    std::vector<real4> tempflow, crntmp, torvabrint;
    std::vector<int4> iq, jq, idirect;

    hydro_variable_table variables;
    text_output_file hydrofile;  // hydrofile.out, open from the start to the end
};
