// Failures of the library proper. Each leaf carries the error code that the
// exported functions hand to their caller.
#ifndef TIDEWIRE_COMMON_TIDEWIRE_EXCEPTION_H
#define TIDEWIRE_COMMON_TIDEWIRE_EXCEPTION_H

#include "base_exception.h"

#include <cstdint>

class tidewire_exception : public base_exception {
public:
    explicit tidewire_exception(const exception_descriptor& descriptor);
    ~tidewire_exception() override;

    virtual std::int32_t code() const = 0;
};

// The branch that the export layer maps to error codes.
class tidewire_application_exception : public tidewire_exception {
public:
    explicit tidewire_application_exception(const exception_descriptor& descriptor);
    ~tidewire_application_exception() override;
};

// 512: an invalid access mode, or a file that cannot be opened or read.
class tidewire_cannot_open_exception : public tidewire_application_exception {
public:
    explicit tidewire_cannot_open_exception(const exception_descriptor& descriptor);
    ~tidewire_cannot_open_exception() override;
    std::int32_t code() const override;
};

// 513: a handle that is not open.
class tidewire_unknown_dataset_exception : public tidewire_application_exception {
public:
    explicit tidewire_unknown_dataset_exception(const exception_descriptor& descriptor);
    ~tidewire_unknown_dataset_exception() override;
    std::int32_t code() const override;
};

// 515: a language code other than 0 and 1.
class tidewire_invalid_language_exception : public tidewire_application_exception {
public:
    explicit tidewire_invalid_language_exception(const exception_descriptor& descriptor);
    ~tidewire_invalid_language_exception() override;
    std::int32_t code() const override;
};

// 516: a creator code that the library does not accept.
class tidewire_invalid_creator_exception : public tidewire_application_exception {
public:
    explicit tidewire_invalid_creator_exception(const exception_descriptor& descriptor);
    ~tidewire_invalid_creator_exception() override;
    std::int32_t code() const override;
};

// 517: an index outside its table.
class tidewire_invalid_index_exception : public tidewire_application_exception {
public:
    explicit tidewire_invalid_index_exception(const exception_descriptor& descriptor);
    ~tidewire_invalid_index_exception() override;
    std::int32_t code() const override;
};

// 1025: memory for a dataset, a table or a frame buffer cannot be had.
class tidewire_memory_exhausted_exception : public tidewire_application_exception {
public:
    explicit tidewire_memory_exhausted_exception(const exception_descriptor& descriptor);
    ~tidewire_memory_exhausted_exception() override;
    std::int32_t code() const override;
};

// 1026: a frame cannot be compressed.
class tidewire_compression_exception : public tidewire_application_exception {
public:
    explicit tidewire_compression_exception(const exception_descriptor& descriptor);
    ~tidewire_compression_exception() override;
    std::int32_t code() const override;
};

#endif
