// Time.dat and Model_dim.txt, written at the end of a run.
#include <algorithm>

#include "console.h"
#include "freeform_line.h"
#include "grid_output_file.h"
#include "run_steps.h"
#include "vars.h"

namespace {

// The deepest column's layer count; 0 for a grid without columns.
int4 largest_layer_count()
{
    if (!vars.nza.allocated() || vars.nza.size() == 0) return 0;
    return *std::max_element(vars.nza.begin(), vars.nza.end());
}

}  // namespace

void timedata()
{
    console::write(freeform_line() << "Writing time data");
    text_output_file out;
    open_grid_output(out, bentha_input.timedatfile);
    for (int4 n = 1; n <= vars.numsteps; ++n) out.write(formatted_line().text(vars.tstrarray(n)));
    out.close();
}

void modeldimtxt()
{
    console::write(freeform_line() << "Writing Model_dim");
    text_output_file out;
    open_grid_output(out, bentha_input.modeltxtfile);
    out.write(formatted_line().text("Model_dim Header"));
    out.write(formatted_line().integer(vars.im).text("  !INTEGER, PARAMETER :: IM"));
    out.write(formatted_line().integer(vars.jm).text("  !INTEGER, PARAMETER :: JM"));
    out.write(formatted_line().integer(largest_layer_count()).text("  !INTEGER, PARAMETER :: nz_max"));
    out.write(formatted_line().text("1  !INTEGER, PARAMETER :: nospA = 1"));
    out.write(formatted_line().text("2  !INTEGER, PARAMETER :: nospZ = 2"));
    out.write(formatted_line().text("1  !Which_gridio 0==fishtank 1==torva"));
    out.write(formatted_line().text("1970 !iYear0"));
    out.write(formatted_line().text("0    !Number of rivers"));
    out.write(formatted_line().text("0    !Number of boundary cells"));
    out.close();
}
