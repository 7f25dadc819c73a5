#include "grid_bounds.h"

#include <cmath>

#include "console.h"
#include "freeform_line.h"
#include "vars.h"

namespace {

const char skipped_heading[] = "Record outside the grid skipped in file: ";

}  // namespace

bool inside_grid(std::int64_t i, std::int64_t j)
{
    return i >= 1 && i <= vars.im && j >= 1 && j <= vars.jm;
}

bool valid_column(std::int64_t i, std::int64_t j)
{
    if (!inside_grid(i, j)) return false;
    for (int4 k = 1; k <= vars.km; ++k)
        if (vars.validcell(i, j, k) != 0) return true;
    return false;
}

bool real_index(real4 value, std::int64_t& index)
{
    const double cut = std::trunc(static_cast<double>(value));
    if (!(cut >= -2147483648.0 && cut <= 2147483647.0)) return false;
    index = static_cast<std::int64_t>(cut);
    return true;
}

void report_record_outside_grid(const std::string& path, std::int64_t i, std::int64_t j)
{
    console::write(freeform_line() << skipped_heading << path);
    console::write(freeform_line() << "    I =" << static_cast<int4>(i) << " J =" << static_cast<int4>(j));
}

void report_record_outside_grid(const std::string& path, real4 i, real4 j)
{
    console::write(freeform_line() << skipped_heading << path);
    console::write(freeform_line() << "    I =" << i << " J =" << j);
}
