// Strings in the linkage file: an int32 little-endian length L, then the L
// characters, one byte each, with no terminator.
#ifndef TIDEWIRE_COMMON_GENERICIO_H
#define TIDEWIRE_COMMON_GENERICIO_H

#include "file_stream.h"

#include <string>

// Reads one string and replaces `string` with its characters up to the first
// NUL (all L bytes are consumed either way). Throws input_exception, leaving
// `string` unchanged, when the length is negative, larger than what is left
// of the file, cannot be allocated, or when the stream ends early.
void input_string(file_stream& stream, std::string& string);

// Appends `string` in the string encoding. Throws output_exception when the
// string is too long for an int32 length or the stream does not take every byte.
void output_string(file_stream& stream, const std::string& string);

#endif
