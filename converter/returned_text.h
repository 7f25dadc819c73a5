// Buffers for the texts that the library writes, NUL included, into memory
// the converter hands it. No size is passed, so each buffer must hold the
// longest text the library can write there:
//   - a date-time text, "%d/%d/%d %d:%02d:%02d" of six 32-bit integers, has
//     at most 71 characters;
//   - a description is kept inside the linkage file, so it is never longer
//     than the file itself.
// The converter then keeps the text before the NUL in its fixed fields.
//
//   date_text_buffer dstring;
//   _twgetnthmoment(..., dstring.data(), &ierror);
//   tstrarray(istep) = dstring.text();        // cut to 30 by the field
//
//   file_text_buffer msg(pass.linkage_file_size);
//   _twgetdescription(..., msg.data(), &ierror);
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fixed_text.h"
#include "precmod.h"

// The text before the first NUL of a buffer of capacity characters (the
// whole buffer when it holds no NUL).
std::string_view text_before_nul(const char* buffer, std::size_t capacity);

class date_text_buffer {
public:
    date_text_buffer() { chars_.fill('\0'); }
    char* data() { return chars_.data(); }
    std::string_view text() const { return text_before_nul(chars_.data(), chars_.size()); }

private:
    std::array<char, 72> chars_;
};

class file_text_buffer {
public:
    // Throws std::bad_alloc when no buffer of that size can be had.
    explicit file_text_buffer(std::uintmax_t file_size);
    char* data() { return buffer_.get(); }
    std::string_view text() const { return text_before_nul(buffer_.get(), capacity_); }

private:
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
};

// The library's last-error text in the 256-character errstring field, as the
// library leaves it: the text, its NUL, then blanks. A failure's text has at
// most 255 characters; the larger buffer is a margin for texts that other
// callers set.
fixed_text<256> library_error_text();

// After a library call: on an error code above 0, prints the library's
// last-error text and ends the run (status 0).
void stop_on_library_error(int4 ierror);
