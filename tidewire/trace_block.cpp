#include "trace_block.h"

#include <cstdio>

#include "log_file.h"
#include "log_number.h"

trace_block::trace_block(const char* name) noexcept
{
    line(name, "", "");
}

trace_block& trace_block::line(const char* label, const char* value, const char* after_value) noexcept
{
    if (!complete) return *this;
    try {
        block += label;
        block += value;
        block += after_value;
        block += '\n';
    } catch (...) {
        complete = false;
    }
    return *this;
}

trace_block& trace_block::integer(const char* label, const int32_t* value) noexcept
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lu", static_cast<unsigned long>(static_cast<uint32_t>(*value)));
    return line(label, digits, "");
}

trace_block& trace_block::real(const char* label, const float* value) noexcept
{
    return line(label, general_number(static_cast<double>(*value), 6).text, "");
}

trace_block& trace_block::text(const char* label, const char* value) noexcept
{
    return line(label, value, "");
}

trace_block& trace_block::text_out(const char* label, const char* value, bool written) noexcept
{
    return line(label, written ? value : unwritten_text_marker, "");
}

trace_block& trace_block::quoted_text(const char* label, const char* value) noexcept
{
    return line(label, value, "'");
}

trace_block& trace_block::array(const char* label) noexcept
{
    return line(label, "", "");
}

void trace_block::write() noexcept
{
    if (complete) log_write(block);
}
