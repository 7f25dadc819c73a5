// One free-form line: every console line of the converter and every line of
// its reports (hydrofile.out, SegmentError.txt, removedCells.txt) that has no
// layout of its own. Items are rendered as they are added:
//   - the line starts with one blank;
//   - one separator blank before every item but the first, except between two
//     text items, which are joined;
//   - a text at its full length (a fixed_text at its declared length);
//   - int4 right-aligned in 11, int8 in 20, int16_t in 6, int8_t in 4;
//   - real4 in 16 characters with 9 significant digits, real8 in 25 with 17;
//   - bool as T or F.
// The line end is added by the writer (console::write, text_output_file).
//
//   freeform_line() << "Error: IO STATUS " << int4{2}
//     renders " Error: IO STATUS            2"
//   freeform_line() << "    " << vars.inputpath   (the path at its 200 characters)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fixed_text.h"

class freeform_line {
public:
    freeform_line() : text_(" ") {}

    freeform_line& operator<<(std::string_view text);
    freeform_line& operator<<(const char* text) { return *this << std::string_view(text); }
    freeform_line& operator<<(const std::string& text) { return *this << std::string_view(text); }
    template <std::size_t N>
    freeform_line& operator<<(const fixed_text<N>& text)
    {
        return *this << text.view();
    }
    freeform_line& operator<<(std::int32_t value);
    freeform_line& operator<<(std::int64_t value);
    freeform_line& operator<<(std::int16_t value);
    freeform_line& operator<<(std::int8_t value);
    freeform_line& operator<<(float value);
    freeform_line& operator<<(double value);
    freeform_line& operator<<(bool value);
    // A bare char would silently print as an integer; write it as a text.
    freeform_line& operator<<(char) = delete;

    // The rendered line, without its line end.
    const std::string& text() const { return text_; }

private:
    void begin_item(bool is_text);
    void append_number(std::string_view rendered);

    std::string text_;
    bool has_items_ = false;
    bool last_was_text_ = false;
};

// Renderings of single items, also used by the tests.
namespace freeform_render {
std::string integer(std::int64_t value, int width);
std::string real4(float value);   // 16 characters
std::string real8(double value);  // 25 characters
}  // namespace freeform_render
