#include "twapi_state.h"

#include "twsession.h"

namespace twapi {

tidewire_session* current_session = nullptr;
int32_t open_count = 0;
bool debug_flag = false;
last_error_text last_error;

namespace {

// Stands in for the session while none exists: it holds no handle, so every
// lookup and close in it fails with the session's own 513 texts.
const tidewire_session& no_session()
{
    static const tidewire_session empty;
    return empty;
}

}  // namespace

void report_success(int32_t* tw_error) noexcept
{
    *tw_error = no_error;
    last_error.set_no_error();
}

void report_failure(int32_t* tw_error, int32_t code, const char* text) noexcept
{
    last_error.set(text);
    *tw_error = code;
}

tidewire_data& dataset_for(const int32_t* tw_handle)
{
    const int32_t handle = *tw_handle;
    return current_session ? current_session->writer(handle) : no_session().writer(handle);
}

}  // namespace twapi
