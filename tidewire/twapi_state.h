// The process-wide state of the export layer and the frame that every export
// runs around its work: the protected region with its failure mapping, the
// dataset lookup, and whether a trace block is due.
//
// The state is unguarded: the library is called from one thread at a time.
#ifndef TIDEWIRE_TWAPI_STATE_H
#define TIDEWIRE_TWAPI_STATE_H

#include <cstdint>

#include "tidewire_exception.h"
#include "last_error_text.h"

class tidewire_data;
class tidewire_session;

namespace twapi {

// The session exists exactly while open_count is above 0.
extern tidewire_session* current_session;
extern int32_t open_count;
extern bool debug_flag;
extern last_error_text last_error;

// The error codes the export layer gives itself; the others come with the
// library's exceptions.
constexpr int32_t no_error = 0;
constexpr int32_t cannot_open_error = 512;
constexpr int32_t unknown_error = 1024;

void report_success(int32_t* tw_error) noexcept;
void report_failure(int32_t* tw_error, int32_t code, const char* text) noexcept;

// Runs `work` as the protected region of an export: success sets tw_error 0
// and "No error"; a library application exception sets its code and text;
// anything else sets 1024 and "Unknown error". Returns whether the work
// completed (its outputs are then written). Nothing leaves this function.
template <class Work>
bool run_protected(int32_t* tw_error, Work&& work) noexcept
{
    try {
        work();
        report_success(tw_error);
        return true;
    } catch (const tidewire_application_exception& failure) {
        report_failure(tw_error, failure.code(), failure.what());
    } catch (...) {
        report_failure(tw_error, unknown_error, "Unknown error");
    }
    return false;
}

// The dataset of the handle at `tw_handle`. Without a session this fails
// exactly as for a handle that is not open (513).
tidewire_data& dataset_for(const int32_t* tw_handle);

// Whether the export's trace block is to be written.
inline bool tracing() noexcept
{
    return debug_flag;
}

}  // namespace twapi

#endif
