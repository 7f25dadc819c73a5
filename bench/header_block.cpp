#include "header_block.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace bench {

namespace {

class byte_sink {
public:
    explicit byte_sink(std::vector<unsigned char>& bytes) : bytes(bytes) {}
    void int32(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(bits >> shift));
    }
    void float32(float value)
    {
        int32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        int32(bits);
    }
    void text(const std::string& value)
    {
        int32(static_cast<int32_t>(value.size()));
        bytes.insert(bytes.end(), value.begin(), value.end());
    }

private:
    std::vector<unsigned char>& bytes;
};

}  // namespace

std::vector<unsigned char> encode_header_block(const estuary_case& estuary, int moments, float end_time)
{
    std::vector<unsigned char> bytes;
    byte_sink out(bytes);
    out.int32(0x20001000);                                 // version
    out.int32(0);                                          // time stamp
    out.int32(1);                                          // creator: TORVA
    for (int field = 0; field < 9; ++field) out.int32(0);  // seed moment
    out.int32(0);                                          // fixed time step
    out.float32(30.0f);                                    // model time step
    out.float32(3600.0f);                                  // update interval
    out.int32(120);                                        // model steps per moment
    out.int32(estuary.size().km);
    out.int32(moments);

    out.int32(static_cast<int32_t>(estuary.flow_paths().size()));
    for (const flow_path& path : estuary.flow_paths())
        for (int32_t value : path) out.int32(value);
    out.int32(static_cast<int32_t>(estuary.segments().size()));
    for (std::size_t n = 0; n < estuary.segments().size(); ++n) out.text(estuary.segment_name(n));
    out.int32(estuary_case::flow_constituents);
    for (int32_t type = 1; type <= estuary_case::flow_constituents; ++type) out.int32(type);
    out.int32(estuary_case::segment_constituents);
    for (int32_t type = 1; type <= estuary_case::segment_constituents; ++type) out.int32(type);
    out.int32(1);  // one description
    out.int32(1);
    out.text("Benchmark estuary: a synthetic tidal case");
    out.float32(end_time);
    return bytes;
}

float end_time_of(int moments, float step)
{
    float elapsed = 0.0f;
    for (int n = 0; n < moments; ++n) elapsed = step + elapsed;
    return elapsed;
}

}  // namespace bench
