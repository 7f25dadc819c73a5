// mask.dat from cell.inp; also marks the invalid columns: cells of type 5
// into which no segment of the linkage file maps.
#include <string>
#include <vector>

#include "cell_row.h"
#include "console.h"
#include "freeform_line.h"
#include "grid_bounds.h"
#include "grid_input_file.h"
#include "grid_output_file.h"
#include "run_steps.h"
#include "vars.h"

namespace {

constexpr int4 open_water_cell = 5;

// Rows are stored from J = JM downwards; rows the file does not supply keep 0.
void read_cell_types(onebased_array<int4, 2>& mask)
{
    grid_input_file input(bentha_input.maskinpfile);
    std::string record;
    std::vector<int4> digits;
    for (int4 j = vars.jm; j >= 1; --j) {
        if (!input.next_line(record)) break;
        if (!decode_cell_row(record, vars.im, digits))
            input.reader().read_error("a cell column holds neither a digit nor a blank");
        for (int4 i = 1; i <= vars.im; ++i) {
            mask(i, j) = digits[static_cast<std::size_t>(i - 1)];
            if (mask(i, j) == open_water_cell && !valid_column(i, j)) vars.invalidcolumn(i, j) = 1;
        }
    }
}

}  // namespace

void maskdata()
{
    console::write(freeform_line() << "Writing mask data");
    vars.invalidcolumn.allocate(vars.im, vars.jm);
    vars.invalidcolumn.fill(0);

    onebased_array<int4, 2> mask("mask");
    mask.allocate(vars.im, vars.jm);
    mask.fill(0);
    read_cell_types(mask);

    text_output_file out;
    open_grid_output(out, bentha_input.maskdatfile);
    write_grid_block(out, "mask", mask, [](formatted_line& line, int4 value) { line.integer(value, 1); });
    out.close();
}
