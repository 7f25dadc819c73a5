#include "log_number.h"

#include <charconv>

log_number general_number(double value, int significant_digits) noexcept
{
    log_number number{};
    // to_chars ignores the locale; its general format is printf's %g.
    const std::to_chars_result end = std::to_chars(number.text, number.text + sizeof number.text - 1, value,
                                                   std::chars_format::general, significant_digits);
    // Cannot happen within 17 digits; an empty text then rather than a cut one.
    *(end.ec == std::errc() ? end.ptr : number.text) = '\0';
    return number;
}
