#include "Hydro_Read.h"

#include "flowgrid.h"
#include "run_steps.h"
#include "second_pass_steps.h"
#include "vars.h"

void tidewire_read()
{
    second_pass_state pass;
    read_linkage_header(pass);
    allocate_second_pass(pass);
    readnzfile();
    ask_surface_layer();
    validategrid();
    write_summary_block(pass);
    check_segment_count(pass);
    ask_output_multiple(pass);
    read_flow_path_table(pass);
    pass.variables.create_files(vars.numsteps);
    run_moment_loop(pass);
    finish_second_pass(pass);
}
