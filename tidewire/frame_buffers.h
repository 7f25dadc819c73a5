// frame_buffers: the two buffers of one side of a moment frame (segments or
// flow paths): the uncompressed frame of the current moment and the room for
// its compressed stream.
//
// The compressed buffer keeps `prefix_room` bytes in front of the stream, so
// that the integers that precede the stream in the file (time step and N1 on
// the segment side, N2 on the flow side) go out with it in one write, and 8
// bytes after it, so that a reader takes what follows the stream in the file
// in the same read.
#ifndef TIDEWIRE_FRAME_BUFFERS_H
#define TIDEWIRE_FRAME_BUFFERS_H

#include <cstdint>
#include <cstdlib>
#include <memory>

class frame_buffers {
public:
    enum class result { ok, size_too_large, frame_failed, compressed_failed };

    explicit frame_buffers(int32_t prefix_room) : prefix_room(prefix_room) {}

    // Releases the old buffers and allocates new ones for `values` 4-byte
    // values: frame size 4 x values, compressed capacity size + size/10 + 20.
    // Sizes that do not fit in 32 bits fail with size_too_large; after any
    // failure the side has no buffers until a later reallocation succeeds.
    // The new frame reads as zeros until its values are set, so that no
    // indeterminate byte can reach a caller or a file.
    result reallocate(uint64_t values);
    // Whether a frame of `values` 4-byte values could be sized at all: false
    // exactly where reallocate fails with size_too_large.
    bool can_hold(uint64_t values) const;

    bool allocated() const { return frame != nullptr; }
    int32_t frame_size() const { return size; }
    int32_t compressed_capacity() const { return capacity; }
    unsigned char* frame_bytes() { return frame.get(); }
    const unsigned char* frame_bytes() const { return frame.get(); }
    // The whole compressed buffer: prefix room, then the compressed stream.
    unsigned char* prefix() { return compressed.get(); }
    unsigned char* stream() { return compressed.get() + prefix_room; }
    const unsigned char* stream() const { return compressed.get() + prefix_room; }

private:
    struct free_bytes {
        void operator()(unsigned char* bytes) const { std::free(bytes); }
    };
    using byte_buffer = std::unique_ptr<unsigned char, free_bytes>;

    int32_t prefix_room;
    byte_buffer frame;
    int32_t size = 0;
    byte_buffer compressed;
    int32_t capacity = 0;
};

#endif
