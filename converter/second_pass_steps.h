// The steps of the second pass, in the order tidewire_read calls them. Each
// either returns or ends the run.
#pragma once

#include "Hydro_Read.h"
#include "precmod.h"
#include "returned_text.h"

// Starts hydrofile.out, opens the linkage file and reads and prints its
// header, creator and descriptions.
void read_linkage_header(second_pass_state& pass);

// The grid arrays of vars at their start values, the time arrays, and the
// per-segment and per-flow-path buffers.
void allocate_second_pass(second_pass_state& pass);

// Asks whether layer 1 is the surface; on "n" or "N" reverses the layers.
void ask_surface_layer();

// The header summary, on the console and in hydrofile.out.
void write_summary_block(second_pass_state& pass);

// Compares the valid segments with the grid's cells; may ask or stop.
void check_segment_count(second_pass_state& pass);

// Time step of the file, the output multiple and the number of output steps.
void ask_output_multiple(second_pass_state& pass);

// iq, jq and idirect from the flow-path table, by the creator's order.
void read_flow_path_table(second_pass_state& pass);

// Every moment in order; output steps go to the NetCDF files.
void run_moment_loop(second_pass_state& pass);

// Closes the linkage file, hydrofile.out and the NetCDF files.
void finish_second_pass(second_pass_state& pass);
