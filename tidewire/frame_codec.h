// frame_codec: the zlib streams of one dataset, set up once and reset for
// every frame.
//
// compress2 and uncompress set up and tear down zlib's whole state (a few
// hundred kilobytes for deflate) for every stream they handle.  A dataset
// handles two streams per moment, so it keeps one deflate stream (write mode)
// and one inflate stream (read mode), each set up at its first use, and resets
// it before every stream.  The output is byte for byte that of compress2 at
// the same level, and a stream is accepted exactly when uncompress accepts it.
#ifndef TIDEWIRE_FRAME_CODEC_H
#define TIDEWIRE_FRAME_CODEC_H

#include <cstdint>
#include <zlib.h>

class frame_codec {
public:
    frame_codec() = default;
    ~frame_codec();

    // zlib's state points back at its stream: never copied or moved.
    frame_codec(const frame_codec&) = delete;
    frame_codec& operator=(const frame_codec&) = delete;

    // Compresses `size` bytes of `source` into one zlib stream at `level`.
    // True, with the stream's `length`, when the whole stream fits in
    // `capacity` bytes of `destination`.  False where compress2 fails: a level
    // outside -1 to 9, memory zlib cannot get, or too little room.  A failed
    // call leaves nothing behind that the next call depends on.
    bool compress(const unsigned char* source, uint32_t size, unsigned char* destination, uint32_t capacity,
                  int32_t level, uint32_t& length);

    // Inflates the zlib stream in the `length` bytes of `source` into
    // `destination`.  True only when the stream ends within those bytes and
    // fills exactly `size` bytes; bytes after the stream's end are ignored,
    // as uncompress ignores them.
    bool uncompress(const unsigned char* source, uint32_t length, unsigned char* destination, uint32_t size);

private:
    bool deflater_for(int32_t level);
    bool inflater_ready_for_stream();

    z_stream deflater{};
    bool deflater_set_up = false;
    int32_t deflater_level = 0;
    z_stream inflater{};
    bool inflater_set_up = false;
};

#endif
