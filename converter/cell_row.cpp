#include "cell_row.h"

namespace {

constexpr std::size_t skipped_columns = 5;

}  // namespace

bool decode_cell_row(std::string_view record, int4 im, std::vector<int4>& digits)
{
    const std::size_t columns = im > 0 ? static_cast<std::size_t>(im) : 0;
    digits.assign(columns, 0);
    for (std::size_t i = 0; i < columns; ++i) {
        const std::size_t position = skipped_columns + i;
        if (position >= record.size()) break;
        const char c = record[position];
        if (c == ' ') continue;
        if (c < '0' || c > '9') return false;
        digits[i] = c - '0';
    }
    return true;
}
