// Little-endian encoding of the linkage file's integers, whatever the host.
#ifndef TIDEWIRE_COMMON_BYTE_ORDER_H
#define TIDEWIRE_COMMON_BYTE_ORDER_H

#include <cstdint>
#include <cstring>
#include <limits>

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "floats in the linkage file are IEEE single precision");

inline void encode_uint32_le(std::uint8_t* out, std::uint32_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
    out[2] = static_cast<std::uint8_t>(value >> 16);
    out[3] = static_cast<std::uint8_t>(value >> 24);
}

inline std::uint32_t decode_uint32_le(const std::uint8_t* in)
{
    return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
           (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

inline void encode_int32_le(std::uint8_t* out, std::int32_t value)
{
    encode_uint32_le(out, static_cast<std::uint32_t>(value));
}

// Two's complement, without relying on an out-of-range conversion.
inline std::int32_t decode_int32_le(const std::uint8_t* in)
{
    const std::uint32_t bits = decode_uint32_le(in);
    if (bits <= 0x7FFFFFFFu) return static_cast<std::int32_t>(bits);
    return -static_cast<std::int32_t>(~bits) - 1;
}

// The IEEE single-precision bits, as an unsigned 32-bit integer.
inline void encode_float32_le(std::uint8_t* out, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    encode_uint32_le(out, bits);
}

inline float decode_float32_le(const std::uint8_t* in)
{
    const std::uint32_t bits = decode_uint32_le(in);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Low 32 bits first.
inline void encode_int64_le(std::uint8_t* out, std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    encode_uint32_le(out, static_cast<std::uint32_t>(bits));
    encode_uint32_le(out + 4, static_cast<std::uint32_t>(bits >> 32));
}

inline std::int64_t decode_int64_le(const std::uint8_t* in)
{
    const std::uint64_t bits =
        static_cast<std::uint64_t>(decode_uint32_le(in)) | (static_cast<std::uint64_t>(decode_uint32_le(in + 4)) << 32);
    if (bits <= 0x7FFFFFFFFFFFFFFFull) return static_cast<std::int64_t>(bits);
    return -static_cast<std::int64_t>(~bits) - 1;
}

#endif
