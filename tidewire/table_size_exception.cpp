#include "table_size_exception.h"

#include <cstdio>

table_size_exception::table_size_exception(std::uint32_t count) : count_(count)
{
    std::snprintf(text_, sizeof text_, "read_table : A table of %lu records cannot be allocated",
                  static_cast<unsigned long>(count));
}

const char* table_size_exception::what() const noexcept
{
    return text_;
}
