#include "returned_text.h"

#include <cstring>
#include <limits>
#include <new>

#include "console.h"
#include "freeform_line.h"
#include "run_stop.h"
#include "tidewire.h"

std::string_view text_before_nul(const char* buffer, std::size_t capacity)
{
    const void* nul = std::memchr(buffer, '\0', capacity);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : capacity;
    return std::string_view(buffer, length);
}

namespace {

std::size_t capacity_for(std::uintmax_t file_size)
{
    if (file_size >= std::numeric_limits<std::size_t>::max() - 1) throw std::bad_alloc();
    return static_cast<std::size_t>(file_size) + 1;  // the text and its NUL
}

}  // namespace

file_text_buffer::file_text_buffer(std::uintmax_t file_size)
    : capacity_(capacity_for(file_size)),
      // Left uninitialised on purpose: only the pages a text reaches are
      // touched. The first byte is set so that text() is defined at once.
      buffer_(new char[capacity_])
{
    buffer_[0] = '\0';
}

fixed_text<256> library_error_text()
{
    std::array<char, 4096> text;
    text.fill(' ');
    _twgetlasterror(text.data());
    text.back() = '\0';
    return fixed_text<256>(std::string_view(text.data(), 256));
}

void stop_on_library_error(int4 ierror)
{
    if (ierror <= 0) return;
    const fixed_text<256> errstring = library_error_text();
    console::write(freeform_line() << errstring);
    stop_run(0);
}
