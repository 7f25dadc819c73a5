// The exports of the plain header fields, the time step, the number of moments
// and the compression.
// Each one runs the export frame around exactly one dataset operation.
#include "tidewire.h"

#include "call_timing.h"
#include "tidewiredata.h"
#include "trace_block.h"
#include "twapi_state.h"

using namespace twapi;

void _twsetvartimestep(const int32_t* tw_handle, const int32_t* vartimestep, int32_t* tw_error)
{
    static timing_slot slot{"twsetvartimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setvartimestep(*vartimestep); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  vartimestep  = ", vartimestep)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetvartimestep(const int32_t* tw_handle, int32_t* vartimestep, int32_t* tw_error)
{
    static timing_slot slot{"twgetvartimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getvartimestep(*vartimestep); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(out) vartimestep  = ", vartimestep)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsethydtimestep(const int32_t* tw_handle, const float* timestep, int32_t* tw_error)
{
    static timing_slot slot{"twsethydtimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).sethydtimestep(*timestep); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .real("\t(in)  timestep     = ", timestep)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgethydtimestep(const int32_t* tw_handle, float* timestep, int32_t* tw_error)
{
    static timing_slot slot{"twgethydtimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).gethydtimestep(*timestep); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .real("\t(in)  timestep     = ", timestep)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsetupdateint(const int32_t* tw_handle, const float* updateint, int32_t* tw_error)
{
    static timing_slot slot{"twsetupdateint"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setupdateint(*updateint); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .real("\t(in)  updateint    = ", updateint)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetupdateint(const int32_t* tw_handle, float* updateint, int32_t* tw_error)
{
    static timing_slot slot{"twgetupdateint"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getupdateint(*updateint); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .real("\t(out)  updateint    = ", updateint)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsethydtokelvaratio(const int32_t* tw_handle, const int32_t* ratio, int32_t* tw_error)
{
    static timing_slot slot{"twsethydtokelvaratio"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).sethydtokelvaratio(*ratio); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  ratio        = ", ratio)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgethydtokelvaratio(const int32_t* tw_handle, int32_t* ratio, int32_t* tw_error)
{
    static timing_slot slot{"twgethydtokelvaratio"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).gethydtokelvaratio(*ratio); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(out) ratio        = ", ratio)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsetnumlayers(const int32_t* tw_handle, const int32_t* numlayers, int32_t* tw_error)
{
    static timing_slot slot{"twsetnumlayers"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setnumlayers(*numlayers); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  numlayers    = ", numlayers)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetnumlayers(const int32_t* tw_handle, int32_t* numlayers, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumlayers"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumlayers(*numlayers); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(out) numlayers    = ", numlayers)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsettimestep(const int32_t* tw_handle, const float* value, int32_t* tw_error)
{
    static timing_slot slot{"twsettimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).settimestep(*value); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .real("\t(in)  value         = ", value)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twgettimestep(const int32_t* tw_handle, float* value, int32_t* tw_error)
{
    static timing_slot slot{"twgettimestep"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).gettimestep(*value); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .real("\t(out) value         = ", value)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twgetnummoments(const int32_t* tw_handle, int32_t* num_moments, int32_t* tw_error)
{
    static timing_slot slot{"twgetnummoments"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnummoments(*num_moments); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(out) num_moments   = ", num_moments)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twgetcompfact(const int32_t* tw_handle, float* compfact, int32_t* tw_error)
{
    static timing_slot slot{"twgetcompfact"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getcompfact(*compfact); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .real("\t(out) compfact      = ", compfact)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twsetcompressionlevel(const int32_t* tw_handle, const int32_t* complevel, int32_t* tw_error)
{
    static timing_slot slot{"twsetcompressionlevel"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setcompressionlevel(*complevel); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(in)  complevel     = ", complevel)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}
