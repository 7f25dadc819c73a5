#include "frame_codec.h"

frame_codec::~frame_codec()
{
    if (deflater_set_up) deflateEnd(&deflater);
    if (inflater_set_up) inflateEnd(&inflater);
}

bool frame_codec::deflater_for(int32_t level)
{
    // A reset stream starts exactly as a new one at the same level.
    if (deflater_set_up && level == deflater_level) return deflateReset(&deflater) == Z_OK;
    if (deflater_set_up) {
        deflateEnd(&deflater);
        deflater_set_up = false;
    }
    // compress2's own set-up: deflateInit with the default window, memory
    // level and strategy.  A level zlib refuses sets nothing up.
    deflater = z_stream{};
    if (deflateInit(&deflater, level) != Z_OK) return false;
    deflater_set_up = true;
    deflater_level = level;
    return true;
}

bool frame_codec::compress(const unsigned char* source, uint32_t size, unsigned char* destination, uint32_t capacity,
                           int32_t level, uint32_t& length)
{
    if (!deflater_for(level)) return false;
    // One call with all the input and all the room, as compress2 makes it; a
    // stream that does not end here did not fit.
    deflater.next_in = const_cast<unsigned char*>(source);
    deflater.avail_in = size;
    deflater.next_out = destination;
    deflater.avail_out = capacity;
    if (deflate(&deflater, Z_FINISH) != Z_STREAM_END) return false;
    length = static_cast<uint32_t>(deflater.total_out);
    return true;
}

bool frame_codec::inflater_ready_for_stream()
{
    // Reset also after a stream that failed, which leaves the state in error.
    if (inflater_set_up) return inflateReset(&inflater) == Z_OK;
    inflater = z_stream{};
    if (inflateInit(&inflater) != Z_OK) return false;
    inflater_set_up = true;
    return true;
}

bool frame_codec::uncompress(const unsigned char* source, uint32_t length, unsigned char* destination, uint32_t size)
{
    if (!inflater_ready_for_stream()) return false;
    inflater.next_in = const_cast<unsigned char*>(source);
    inflater.avail_in = length;
    inflater.next_out = destination;
    inflater.avail_out = size;
    // Z_FINISH: the whole frame comes in one call, so zlib keeps no window.
    return inflate(&inflater, Z_FINISH) == Z_STREAM_END && inflater.total_out == size;
}
