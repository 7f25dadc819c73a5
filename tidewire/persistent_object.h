// persistent_object: the base of every record kept in a linkage file.
#ifndef TIDEWIRE_PERSISTENT_OBJECT_H
#define TIDEWIRE_PERSISTENT_OBJECT_H

#include "file_stream.h"

// Records are held by value in their tables and never deleted through this
// base, so its destructor is protected rather than virtual.
class persistent_object {
public:
    // Replaces the fields with the next bytes of the stream. Throws
    // input_exception only, when the stream ends early or holds a value the
    // record cannot take; the record is then left as it was.
    virtual void read(file_stream& stream);

    // Appends the fields to the stream. Throws output_exception only.
    virtual void write(file_stream& stream) const;

protected:
    persistent_object() = default;
    persistent_object(const persistent_object&) = default;
    persistent_object& operator=(const persistent_object&) = default;
    ~persistent_object() = default;
};

#endif
