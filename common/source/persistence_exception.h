// Failures of the file stream and of the string reader and writer. They carry
// a text but no error code: the operation that uses the stream decides what
// becomes of them.
#ifndef TIDEWIRE_COMMON_PERSISTENCE_EXCEPTION_H
#define TIDEWIRE_COMMON_PERSISTENCE_EXCEPTION_H

#include "base_exception.h"

class persistence_exception : public base_exception {
public:
    explicit persistence_exception(const exception_descriptor& descriptor);
    ~persistence_exception() override;
};

// A read from a stream failed or found data it cannot accept.
class input_exception : public persistence_exception {
public:
    explicit input_exception(const exception_descriptor& descriptor);
    ~input_exception() override;
};

// A write to a stream failed.
class output_exception : public persistence_exception {
public:
    explicit output_exception(const exception_descriptor& descriptor);
    ~output_exception() override;
};

// A stream could not be moved to a position.
class seek_exception : public persistence_exception {
public:
    explicit seek_exception(const exception_descriptor& descriptor);
    ~seek_exception() override;
};

#endif
