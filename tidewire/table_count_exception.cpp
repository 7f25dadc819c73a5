#include "table_count_exception.h"

#include <cstdio>

table_count_exception::table_count_exception(std::uint32_t count, std::int64_t bytes_left) : count_(count)
{
    std::snprintf(text_, sizeof text_, "read_table : Count %lu exceeds what the %lld bytes left in the file can hold",
                  static_cast<unsigned long>(count), static_cast<long long>(bytes_left));
}

const char* table_count_exception::what() const noexcept
{
    return text_;
}
