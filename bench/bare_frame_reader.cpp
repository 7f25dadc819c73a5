#include "bare_frame_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace bench {

namespace {

uint32_t get_uint32(const unsigned char* in)
{
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
           static_cast<uint32_t>(in[3]) << 24;
}

}  // namespace

bare_frame_reader::bare_frame_reader(const std::string& path, std::size_t segment_values, std::size_t flow_values)
    : segment(segment_values * 4), flow(flow_values * 4)
{
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0) throw std::runtime_error("cannot stat " + path);
    unsigned char offset_bytes[8];
    read_exactly(offset_bytes, sizeof offset_bytes);
    const uint64_t offset = get_uint32(offset_bytes) | static_cast<uint64_t>(get_uint32(offset_bytes + 4)) << 32;
    if (offset < 8 || offset > static_cast<uint64_t>(status.st_size))
        throw std::runtime_error(path + " has no header block");
    header.resize(static_cast<std::size_t>(static_cast<uint64_t>(status.st_size) - offset));
    if (::pread(fd, header.data(), header.size(), static_cast<off_t>(offset)) != static_cast<ssize_t>(header.size()))
        throw std::runtime_error("reading the header block of " + path + " failed");
    compressed.resize(compressBound(static_cast<uLong>(std::max(segment.size(), flow.size()))));
}

bare_frame_reader::~bare_frame_reader()
{
    if (fd >= 0) ::close(fd);
}

void bare_frame_reader::read_exactly(unsigned char* out, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = ::read(fd, out, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw std::runtime_error("the linkage file ends inside a frame");
        out += got;
        size -= static_cast<std::size_t>(got);
    }
}

uint32_t bare_frame_reader::read_length()
{
    unsigned char bytes[4];
    read_exactly(bytes, sizeof bytes);
    const uint32_t length = get_uint32(bytes);
    if (length > compressed.size()) throw std::runtime_error("a stream is longer than any frame compresses to");
    return length;
}

void bare_frame_reader::inflate_stream(std::vector<unsigned char>& frame)
{
    const uint32_t length = read_length();
    read_exactly(compressed.data(), length);
    uLongf size = static_cast<uLongf>(frame.size());
    if (uncompress(frame.data(), &size, compressed.data(), length) != Z_OK || size != frame.size())
        throw std::runtime_error("a stream does not inflate to its frame");
}

void bare_frame_reader::load_moment()
{
    unsigned char step_bytes[4];
    read_exactly(step_bytes, sizeof step_bytes);
    const uint32_t bits = get_uint32(step_bytes);
    std::memcpy(&step, &bits, sizeof step);
    inflate_stream(segment);
    inflate_stream(flow);
}

}  // namespace bench
