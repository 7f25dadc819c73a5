// One line with a fixed field layout (the BENTHA files, Time.dat, the lines
// that other steps write with an explicit layout): no leading blank and no
// separators, field by field.
//   - text(t): the text at its full length;
//   - integer(v, w): right-aligned in w, w asterisks when it does not fit;
//     integer(v): just the digits, with a minus sign when negative;
//   - fixed(v, w, d): rounded to d decimals, right-aligned in w; the 0 before
//     the point of a magnitude below 1 only when w leaves room; w asterisks
//     when it does not fit; NaN right-aligned;
//   - blanks(n): n blanks, written only when another field follows.
// The line end is added by the writer.
//
//   formatted_line().integer(5, 2).blanks(1).integer(0, 2)        -> " 5  0"
//   formatted_line().fixed(0.12345678, 10, 8)                     -> "0.12345678"
//   formatted_line().fixed(-0.5, 5, 3)                            -> "-.500"
//   formatted_line().integer(vars.im).text("  !INTEGER, PARAMETER :: IM")
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fixed_text.h"

class formatted_line {
public:
    formatted_line& text(std::string_view value);
    template <std::size_t N>
    formatted_line& text(const fixed_text<N>& value)
    {
        return text(value.view());
    }
    formatted_line& integer(std::int64_t value, int width);
    formatted_line& integer(std::int64_t value);
    formatted_line& fixed(double value, int width, int decimals);
    formatted_line& blanks(int count);

    // The rendered line, without its line end.
    const std::string& text() const { return text_; }

private:
    void flush_blanks();

    std::string text_;
    int pending_blanks_ = 0;
};
