// d.dat and dxdy.dat from dxdy.inp: the bottom depth and the cell sizes of
// every valid column; other columns keep 0.0.
#include "console.h"
#include "freeform_line.h"
#include "grid_bounds.h"
#include "grid_input_file.h"
#include "grid_output_file.h"
#include "run_steps.h"
#include "vars.h"

namespace {

void read_depths(onebased_array<real4, 2>& dx, onebased_array<real4, 2>& dy)
{
    grid_input_file input(bentha_input.depthinpfile);
    int4 i = 0;
    int4 j = 0;
    real4 cell_dx = 0.0f;
    real4 cell_dy = 0.0f;
    real4 depth = 0.0f;
    while (input.next_record(i, j, cell_dx, cell_dy, depth)) {
        if (!inside_grid(i, j)) {
            report_record_outside_grid(input.path(), std::int64_t{i}, std::int64_t{j});
            continue;
        }
        if (!valid_column(i, j)) continue;
        vars.darray(i, j) = depth;
        dx(i, j) = cell_dx;
        dy(i, j) = cell_dy;
    }
}

}  // namespace

void depthdata()
{
    console::write(freeform_line() << "Writing depth data");
    vars.darray.allocate(vars.im, vars.jm);
    vars.darray.fill(0.0f);
    onebased_array<real4, 2> dx("dxarray");
    onebased_array<real4, 2> dy("dyarray");
    dx.allocate(vars.im, vars.jm);
    dy.allocate(vars.im, vars.jm);
    dx.fill(0.0f);
    dy.fill(0.0f);
    read_depths(dx, dy);

    const auto depth_field = [](formatted_line& line, real4 value) { line.fixed(value, 10, 3); };
    const auto size_field = [](formatted_line& line, real4 value) { line.fixed(value, 10, 5); };
    text_output_file out;
    open_grid_output(out, bentha_input.depthdatfile);
    write_grid_block(out, "depth", vars.darray, depth_field);
    out.close();
    open_grid_output(out, bentha_input.dxdydatfile);
    write_grid_block(out, "dx", dx, size_field);
    write_grid_block(out, "dy", dy, size_field);
    out.close();
}
