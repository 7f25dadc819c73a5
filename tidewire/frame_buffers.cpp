#include "frame_buffers.h"

#include <cstddef>
#include <cstdlib>
#include <limits>

namespace {

// Room after the compressed stream: a reader takes what follows the stream in
// the file (N2, or the next frame's step and N1) in the same read.
constexpr uint64_t trailing_room = 8;

constexpr uint64_t int32_limit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());

}  // namespace

frame_buffers::result frame_buffers::reallocate(uint64_t values)
{
    frame.reset();
    compressed.reset();
    size = 0;
    capacity = 0;

    if (!can_hold(values)) return result::size_too_large;
    const uint64_t new_size = values * 4;
    const uint64_t new_capacity = new_size + new_size / 10 + 20;

    // calloc: large frames come from fresh zero pages, which are not touched
    // until values are set.
    frame.reset(static_cast<unsigned char*>(std::calloc(static_cast<std::size_t>(new_size), 1)));
    if (!frame) return result::frame_failed;
    compressed.reset(static_cast<unsigned char*>(
        std::malloc(static_cast<std::size_t>(new_capacity + static_cast<uint64_t>(prefix_room) + trailing_room))));
    if (!compressed) {
        frame.reset();
        return result::compressed_failed;
    }
    size = static_cast<int32_t>(new_size);
    capacity = static_cast<int32_t>(new_capacity);
    return result::ok;
}

bool frame_buffers::can_hold(uint64_t values) const
{
    // A frame size that wrapped in 32 bits would give a buffer smaller than
    // the values copied into it; the frame sizes in the file are 32-bit.
    if (values > int32_limit / 4) return false;
    const uint64_t size = values * 4;
    return size + size / 10 + 20 + static_cast<uint64_t>(prefix_room) + trailing_room <= int32_limit;
}
