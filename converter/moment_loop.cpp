// Second pass: every moment of the file in order. Each is read from the
// library; the output steps also go into the grids and the NetCDF files.
// Nothing is allocated per moment: the buffers, the cells and the name field
// are all set up before the loop.
#include <exception>
#include <memory>
#include <new>
#include <string_view>

#include "array_fault.h"
#include "chronolib.h"
#include "console.h"
#include "field_assembly.h"
#include "freeform_line.h"
#include "output_steps.h"
#include "returned_text.h"
#include "run_stop.h"
#include "second_pass_steps.h"
#include "segment_name_field.h"
#include "tidewire.h"
#include "vars.h"

namespace {

struct moment_date {
    int4 month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    real4 hydtime = 0.0f;  // elapsed days, not used
    date_text_buffer dstring;
};

void read_moment(second_pass_state& pass, int4 n, moment_date& date)
{
    _twgetnthmoment(&pass.handle, &n, &date.month, &date.day, &date.year, &date.hour, &date.minute, &date.second,
                    &date.hydtime, date.dstring.data(), &pass.ierror);
    stop_on_library_error(pass.ierror);

    const auto segment_values = [&](int4 constituent, std::vector<real4>& buffer) {
        _twgetseginfo(&pass.handle, &constituent, buffer.data(), &pass.ierror);
        stop_on_library_error(pass.ierror);
    };
    segment_values(1, pass.volseg);
    segment_values(2, pass.depthseg);
    segment_values(3, pass.velseg);
    if (pass.temperature) segment_values(4, pass.tempseg);
    if (pass.salinity) segment_values(5, pass.salseg);

    const auto flow_values = [&](int4 constituent, std::vector<real4>& buffer) {
        _twgetflowinfo(&pass.handle, &constituent, buffer.data(), &pass.ierror);
        stop_on_library_error(pass.ierror);
    };
    flow_values(1, pass.tempflow);
    flow_values(2, pass.crntmp);
    flow_values(3, pass.torvabrint);
}

void write_progress_line(int4 n, std::string_view dstring)
{
    console::write(freeform_line() << progress_percentage(n, vars.num_moments) << "% Complete,   step" << n << " of "
                                   << vars.num_moments << "     " << dstring << "     " << vars.timestamp);
}

std::unique_ptr<segment_name_field> make_name_field(const std::string& linkage_path)
{
    try {
        return std::make_unique<segment_name_field>(linkage_path);
    } catch (const std::bad_alloc&) {
        array_fault::allocation_failed("segname");
    } catch (const std::exception&) {
        console::write(freeform_line() << "Error: cannot read the size of the hyd file: " << vars.hydrofil);
        stop_run(0);
    }
}

}  // namespace

void run_moment_loop(second_pass_state& pass)
{
    const field_assembly fields(pass);
    const std::unique_ptr<segment_name_field> names = make_name_field(pass.linkage_path);
    moment_date date;
    int4 istep = 0;

    for (int4 n = 1; n <= vars.num_moments; ++n) {
        const bool output_step = is_output_step(n, vars.stepsize);
        if (output_step) ++istep;
        read_moment(pass, n, date);

        if (output_step) {
            // The 30-character date field keeps at most the text's first 30.
            vars.tstrarray(istep) = date.dstring.text();
            int4 dst = 0;  // handed to the date library, never set or read here
            converttotimestamp(&date.year, &date.month, &date.day, &date.hour, &date.minute, &date.second, &dst,
                               &vars.timestamp);
            vars.tstamp_array(istep) = static_cast<real8>(vars.timestamp);
            if (progress_due(n, vars.num_moments)) write_progress_line(n, date.dstring.text().substr(0, 30));

            fields.place_segments(pass, *names);
            fields.derive_water_depth();
            fields.place_flows(pass);
            pass.variables.write_step(istep, vars.tstamp_array(istep));
        }

        _twmomentcomplete(&pass.handle, &pass.ierror);
        stop_on_library_error(pass.ierror);
    }
}

void finish_second_pass(second_pass_state& pass)
{
    _twclose(&pass.handle, &pass.ierror);
    stop_on_library_error(pass.ierror);
    pass.hydrofile.close();
    pass.variables.close_files();
}
