// How the dataset reports failures: every text names the dataset unit
// (tidewiredata), a fixed line per throw site, the operation and the message.
#ifndef TIDEWIRE_DATASET_FAILURES_H
#define TIDEWIRE_DATASET_FAILURES_H

#include <cstdint>
#include <string>

#include "exception_descriptor.h"

// The file part of every dataset failure text, defined in tidewiredata.cpp so
// that the operations kept in other files name the same unit.
extern const char* const tidewiredata_file_part;

// The line of each throw site.  A text names its site the same way in every
// build, whatever the layout of the source.
namespace dataset_line {
constexpr int32_t invalid_mode = 52;
constexpr int32_t cannot_open = 59;
constexpr int32_t header_tables = 63;
constexpr int32_t placeholder_write = 67;
constexpr int32_t setlanguage = 154;
constexpr int32_t setcreator = 180;
constexpr int32_t adddescription = 189;
constexpr int32_t getdescription = 198;
constexpr int32_t getnthmoment = 278;
constexpr int32_t setnumsegments = 301;
constexpr int32_t setnumsegments_after_frames = 303;
constexpr int32_t setsegname = 314;
constexpr int32_t getsegname = 324;
constexpr int32_t setnumflowpaths = 333;
constexpr int32_t setnumflowpaths_after_frames = 335;
constexpr int32_t setnumsegconsts = 351;
constexpr int32_t setnumsegconsts_after_frames = 353;
constexpr int32_t setnumfpconsts = 360;
constexpr int32_t setnumfpconsts_after_frames = 362;
constexpr int32_t setsegconsttype = 369;
constexpr int32_t getsegconsttype = 378;
constexpr int32_t setfpconsttype = 387;
constexpr int32_t getfpconsttype = 396;
constexpr int32_t setflowpath = 455;
constexpr int32_t getflowpath = 466;
constexpr int32_t setflowinfo = 478;
constexpr int32_t getflowinfo = 489;
constexpr int32_t setseginfo = 500;
constexpr int32_t getseginfo = 511;
constexpr int32_t flow_values_without_buffer = 482;
constexpr int32_t segment_values_without_buffer = 504;
constexpr int32_t compress_segment = 594;
constexpr int32_t compress_flow = 607;
constexpr int32_t frame_write = 615;
constexpr int32_t frame_load = 650;
constexpr int32_t reallocate_flow_frame = 717;
constexpr int32_t reallocate_compressed_flow_frame = 725;
constexpr int32_t reallocate_segment_frame = 748;
constexpr int32_t reallocate_compressed_segment_frame = 756;
}  // namespace dataset_line

// Throws `failure` (one of the library's exception classes) with a text that
// names the dataset unit.
template <class failure>
[[noreturn]] void throw_dataset_failure(int32_t line, const char* function, const std::string& message)
{
    throw failure(exception_descriptor(tidewiredata_file_part, line, function, message));
}

#endif
