// nz.dat: the number of layers of every water column, from GVCLAYER.INP, or
// KM for every column that lxly.inp names when GVCLAYER.INP is absent.
#include <filesystem>
#include <system_error>

#include "console.h"
#include "freeform_line.h"
#include "grid_bounds.h"
#include "grid_input_file.h"
#include "grid_output_file.h"
#include "grid_paths.h"
#include "run_steps.h"
#include "vars.h"

namespace {

void store_layers(onebased_array<int4, 2>& layers, const std::string& path, int4 i, int4 j, int4 count)
{
    if (!inside_grid(i, j)) {
        report_record_outside_grid(path, std::int64_t{i}, std::int64_t{j});
        return;
    }
    if (vars.invalidcolumn(i, j) != 1) layers(i, j) = count;
}

void read_layer_counts(onebased_array<int4, 2>& layers, bool from_layer_file)
{
    grid_input_file input(from_layer_file ? bentha_input.layerinpfile : bentha_input.shapeinpfile);
    int4 i = 0;
    int4 j = 0;
    int4 count = 0;
    if (from_layer_file) {
        while (input.next_record(i, j, count)) store_layers(layers, input.path(), i, j, count);
    } else {
        while (input.next_record(i, j)) store_layers(layers, input.path(), i, j, vars.km);
    }
}

}  // namespace

void layerdata()
{
    console::write(freeform_line() << "Writing layer data");
    std::error_code ignored;
    const bool from_layer_file = std::filesystem::exists(input_file_path(bentha_input.layerinpfile), ignored);
    if (!from_layer_file)
        console::write(freeform_line() << "GVCLAYER input does not exist.  Assuming number of layers = " << vars.km);

    onebased_array<int4, 2> layers("array");
    layers.allocate(vars.im, vars.jm);
    layers.fill(0);
    read_layer_counts(layers, from_layer_file);

    text_output_file out;
    open_grid_output(out, bentha_input.layerdatfile);
    write_grid_block(out, "nz", layers, [](formatted_line& line, int4 value) { line.integer(value, 2); });
    out.close();
}
