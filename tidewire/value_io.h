// The fixed-size header items of a linkage file: the bytes of the value
// itself, little-endian, with no count or prefix.
#ifndef TIDEWIRE_VALUE_IO_H
#define TIDEWIRE_VALUE_IO_H

#include "file_stream.h"
#include "moment.h"

#include <cstdint>

// Each reader reads exactly the item's size with one stream read. A read that
// fails or ends before the whole item throws input_exception and leaves the
// item as it was, so no value is ever taken from bytes that were not read.
void read_value(file_stream& stream, std::int32_t& value);  // 4 bytes
void read_value(file_stream& stream, float& value);         // 4 bytes, IEEE single
void read_value(file_stream& stream, std::int64_t& value);  // 8 bytes, low 32 bits first
void read_value(file_stream& stream, moment& value);        // 36 bytes, the nine fields in order

// Each writer writes exactly the item's size with one stream write, and
// throws output_exception when the stream does not take every byte.
void write_value(file_stream& stream, std::int32_t value);
void write_value(file_stream& stream, float value);
void write_value(file_stream& stream, std::int64_t value);
void write_value(file_stream& stream, const moment& value);

#endif
