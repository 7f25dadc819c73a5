// Second pass: the stored time step and the output-multiple dialogue.
#include <string>

#include "chronolib.h"
#include "console.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "output_steps.h"
#include "returned_text.h"
#include "second_pass_steps.h"
#include "tidewire.h"
#include "vars.h"

namespace {

int4 stamp_of_moment(second_pass_state& pass, int4 moment)
{
    int4 month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0, dst = 0, stamp = 0;
    real4 hydtime = 0.0f;
    date_text_buffer dstring;
    _twgetnthmoment(&pass.handle, &moment, &month, &day, &year, &hour, &minute, &second, &hydtime, dstring.data(),
                    &pass.ierror);
    stop_on_library_error(pass.ierror);
    converttotimestamp(&year, &month, &day, &hour, &minute, &second, &dst, &stamp);
    return stamp;
}

// A multiple below 1 would give no output steps and no output test: the
// question is asked again.
int4 read_output_multiple()
{
    int4 stepsize = 0;
    for (;;) {
        console::write(freeform_line() << "Enter multiple of timestep to output data (1 for every timestep)");
        freeform_reader::console().read_or_stop(stepsize);
        if (stepsize >= 1) return stepsize;
        console::write(freeform_line() << "The multiple must be 1 or more:" << stepsize);
    }
}

}  // namespace

void ask_output_multiple(second_pass_state& pass)
{
    vars.timestamp1 = stamp_of_moment(pass, 1);
    vars.timestamp2 = stamp_of_moment(pass, 2);
    const int4 step_seconds = wrapping_difference(vars.timestamp2, vars.timestamp1);
    console::write(freeform_line() << "Size of timestep in secs: " << step_seconds);

    vars.stepsize = read_output_multiple();
    vars.numsteps = count_output_steps(vars.num_moments, vars.stepsize);
    console::write(freeform_line() << "Output step (seconds) will be:"
                                   << wrapping_product(vars.stepsize, step_seconds));

    console::write(freeform_line() << "Press enter to continue");
    std::string ignored;
    if (freeform_reader::console().read_line(ignored) != 0) freeform_reader::console().read_error("end of input");
    console::write(freeform_line() << "processing...");
}
