// The exports of the counts, segment names and constituent types.
// Each one runs the export frame around exactly one dataset operation.
#include "tidewire.h"

#include "call_timing.h"
#include "tidewiredata.h"
#include "trace_block.h"
#include "twapi_state.h"

using namespace twapi;

void _twsetnumsegments(const int32_t* tw_handle, const int32_t* numsegs, int32_t* tw_error)
{
    static timing_slot slot{"twsetnumsegments"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setnumsegments(*numsegs); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numsegs    = ", numsegs)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetnumsegments(const int32_t* tw_handle, int32_t* numsegs, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumsegments"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumsegments(*numsegs); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(out) numsegs    = ", numsegs)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twsetsegname(const int32_t* tw_handle, const int32_t* segment_index, const char* segment_name, int32_t* tw_error)
{
    static timing_slot slot{"twsetsegname"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setsegname(*segment_index, segment_name); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(in)  segment_index = ", segment_index)
            .text("\t(in)  segment_name  = ", segment_name)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twgetsegname(const int32_t* tw_handle, const int32_t* segment_index, char* segment_name, int32_t* tw_error)
{
    static timing_slot slot{"twgetsegname"};
    const call_timer timer(slot);
    const bool written =
        run_protected(tw_error, [&] { dataset_for(tw_handle).getsegname(*segment_index, segment_name); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle     = ", tw_handle)
            .integer("\t(in)  segment_index = ", segment_index)
            .text_out("\t(out) segment_name  = ", segment_name, written)
            .integer("\t(out) tw_error      = ", tw_error)
            .write();
    }
}

void _twsetnumflowpaths(const int32_t* tw_handle, const int32_t* numfp, int32_t* tw_error)
{
    static timing_slot slot{"twsetnumflowpaths"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setnumflowpaths(*numfp); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numfp      = ", numfp)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetnumflowpaths(const int32_t* tw_handle, int32_t* numfp, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumflowpaths"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumflowpaths(*numfp); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numfp      = ", numfp)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twsetnumsegconsts(const int32_t* tw_handle, const int32_t* numsc, int32_t* tw_error)
{
    static timing_slot slot{"twsetnumsegconsts"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setnumsegconsts(*numsc); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numsc      = ", numsc)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetnumsegconsts(const int32_t* tw_handle, int32_t* numsc, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumsegconsts"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumsegconsts(*numsc); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numsc      = ", numsc)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twsetnumfpconsts(const int32_t* tw_handle, const int32_t* numfpc, int32_t* tw_error)
{
    static timing_slot slot{"twsetnumfpconsts"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setnumfpconsts(*numfpc); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  numfpc     = ", numfpc)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetnumfpconsts(const int32_t* tw_handle, int32_t* numfpc, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumfpconsts"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumfpconsts(*numfpc); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(out) numfpc     = ", numfpc)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twsetsegconsttype(const int32_t* tw_handle, const int32_t* sc_index, const int32_t* sc_type, int32_t* tw_error)
{
    static timing_slot slot{"twsetsegconsttype"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setsegconsttype(*sc_index, *sc_type); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  sc_index   = ", sc_index)
            .integer("\t(in)  sc_type    = ", sc_type)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetsegconsttype(const int32_t* tw_handle, const int32_t* sc_index, int32_t* sc_type, int32_t* tw_error)
{
    static timing_slot slot{"twgetsegconsttype"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getsegconsttype(*sc_index, *sc_type); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  sc_index   = ", sc_index)
            .integer("\t(out) sc_type    = ", sc_type)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twsetfpconsttype(const int32_t* tw_handle, const int32_t* fp_index, const int32_t* fp_type, int32_t* tw_error)
{
    static timing_slot slot{"twsetfpconsttype"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setfpconsttype(*fp_index, *fp_type); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  fp_index   = ", fp_index)
            .integer("\t(in)  fp_type    = ", fp_type)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}

void _twgetfpconsttype(const int32_t* tw_handle, const int32_t* fp_index, int32_t* fp_type, int32_t* tw_error)
{
    static timing_slot slot{"twgetfpconsttype"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getfpconsttype(*fp_index, *fp_type); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle  = ", tw_handle)
            .integer("\t(in)  fp_index   = ", fp_index)
            .integer("\t(out) fp_type    = ", fp_type)
            .integer("\t(out) tw_error   = ", tw_error)
            .write();
    }
}
