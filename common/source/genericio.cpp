#include "genericio.h"

#include "byte_order.h"
#include "persistence_exception.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

// Fixed line numbers of the throw sites.
constexpr std::int32_t line_length_not_read = 10;
constexpr std::int32_t line_negative_length = 12;
constexpr std::int32_t line_length_beyond_file = 14;
constexpr std::int32_t line_input_memory_exhausted = 16;
constexpr std::int32_t line_characters_not_read = 18;
constexpr std::int32_t line_string_too_long = 31;
constexpr std::int32_t line_write_failed = 33;

[[noreturn]] void throw_input(std::int32_t line, const std::string& message)
{
    throw input_exception(exception_descriptor(__FILE__, line, "input_string", "input_string : " + message));
}

[[noreturn]] void throw_output(std::int32_t line, const std::string& message)
{
    throw output_exception(exception_descriptor(__FILE__, line, "output_string", "output_string : " + message));
}

[[noreturn]] void throw_memory_exhausted(std::int32_t length)
{
    throw_input(line_input_memory_exhausted, "Memory exhausted on attempt to allocate " +
                                                 std::to_string(static_cast<std::uint32_t>(length) + 1u) + " bytes");
}

}  // namespace

void input_string(file_stream& stream, std::string& string)
{
    std::uint8_t length_bytes[4];
    if (!stream.read_fully(length_bytes, sizeof length_bytes))
        throw_input(line_length_not_read, "File ends before the string length");
    const std::int32_t length = decode_int32_le(length_bytes);

    // A damaged length must not turn into a huge allocation or a read past
    // the data: it can be neither negative nor longer than the file's rest.
    if (length < 0) throw_input(line_negative_length, "Invalid string length " + std::to_string(length));
    const std::int64_t left = stream.bytes_left();
    if (length > left)
        throw_input(line_length_beyond_file, "String length " + std::to_string(length) + " exceeds the " +
                                                 std::to_string(left) + " bytes left in the file");

    // Read buffered, the characters are usually in the window already and
    // go straight into the caller's string.
    if (const unsigned char* stored = stream.peek_buffered(static_cast<std::uint32_t>(length))) {
        const auto* text = reinterpret_cast<const char*>(stored);
        const void* nul = length != 0 ? std::memchr(text, '\0', static_cast<std::size_t>(length)) : nullptr;
        const std::size_t kept = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
                                                : static_cast<std::size_t>(length);
        try {
            string.assign(text, kept);
        } catch (const std::bad_alloc&) {
            throw_memory_exhausted(length);
        } catch (const std::length_error&) {
            throw_memory_exhausted(length);
        }
        stream.consume_buffered(static_cast<std::uint32_t>(length));
        return;
    }

    std::string characters;
    try {
        characters.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        throw_memory_exhausted(length);
    } catch (const std::length_error&) {
        throw_memory_exhausted(length);
    }
    if (!stream.read_fully(characters.data(), static_cast<std::uint32_t>(length)))
        throw_input(line_characters_not_read, "File ends inside a string of " + std::to_string(length) + " characters");

    // A stored NUL ends the text; every stored byte has been consumed anyway.
    const std::size_t nul = characters.find('\0');
    if (nul != std::string::npos) characters.resize(nul);
    string.swap(characters);
}

void output_string(file_stream& stream, const std::string& string)
{
    if (string.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw_output(line_string_too_long,
                     "String of " + std::to_string(string.size()) + " characters is too long to store");
    const auto length = static_cast<std::int32_t>(string.size());

    std::uint8_t length_bytes[4];
    encode_int32_le(length_bytes, length);
    // A lost length or lost characters would leave every later field of the
    // file misplaced, so a short write is a failure.
    if (!stream.write_fully(length_bytes, sizeof length_bytes) ||
        !stream.write_fully(string.data(), static_cast<std::uint32_t>(length)))
        throw_output(line_write_failed, "Write failed");
}
