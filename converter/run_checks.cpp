// Second pass: the header summary and the check of the valid segments
// against the grid's cells.
#include <string>

#include "console.h"
#include "formatted_line.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "run_stop.h"
#include "second_pass_steps.h"
#include "vars.h"

namespace {

template <typename Line>
void write_both(second_pass_state& pass, const Line& line)
{
    console::write(line);
    pass.hydrofile.write(line);
}

formatted_line rule()
{
    return formatted_line().text(std::string(40, '='));
}

int4 sum_of(const onebased_array<int4, 1>& values, int4 count)
{
    int4 sum = 0;
    for (int4 n = 1; n <= count; ++n) sum += values(n);
    return sum;
}

int4 sum_of_invalid_columns()
{
    int4 sum = 0;
    for (int4 value : vars.invalidcolumn) sum += value;
    return sum;
}

}  // namespace

void write_summary_block(second_pass_state& pass)
{
    write_both(pass, rule());
    write_both(pass, freeform_line() << "  Start Date and Time of HYD File: " << pass.start_date);
    write_both(pass, freeform_line() << "    End Date and Time of HYD File: " << pass.end_date);
    write_both(pass, freeform_line() << "               Number of Segments: " << pass.noseg);
    write_both(pass, freeform_line() << "                  Number of Flows: " << pass.numflow);
    write_both(pass, freeform_line() << "      Hydrodynami! Model Timestep: " << pass.hdt);
    write_both(pass, freeform_line() << "Number of HYD Timesteps to Writes: " << pass.numhstep);
    write_both(pass, freeform_line() << "Update Interval for HYD File Read: " << pass.rinterval);
    write_both(pass, freeform_line() << "    Number of Time Moments Stored: " << vars.num_moments);
    write_both(pass, freeform_line() << "                 Number of Layers: " << pass.num_lay);
    write_both(pass, freeform_line() << "   Number of Segment Constituents: " << pass.inumsegconst);
    write_both(pass, freeform_line() << "      Number of Flow Constituents: " << pass.numflowconstants);
    write_both(pass, rule());
    write_both(pass, formatted_line().text("          Check Flow Path Information                 "));
    write_both(pass, rule());
}

void check_segment_count(second_pass_state& pass)
{
    pass.numsegremoved = pass.noseg - sum_of(vars.validseg, vars.numseg);
    const int4 valid_segments = pass.noseg - pass.numsegremoved;
    console::write(freeform_line() << "Invalid segments in hyd file:" << pass.numsegremoved);
    console::write(freeform_line() << "Total valid segments in hyd file:" << valid_segments);
    console::write(freeform_line() << "Number of cells from flowgrid:" << vars.flowgrid_numcells);

    if (valid_segments == vars.flowgrid_numcells) return;
    if (valid_segments > vars.flowgrid_numcells) {
        console::write(
            freeform_line() << "Warning: number of cells from flowgrid is less than number of segments in hyd file");
        console::write(freeform_line() << "Execution will stop");
        stop_run(0);
    }
    console::write(
        freeform_line() << "Warning: number of cells from flowgrid do not match number of segments in hyd file");
    console::write(freeform_line() << int4{vars.flowgrid_numcells - valid_segments} << " cells will be removed");
    const int4 full_columns = sum_of_invalid_columns();
    if (full_columns > 0) console::write(freeform_line() << "This includes full columns: " << full_columns);
    console::write(freeform_line() << "Enter 'Y' or 'y' to continue");
    char answer = ' ';
    freeform_reader::console().read_or_stop(answer);
    if (answer != 'Y' && answer != 'y') stop_run(0);
}
