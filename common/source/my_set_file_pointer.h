// The 64-bit seek under file_stream::get_offset and file_stream::set_offset.
#ifndef TIDEWIRE_COMMON_MY_SET_FILE_POINTER_H
#define TIDEWIRE_COMMON_MY_SET_FILE_POINTER_H

#include "win32_types.h"

#include <cstdint>

// Moves the position of `handle` by `distance` counted by `method`
// (FILE_BEGIN, FILE_CURRENT or FILE_END). Stores the resulting position in
// *new_position when one is given. Returns false when the system refuses the
// seek (new_position is then not written) or when the result is position -1.
bool MySetFilePointer(HANDLE handle, std::int64_t distance, std::int64_t* new_position, DWORD method);

#endif
