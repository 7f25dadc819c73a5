// The exports that are not about one dataset: opening and closing datasets,
// and the four diagnostics functions.
#include "tidewire.h"

#include <cstring>
#include <new>

#include "call_timing.h"
#include "trace_block.h"
#include "twapi_state.h"
#include "twsession.h"

using namespace twapi;

void _twsetdebug(const int32_t* flag)
{
    static timing_slot slot{"twsetdebug"};
    const call_timer timer(slot);
    debug_flag = *flag != 0;
}

void _twgetdebug(int32_t* flag)
{
    static timing_slot slot{"twgetdebug"};
    const call_timer timer(slot);
    *flag = debug_flag ? 1 : 0;
}

void _twsetlasterror(const char* message)
{
    static timing_slot slot{"twsetlasterror"};
    const call_timer timer(slot);
    last_error.set(message);
    if (tracing()) trace_block(slot.name).text("\t(in) message = ", message).write();
}

void _twgetlasterror(char* message)
{
    static timing_slot slot{"twgetlasterror"};
    const call_timer timer(slot);
    const char* text = last_error.get();
    std::memcpy(message, text, std::strlen(text) + 1);
    if (tracing()) trace_block(slot.name).text("\t(out) message = ", message).write();
}

void _twopen(const char* tw_filename, const int32_t* tw_mode, int32_t* tw_handle, int32_t* tw_error)
{
    static timing_slot slot{"twopen"};
    const call_timer timer(slot);
    report_success(tw_error);

    // Every open counts, failed or not; only a session that cannot be
    // created takes its count back.
    ++open_count;
    bool have_session = true;
    if (open_count == 1) {
        current_session = new (std::nothrow) tidewire_session;
        if (!current_session) {
            --open_count;
            have_session = false;
            report_failure(tw_error, cannot_open_error, "Could not allocate memory for tidewire_session object");
        }
    }
    if (have_session) {
        run_protected(tw_error, [&] {
            const int32_t mode = *tw_mode;
            *tw_handle = current_session->open(tw_filename, mode);
        });
    }

    if (tracing()) {
        trace_block(slot.name)
            .quoted_text("\t(in)  tw_filename = '", tw_filename)
            .integer("\t(in)  tw_mode     = ", tw_mode)
            .integer("\t(out) tw_handle   = ", tw_handle)
            .integer("\t(out) tw_error    = ", tw_error)
            .write();
    }
}

void _twclose(const int32_t* tw_handle, int32_t* tw_error)
{
    static timing_slot slot{"twclose"};
    {
        const call_timer timer(slot);
        run_protected(tw_error, [&] {
            const int32_t handle = *tw_handle;
            if (current_session) {
                current_session->close(handle);
            } else {
                // Without a session the close fails as for a handle that is
                // not open.
                tidewire_session().close(handle);
            }
        });

        // A failed close counts too; without a session the count stays 0.
        if (current_session && --open_count == 0) {
            delete current_session;
            current_session = nullptr;
        }

        if (tracing()) {
            trace_block(slot.name)
                .integer("\t(in)  tw_handle = ", tw_handle)
                .integer("\t(out) tw_error  = ", tw_error)
                .write();
        }
    }
    timing_report();
}
