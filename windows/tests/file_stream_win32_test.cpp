// The file stream over the real Windows file API: stream modes, share modes
// and 64-bit positions must act as they do over the POSIX layer.
#include <gtest/gtest.h>

#include "scratch_directory.h"

#include "failure_text.h"
#include "file_stream.h"
#include "persistence_exception.h"

#include <windows.h>

namespace {

void make_file(const std::string& name, const std::string& bytes)
{
    write_file_bytes(name, bytes);
}

bool opens(const std::string& name, std::uint8_t mode)
{
    file_stream stream;
    try {
        stream.open(name, mode);
        return true;
    } catch (const persistence_exception&) {
        return false;
    }
}

}  // namespace

class win32_file_stream : public ::testing::Test {
private:
    scratch_directory directory;
};

TEST_F(win32_file_stream, modes_create_empty_or_keep_the_file)
{
    EXPECT_FALSE(opens("absent", file_stream::mode_read));
    EXPECT_FALSE(file_exists("absent"));

    EXPECT_TRUE(opens("created", file_stream::mode_read_write));
    EXPECT_EQ(read_file_bytes("created"), "");

    make_file("kept", "abc");
    {
        file_stream stream;
        stream.open("kept", file_stream::mode_read_write);
        EXPECT_EQ(stream.get_offset(), 0);
    }
    EXPECT_EQ(read_file_bytes("kept"), "abc");

    make_file("emptied", "abc");
    EXPECT_TRUE(opens("emptied", file_stream::mode_write));
    EXPECT_EQ(read_file_bytes("emptied"), "");

    try {
        file_stream stream;
        stream.open("never", 3);
        FAIL() << "mode 3 was accepted";
    } catch (const persistence_exception& failure) {
        EXPECT_EQ(failure.what(),
                  failure_text(unit::file_stream, 85, "file_stream::open", "Invalid access mode specified"));
    }
    EXPECT_FALSE(file_exists("never"));
}

TEST_F(win32_file_stream, share_modes_between_streams)
{
    make_file("shared", "abcd");
    file_stream reader;
    reader.open("shared", file_stream::mode_read);
    EXPECT_TRUE(opens("shared", file_stream::mode_read));
    EXPECT_FALSE(opens("shared", file_stream::mode_write));
    EXPECT_FALSE(opens("shared", file_stream::mode_read_write));
    EXPECT_EQ(read_file_bytes("shared"), "abcd");
    reader.close();

    file_stream writer;
    writer.open("shared", file_stream::mode_read_write);
    EXPECT_FALSE(opens("shared", file_stream::mode_read));
    EXPECT_FALSE(opens("shared", file_stream::mode_write));
    writer.close();
    EXPECT_TRUE(opens("shared", file_stream::mode_write));
}

TEST_F(win32_file_stream, read_at_the_end_succeeds_and_leaves_the_buffer)
{
    make_file("short", "ab");
    file_stream stream;
    stream.open("short", file_stream::mode_read);
    char buffer[4] = {'w', 'x', 'y', 'z'};
    EXPECT_TRUE(stream.read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "abyz");
    EXPECT_TRUE(stream.read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "abyz");
    EXPECT_FALSE(stream.read_fully(buffer, 1));
}

TEST_F(win32_file_stream, positions_beyond_four_gigabytes)
{
    file_stream stream;
    stream.open("far", file_stream::mode_read_write);
    const std::int64_t all_ones_low_half = 0xFFFFFFFFLL;
    // A low half of all ones with a stale error code from an earlier call is
    // still a valid position.
    SetLastError(ERROR_ACCESS_DENIED);
    stream.set_offset(all_ones_low_half);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(stream.get_offset(), all_ones_low_half);
    const std::int64_t five_gigabytes = 5LL << 30;
    stream.set_offset(five_gigabytes);
    EXPECT_EQ(stream.get_offset(), five_gigabytes);

    EXPECT_THROW(stream.set_offset(-1), seek_exception);
    EXPECT_EQ(stream.get_offset(), five_gigabytes);
}

TEST_F(win32_file_stream, read_mode_takes_files_only)
{
    // A named pipe with a waiting server opens at once under Windows: the
    // type of the handle is what refuses it.
    const std::string pipe = "\\\\.\\pipe\\tidewire_stream_test_" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    for (const std::string& name : {pipe, std::string("NUL"), std::string(".")}) {
        EXPECT_FALSE(opens(name, file_stream::mode_read)) << name;
    }
    CloseHandle(server);
}
