// LOG.TXT: the one output stream shared by the call trace and the timing
// summary.
#ifndef TIDEWIRE_LOG_FILE_H
#define TIDEWIRE_LOG_FILE_H

#include <cstddef>
#include <string>

// Appends `length` bytes of `text` to LOG.TXT and flushes, so that the text is
// in the file when the call returns. Each "\n" in the text becomes the
// platform's line end. The first call of the process opens LOG.TXT in the
// current directory and empties it; a file that cannot be opened, or a flush
// that fails, silently drops this and every later text. Never throws.
void log_write(const char* text, std::size_t length) noexcept;

inline void log_write(const std::string& text) noexcept
{
    log_write(text.data(), text.size());
}

#endif
