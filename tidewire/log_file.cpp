#include "log_file.h"

#include <cstdio>
#include <cstring>

namespace {

// The only place that knows the platform's line end: trace and summary texts
// are built with "\n" alone.
#ifdef _WIN32
constexpr char platform_line_end[] = "\r\n";
#else
constexpr char platform_line_end[] = "\n";
#endif

enum class log_state { not_opened, open, failed };

// Process-wide and never closed: the stream lives until the process ends, so
// a later change of directory does not move the log.
log_state state = log_state::not_opened;
std::FILE* log_stream = nullptr;

bool write_translated(const char* text, std::size_t length)
{
    const std::size_t line_end_length = std::strlen(platform_line_end);
    while (length > 0) {
        const void* newline = std::memchr(text, '\n', length);
        const std::size_t run = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text) : length;
        if (run > 0 && std::fwrite(text, 1, run, log_stream) != run) return false;
        if (!newline) break;
        if (std::fwrite(platform_line_end, 1, line_end_length, log_stream) != line_end_length) return false;
        text += run + 1;
        length -= run + 1;
    }
    return true;
}

}  // namespace

void log_write(const char* text, std::size_t length) noexcept
{
    if (state == log_state::not_opened) {
        // Binary mode: the line end is translated above, the same way on
        // every platform.
        log_stream = std::fopen("LOG.TXT", "wb");
        state = log_stream ? log_state::open : log_state::failed;
    }
    if (state != log_state::open) return;
    if (!write_translated(text, length) || std::fflush(log_stream) != 0) state = log_state::failed;
}
