// A table count whose records cannot be allocated.
#ifndef TIDEWIRE_TABLE_SIZE_EXCEPTION_H
#define TIDEWIRE_TABLE_SIZE_EXCEPTION_H

#include <cstddef>
#include <cstdint>
#include <new>

// Thrown by the table readers, before the table is resized, when the stored
// count asks for a table that cannot be allocated: a count that is negative
// as an int32 (-1 taken as unsigned, for one), in every build, or a count
// that the file can hold but beyond the largest table this build can
// address. Its text is fixed at construction and needs no allocation.
class table_size_exception : public std::bad_alloc {
public:
    static constexpr std::size_t text_capacity = 128;

    explicit table_size_exception(std::uint32_t count);

    const char* what() const noexcept override;

    std::uint32_t count() const noexcept { return count_; }

private:
    std::uint32_t count_;
    char text_[text_capacity];
};

#endif
