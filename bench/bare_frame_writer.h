// The write baseline: only the work that any writer of a linkage file must
// do with a moment's values: copy them into one frame buffer per side,
// compress2 each side at the library's level, and write() the frame, laid
// out as in a linkage file (time step, N1, segment stream, N2, flow stream)
// in one call. finish writes a header block and the header offset.
#ifndef BENCH_BARE_FRAME_WRITER_H
#define BENCH_BARE_FRAME_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

#include "moment_values.h"

namespace bench {

class bare_frame_writer {
public:
    // Creates `path` with the 8-byte placeholder. Throws std::runtime_error.
    bare_frame_writer(const std::string& path, std::size_t segment_values, std::size_t flow_values, int level);
    ~bare_frame_writer();
    bare_frame_writer(const bare_frame_writer&) = delete;
    bare_frame_writer& operator=(const bare_frame_writer&) = delete;

    void write_moment(const moment_values& values);
    // Appends `header_block`, stores its offset at byte 0 and closes the file.
    void finish(const std::vector<unsigned char>& header_block);

private:
    int fd = -1;
    int level;
    int64_t position = 8;
    std::vector<unsigned char> segment_frame;
    std::vector<unsigned char> flow_frame;
    std::vector<unsigned char> frame;  // the frame as it goes to the file
};

// Writes all of `size` bytes at the file's position; throws on failure.
void write_all(int fd, const unsigned char* bytes, std::size_t size);

}  // namespace bench

#endif
