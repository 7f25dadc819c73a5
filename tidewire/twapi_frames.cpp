// The exports of the flow-path table and of the current moment's values.
// Each one runs the export frame around exactly one dataset operation.
#include "tidewire.h"

#include "call_timing.h"
#include "tidewiredata.h"
#include "trace_block.h"
#include "twapi_state.h"

using namespace twapi;

void _twsetflowpath(const int32_t* tw_handle, const int32_t* flow_index, const int32_t* from_seg, const int32_t* to_seg,
                    const int32_t* direction, int32_t* tw_error)
{
    static timing_slot slot{"twsetflowpath"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setflowpath(*flow_index, *from_seg, *to_seg, *direction); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  flow_index   = ", flow_index)
            .integer("\t(in)  from_seg     = ", from_seg)
            .integer("\t(in)  to_seg       = ", to_seg)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetflowpath(const int32_t* tw_handle, const int32_t* flow_index, int32_t* from_seg, int32_t* to_seg,
                    int32_t* direction, int32_t* tw_error)
{
    static timing_slot slot{"twgetflowpath"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getflowpath(*flow_index, *from_seg, *to_seg, *direction); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  flow_index   = ", flow_index)
            .integer("\t(out) from_seg     = ", from_seg)
            .integer("\t(out) to_seg       = ", to_seg)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsetflowinfo(const int32_t* tw_handle, const int32_t* fpconstindex, const float* values, int32_t* tw_error)
{
    static timing_slot slot{"twsetflowinfo"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setflowinfo(*fpconstindex, values); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  fpconstindex = ", fpconstindex)
            .array("\t(in)  values       = [array]")
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetflowinfo(const int32_t* tw_handle, const int32_t* fpconstindex, float* values, int32_t* tw_error)
{
    static timing_slot slot{"twgetflowinfo"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getflowinfo(*fpconstindex, values); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  fpconstindex = ", fpconstindex)
            .array("\t(out) values       = [array]")
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twsetseginfo(const int32_t* tw_handle, const int32_t* segconstindex, const float* values, int32_t* tw_error)
{
    static timing_slot slot{"twsetseginfo"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setseginfo(*segconstindex, values); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(in)  segconstindex = ", segconstindex)
            .array("\t(in)  values        = [array]")
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twgetseginfo(const int32_t* tw_handle, const int32_t* segconstindex, float* values, int32_t* tw_error)
{
    static timing_slot slot{"twgetseginfo"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getseginfo(*segconstindex, values); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(in)  segconstindex = ", segconstindex)
            .array("\t(out) values        = [array]")
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twmomentcomplete(const int32_t* tw_handle, int32_t* tw_error)
{
    static timing_slot slot{"twmomentcomplete"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).momentcomplete(); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}
