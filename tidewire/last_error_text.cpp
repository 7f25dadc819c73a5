#include "last_error_text.h"

#include <cstring>
#include <new>

void last_error_text::set(const char* text) noexcept
{
    holds_no_error = false;
    const std::size_t length = std::strlen(text);
    if (length > fixed_length) {
        char* copy = new (std::nothrow) char[length + 1];
        if (copy) {
            std::memcpy(copy, text, length + 1);
            long_text.reset(copy);
            return;
        }
    }
    // The caller's text may be the current one (a trace or a copy of it):
    // memmove keeps that case safe.
    const std::size_t kept = length > fixed_length ? fixed_length : length;
    std::memmove(fixed, text, kept);
    fixed[kept] = '\0';
    long_text.reset();
}
