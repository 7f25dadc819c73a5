#include "freeform_line.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

std::string right_aligned(std::string_view text, std::size_t width)
{
    std::string field;
    if (text.size() < width) field.assign(width - text.size(), ' ');
    field.append(text);
    return field;
}

// Infinities and NaN right-aligned in the whole field.
std::string non_finite(double value, std::size_t width)
{
    if (std::isnan(value)) return right_aligned("NaN", width);
    return right_aligned(value < 0 ? "-Infinity" : "Infinity", width);
}

// A finite, nonzero real with `digits` significant digits: fixed-point for a
// rounded magnitude from 0.1 up to below 10 to the power `digits`, else
// scientific with `exponent_digits` exponent digits. The fixed form goes
// right-aligned into `fixed_width` followed by `fixed_tail` blanks, the
// scientific form right-aligned into fixed_width + fixed_tail.
std::string real_field(double value, int digits, int exponent_digits, std::size_t fixed_width, std::size_t fixed_tail)
{
    const std::size_t width = fixed_width + fixed_tail;
    if (!std::isfinite(value)) return non_finite(value, width);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0) {
        const std::string zero = sign + "0." + std::string(static_cast<std::size_t>(digits - 1), '0');
        return right_aligned(zero, fixed_width) + std::string(fixed_tail, ' ');
    }
    // Rounded once, to the wanted digits, from the exact binary value: "d.ddde+xx".
    // std::to_chars, not printf, so that every C runtime renders the same text.
    char buffer[64];
    const std::to_chars_result rendered =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, digits - 1);
    const std::string scientific(buffer, rendered.ptr);
    const std::size_t e_pos = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e_pos + 1);
    std::string mantissa_digits = scientific.substr(0, 1) + scientific.substr(2, e_pos - 2);

    if (exponent >= -1 && exponent < digits) {
        std::string fixed;
        if (exponent == -1) {
            fixed = "0." + mantissa_digits;
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            fixed = mantissa_digits.substr(0, whole) + "." + mantissa_digits.substr(whole);
        }
        return right_aligned(sign + fixed, fixed_width) + std::string(fixed_tail, ' ');
    }
    std::string exponent_text = std::to_string(std::abs(exponent));
    if (exponent_text.size() < static_cast<std::size_t>(exponent_digits))
        exponent_text.insert(0, static_cast<std::size_t>(exponent_digits) - exponent_text.size(), '0');
    const std::string mantissa = mantissa_digits.substr(0, 1) + "." + mantissa_digits.substr(1);
    return right_aligned(sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + exponent_text, width);
}

}  // namespace

namespace freeform_render {

std::string integer(std::int64_t value, int width)
{
    return right_aligned(std::to_string(value), static_cast<std::size_t>(width));
}

std::string real4(float value)
{
    return real_field(value, 9, 2, 12, 4);
}

std::string real8(double value)
{
    return real_field(value, 17, 3, 20, 5);
}

}  // namespace freeform_render

void freeform_line::begin_item(bool is_text)
{
    if (has_items_ && !(is_text && last_was_text_)) text_ += ' ';
    has_items_ = true;
    last_was_text_ = is_text;
}

void freeform_line::append_number(std::string_view rendered)
{
    begin_item(false);
    text_.append(rendered);
}

freeform_line& freeform_line::operator<<(std::string_view text)
{
    begin_item(true);
    text_.append(text);
    return *this;
}

freeform_line& freeform_line::operator<<(std::int32_t value)
{
    append_number(freeform_render::integer(value, 11));
    return *this;
}

freeform_line& freeform_line::operator<<(std::int64_t value)
{
    append_number(freeform_render::integer(value, 20));
    return *this;
}

freeform_line& freeform_line::operator<<(std::int16_t value)
{
    append_number(freeform_render::integer(value, 6));
    return *this;
}

freeform_line& freeform_line::operator<<(std::int8_t value)
{
    append_number(freeform_render::integer(value, 4));
    return *this;
}

freeform_line& freeform_line::operator<<(float value)
{
    append_number(freeform_render::real4(value));
    return *this;
}

freeform_line& freeform_line::operator<<(double value)
{
    append_number(freeform_render::real8(value));
    return *this;
}

freeform_line& freeform_line::operator<<(bool value)
{
    append_number(value ? "T" : "F");
    return *this;
}
