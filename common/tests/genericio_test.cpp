// Length-prefixed strings: their bytes, and the lengths a reader refuses.
#include "failure_text.h"
#include "genericio.h"
#include "persistence_exception.h"
#include "scratch_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The reader and the writer name themselves twice: as the function and at
// the head of the message.
std::string input_failure_text(int line, const std::string& message)
{
    return failure_text(unit::genericio, line, "input_string", "input_string : " + message);
}

class Strings : public testing::Test {
protected:
    bytes written_bytes(const std::string& text)
    {
        {
            file_stream stream;
            stream.open(path, file_stream::mode_write);
            output_string(stream, text);
        }
        return read_file_bytes(path);
    }

    // Reads one string from a file holding `content`; returns the failure
    // text, or the string read prefixed with "read:".
    std::string read_result(const bytes& content, std::string start = "untouched")
    {
        write_file_bytes(path, content);
        file_stream stream;
        stream.open(path, file_stream::mode_read);
        try {
            input_string(stream, start);
        } catch (const input_exception& error) {
            EXPECT_EQ(start, "untouched");
            return error.what();
        }
        return "read:" + start;
    }

    scratch_directory scratch;
    std::string path = scratch.path("strings.bin");
};

TEST_F(Strings, AreTheLengthThenTheCharacters)
{
    EXPECT_EQ(written_bytes("abc"), (bytes{3, 0, 0, 0, 'a', 'b', 'c'}));
    EXPECT_EQ(written_bytes(""), (bytes{0, 0, 0, 0}));
    EXPECT_EQ(written_bytes(std::string(300, 'q')).size(), 304u);
    EXPECT_EQ(written_bytes(std::string(300, 'q'))[1], 1);
}

TEST_F(Strings, ReadBackUnchangedAndLeaveThePositionAfterThem)
{
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
        output_string(stream, "abc");
        output_string(stream, "");
        output_string(stream, "last one");
    }
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    std::string text = "previous";
    input_string(stream, text);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(stream.get_offset(), 7);
    input_string(stream, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(stream.get_offset(), 11);
    input_string(stream, text);
    EXPECT_EQ(text, "last one");
}

TEST_F(Strings, AStoredNulEndsTheTextButAllBytesAreConsumed)
{
    write_file_bytes(path, {3, 0, 0, 0, 'a', 0, 'b', 1, 0, 0, 0, 'z'});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    std::string text;
    input_string(stream, text);
    EXPECT_EQ(text, "a");
    input_string(stream, text);
    EXPECT_EQ(text, "z");
}

TEST_F(Strings, ANegativeLengthIsRefused)
{
    EXPECT_EQ(read_result({0xFF, 0xFF, 0xFF, 0xFF, 'a'}), input_failure_text(12, "Invalid string length -1"));
}

TEST_F(Strings, ALengthBeyondTheFileIsRefusedBeforeAllocating)
{
    EXPECT_EQ(read_result({0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}),
              input_failure_text(14, "String length 2147483647 exceeds the 2 bytes left in the file"));
    EXPECT_EQ(read_result({3, 0, 0, 0, 'a', 'b'}),
              input_failure_text(14, "String length 3 exceeds the 2 bytes left in the file"));
    EXPECT_EQ(read_result({2, 0, 0, 0, 'a', 'b'}), "read:ab");
}

TEST_F(Strings, ALengthCutShortIsRefused)
{
    const std::string cut_short = input_failure_text(10, "File ends before the string length");
    EXPECT_EQ(read_result({}), cut_short);
    EXPECT_EQ(read_result({1, 0, 0}), cut_short);
}

TEST_F(Strings, AWriteThatFailsIsReported)
{
    write_file_bytes(path, {});
    file_stream reader;
    reader.open(path, file_stream::mode_read);
    try {
        output_string(reader, "abc");
        FAIL() << "no output failure";
    } catch (const output_exception& error) {
        EXPECT_EQ(error.what(), failure_text(unit::genericio, 33, "output_string", "output_string : Write failed"));
    }
}

}  // namespace
