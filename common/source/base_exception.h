// The root of the library's exception tree.
#ifndef TIDEWIRE_COMMON_BASE_EXCEPTION_H
#define TIDEWIRE_COMMON_BASE_EXCEPTION_H

#include "exception_descriptor.h"

#include <cstddef>
#include <stdexcept>

// Holds the failure text in a fixed buffer: at most 255 characters and a NUL.
// A longer descriptor text keeps its first 255 characters, unmarked. The buffer
// is filled once and copied whole with the object.
class base_exception : public std::runtime_error {
public:
    static constexpr std::size_t text_capacity = 256;

    explicit base_exception(const exception_descriptor& descriptor);
    ~base_exception() override;

    // Valid for as long as the object lives.
    const char* what() const noexcept override;

private:
    char text_[text_capacity];
};

#endif
