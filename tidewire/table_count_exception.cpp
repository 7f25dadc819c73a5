#include "table_count_exception.h"

table_count_exception::table_count_exception(const exception_descriptor& descriptor, std::uint32_t count,
                                             std::int64_t bytes_left)
    : input_exception(descriptor), count_(count), bytes_left_(bytes_left)
{
}

table_count_exception::~table_count_exception() = default;
