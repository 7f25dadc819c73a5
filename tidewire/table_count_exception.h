// A table count that the linkage file cannot hold.
#ifndef TIDEWIRE_TABLE_COUNT_EXCEPTION_H
#define TIDEWIRE_TABLE_COUNT_EXCEPTION_H

#include <cstdint>

#include "persistence_exception.h"

// Thrown by the table readers, before the table is resized, when the stored
// count needs more bytes than are left in the file. It is an input failure:
// the file is damaged or cut short, and a damaged count must not turn into a
// huge allocation.
class table_count_exception : public input_exception {
public:
    table_count_exception(const exception_descriptor& descriptor, std::uint32_t count, std::int64_t bytes_left);
    ~table_count_exception() override;

    std::uint32_t count() const noexcept { return count_; }
    std::int64_t bytes_left() const noexcept { return bytes_left_; }

private:
    std::uint32_t count_;
    std::int64_t bytes_left_;
};

#endif
