// A table count that the linkage file cannot hold.
#ifndef TIDEWIRE_TABLE_COUNT_EXCEPTION_H
#define TIDEWIRE_TABLE_COUNT_EXCEPTION_H

#include <cstddef>
#include <cstdint>
#include <new>

// Thrown by the table readers, before the table is resized, when the stored
// count needs more bytes than are left in the file (or more records than a
// table can have). It is a std::bad_alloc because it means the same to the
// dataset as a table that cannot be resized: a damaged count must not turn
// into a huge allocation. Its text is fixed at construction and needs no
// allocation.
class table_count_exception : public std::bad_alloc {
public:
    static constexpr std::size_t text_capacity = 256;

    table_count_exception(std::uint32_t count, std::int64_t bytes_left);

    const char* what() const noexcept override;

    std::uint32_t count() const noexcept { return count_; }

private:
    std::uint32_t count_;
    char text_[text_capacity];
};

#endif
