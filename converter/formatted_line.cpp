#include "formatted_line.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

std::string asterisks(int width)
{
    return std::string(static_cast<std::size_t>(width), '*');
}

// Right-aligned in width, or asterisks when it does not fit.
std::string fitted(const std::string& text, int width)
{
    const std::size_t w = static_cast<std::size_t>(width);
    if (text.size() > w) return asterisks(width);
    return std::string(w - text.size(), ' ') + text;
}

std::string non_finite(double value, int width)
{
    if (std::isnan(value)) return fitted("NaN", width);
    const std::string sign = value < 0 ? "-" : "";
    const std::string longer = sign + "Infinity";
    if (longer.size() <= static_cast<std::size_t>(width)) return fitted(longer, width);
    return fitted(sign + "Inf", width);
}

}  // namespace

void formatted_line::flush_blanks()
{
    text_.append(static_cast<std::size_t>(pending_blanks_), ' ');
    pending_blanks_ = 0;
}

formatted_line& formatted_line::text(std::string_view value)
{
    flush_blanks();
    text_.append(value);
    return *this;
}

formatted_line& formatted_line::integer(std::int64_t value, int width)
{
    flush_blanks();
    text_ += fitted(std::to_string(value), width);
    return *this;
}

formatted_line& formatted_line::integer(std::int64_t value)
{
    flush_blanks();
    text_ += std::to_string(value);
    return *this;
}

formatted_line& formatted_line::fixed(double value, int width, int decimals)
{
    flush_blanks();
    if (width < 1) return *this;
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) {
        text_ += non_finite(value, width);
        return *this;
    }
    // Rounded once, at the wanted decimals, from the exact binary value, by
    // std::to_chars rather than printf, so that every C runtime gives the same
    // text. Room for the largest double's digits, the point and the decimals.
    std::string digits(std::numeric_limits<double>::max_exponent10 + 3 + static_cast<std::size_t>(decimals), '\0');
    const std::to_chars_result rendered = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                                        std::chars_format::fixed, decimals);
    if (rendered.ec != std::errc()) {
        text_ += asterisks(width);
        return *this;
    }
    digits.resize(static_cast<std::size_t>(rendered.ptr - digits.data()));
    if (decimals == 0) digits += '.';
    const std::string sign = std::signbit(value) ? "-" : "";
    // The 0 before the point of a magnitude below 1 only when there is room.
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.' &&
        sign.size() + digits.size() > static_cast<std::size_t>(width))
        digits.erase(0, 1);
    text_ += fitted(sign + digits, width);
    return *this;
}

formatted_line& formatted_line::blanks(int count)
{
    if (count > 0) pending_blanks_ += count;
    return *this;
}
