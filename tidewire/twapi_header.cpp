// The exports of the language, the creator, the descriptions and the moments.
// Each one runs the export frame around exactly one dataset operation.
#include "tidewire.h"

#include "call_timing.h"
#include "tidewiredata.h"
#include "trace_block.h"
#include "twapi_state.h"

using namespace twapi;

void _twsetlanguage(const int32_t* tw_handle, const int32_t* tw_language, int32_t* tw_error)
{
    static timing_slot slot{"twsetlanguage"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setlanguage(*tw_language); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(in)  tw_language = ", tw_language)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twgetlanguage(const int32_t* tw_handle, int32_t* tw_language, int32_t* tw_error)
{
    static timing_slot slot{"twgetlanguage"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getlanguage(*tw_language); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(out) tw_language = ", tw_language)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twsetcreator(const int32_t* tw_handle, const int32_t* tw_creator, int32_t* tw_error)
{
    static timing_slot slot{"twsetcreator"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).setcreator(*tw_creator); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(in)  tw_creator  = ", tw_creator)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twgetcreator(const int32_t* tw_handle, int32_t* tw_creator, int32_t* tw_error)
{
    static timing_slot slot{"twgetcreator"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getcreator(*tw_creator); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(out) tw_creator  = ", tw_creator)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twadddescription(const int32_t* tw_handle, const int32_t* id, const char* description, int32_t* tw_error)
{
    static timing_slot slot{"twadddescription"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).adddescription(*id, description); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(in)  id          = ", id)
            .text("\t(in)  description = ", description)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twgetnumdescriptions(const int32_t* tw_handle, int32_t* numdesc, int32_t* tw_error)
{
    static timing_slot slot{"twgetnumdescriptions"};
    const call_timer timer(slot);
    run_protected(tw_error, [&] { dataset_for(tw_handle).getnumdescriptions(*numdesc); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(out) numdesc     = ", numdesc)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twgetdescription(const int32_t* tw_handle, const int32_t* desc_index, int32_t* id, char* description,
                       int32_t* tw_error)
{
    static timing_slot slot{"twgetdescription"};
    const call_timer timer(slot);
    const bool written =
        run_protected(tw_error, [&] { dataset_for(tw_handle).getdescription(*desc_index, *id, description); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(in)  desc_index  = ", desc_index)
            .integer("\t(out) id          = ", id)
            .text_out("\t(out) description = ", description, written)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twsetseedmoment(const int32_t* tw_handle, const int32_t* month, const int32_t* day, const int32_t* year,
                      const int32_t* hour, const int32_t* minute, const int32_t* second, int32_t* tw_error)
{
    static timing_slot slot{"twsetseedmoment"};
    const call_timer timer(slot);
    run_protected(tw_error,
                  [&] { dataset_for(tw_handle).setseedmoment(*month, *day, *year, *hour, *minute, *second); });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle    = ", tw_handle)
            .integer("\t(in)  month        = ", month)
            .integer("\t(in)  day          = ", day)
            .integer("\t(in)  year         = ", year)
            .integer("\t(in)  hour         = ", hour)
            .integer("\t(in)  minute       = ", minute)
            .integer("\t(in)  second       = ", second)
            .integer("\t(out) tw_error     = ", tw_error)
            .write();
    }
}

void _twgetseedmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year, int32_t* hour,
                      int32_t* minute, int32_t* second, float* elapsed_days, char* description, int32_t* tw_error)
{
    static timing_slot slot{"twgetseedmoment"};
    const call_timer timer(slot);
    const bool written = run_protected(tw_error, [&] {
        dataset_for(tw_handle).getseedmoment(*month, *day, *year, *hour, *minute, *second, *elapsed_days, description);
    });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)   tw_handle    = ", tw_handle)
            .integer("\t(out)  month        = ", month)
            .integer("\t(out)  day          = ", day)
            .integer("\t(out)  year         = ", year)
            .integer("\t(out)  hour         = ", hour)
            .integer("\t(out)  minute       = ", minute)
            .integer("\t(out)  second       = ", second)
            .real("\t(out)  elapsed_days = ", elapsed_days)
            .text_out("\t(out)  description  = ", description, written)
            .integer("\t(out)  tw_error     = ", tw_error)
            .write();
    }
}

void _twgetendmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year, int32_t* hour,
                     int32_t* minute, int32_t* second, float* elapsed_days, char* description, int32_t* tw_error)
{
    static timing_slot slot{"twgetendmoment"};
    const call_timer timer(slot);
    const bool written = run_protected(tw_error, [&] {
        dataset_for(tw_handle).getendmoment(*month, *day, *year, *hour, *minute, *second, *elapsed_days, description);
    });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(out)  month      = ", month)
            .integer("\t(out)  day        = ", day)
            .integer("\t(out)  year       = ", year)
            .integer("\t(out)  hour       = ", hour)
            .integer("\t(out)  minute     = ", minute)
            .integer("\t(out)  second     = ", second)
            .real("\t(out)  elapsed_days = ", elapsed_days)
            .text_out("\t(out)  description  = ", description, written)
            .integer("\t(out)  tw_error   = ", tw_error)
            .write();
    }
}

void _twgetnthmoment(const int32_t* tw_handle, const int32_t* moment_index, int32_t* month, int32_t* day, int32_t* year,
                     int32_t* hour, int32_t* minute, int32_t* second, float* elapsed_days, char* description,
                     int32_t* tw_error)
{
    static timing_slot slot{"twgetnthmoment"};
    const call_timer timer(slot);
    const bool written = run_protected(tw_error, [&] {
        dataset_for(tw_handle).getnthmoment(*moment_index, *month, *day, *year, *hour, *minute, *second, *elapsed_days,
                                            description);
    });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in) tw_handle    = ", tw_handle)
            .integer("\t(in) moment_index = ", moment_index)
            .integer("\t(out)  month      = ", month)
            .integer("\t(out)  day        = ", day)
            .integer("\t(out)  year       = ", year)
            .integer("\t(out)  hour       = ", hour)
            .integer("\t(out)  minute     = ", minute)
            .integer("\t(out)  second     = ", second)
            .real("\t(out)  elapsed_days = ", elapsed_days)
            .text_out("\t(out)  description  = ", description, written)
            .integer("\t(out)  tw_error   = ", tw_error)
            .write();
    }
}

void _twgetcurrentmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year, int32_t* hour,
                         int32_t* minute, int32_t* second, float* elapsed_days, char* description, int32_t* tw_error)
{
    static timing_slot slot{"twgetcurrentmoment"};
    const call_timer timer(slot);
    const bool written = run_protected(tw_error, [&] {
        dataset_for(tw_handle).getcurrentmoment(*month, *day, *year, *hour, *minute, *second, *elapsed_days,
                                                description);
    });
    if (tracing()) {
        trace_block(slot.name)
            .integer("\t(in)  tw_handle   = ", tw_handle)
            .integer("\t(out)  month      = ", month)
            .integer("\t(out)  day        = ", day)
            .integer("\t(out)  year       = ", year)
            .integer("\t(out)  hour       = ", hour)
            .integer("\t(out)  minute     = ", minute)
            .integer("\t(out)  second     = ", second)
            .real("\t(out)  elapsed_days = ", elapsed_days)
            .text_out("\t(out)  description  = ", description, written)
            .integer("\t(out)  tw_error   = ", tw_error)
            .write();
    }
}
