// file_stream: the three stream modes, reads and writes, positions, closing.
#include "failure_text.h"
#include "file_stream.h"
#include "persistence_exception.h"
#include "scratch_files.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string open_failed_text(int line, const std::string& message)
{
    return failure_text(unit::file_stream, line, "file_stream::open", message);
}

class FileStream : public testing::Test {
protected:
    std::string open_failure(const std::string& name, std::uint8_t mode)
    {
        file_stream stream;
        try {
            stream.open(name, mode);
        } catch (const persistence_exception& error) {
            return error.what();
        }
        return "no failure";
    }

    scratch_directory scratch;
    std::string path = scratch.path("stream.bin");
};

TEST_F(FileStream, ReadModeNeedsAnExistingFile)
{
    const std::string text = open_failure(path, file_stream::mode_read);
    EXPECT_EQ(text, open_failed_text(92, "Createfile failed"));
    EXPECT_EQ(text.front(), '/');  // the full compiled path of the unit
    EXPECT_FALSE(file_exists(path));
}

TEST_F(FileStream, ReadModeTakesRegularFilesOnly)
{
    const std::string fifo = scratch.path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(10);  // waiting for a writer fails the test instead of hanging it
    for (const std::string& name : {fifo, std::string("/dev/null"), scratch.path("")}) {
        const std::string text = open_failure(name, file_stream::mode_read);
        EXPECT_EQ(text, open_failed_text(92, "Createfile failed")) << name;
    }
    alarm(0);
}

TEST_F(FileStream, AnInvalidModeOpensAndCreatesNothing)
{
    for (std::uint8_t mode : {3, 255}) {
        const std::string text = open_failure(path, mode);
        EXPECT_EQ(text, open_failed_text(85, "Invalid access mode specified"));
    }
    EXPECT_FALSE(file_exists(path));
}

TEST_F(FileStream, WriteModeEmptiesAnExistingFile)
{
    write_file_bytes(path, {1, 2, 3});
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
        EXPECT_TRUE(read_file_bytes(path).empty());
        EXPECT_TRUE(stream.write("xy", 2));
    }
    EXPECT_EQ(read_file_bytes(path), (bytes{'x', 'y'}));
}

TEST_F(FileStream, ReadWriteModeCreatesAMissingFile)
{
    file_stream stream;
    stream.open(path, file_stream::mode_read_write);
    EXPECT_TRUE(file_exists(path));
    EXPECT_EQ(stream.get_offset(), 0);
}

TEST_F(FileStream, ReadWriteModeKeepsTheContentsAndStartsAtZero)
{
    write_file_bytes(path, {1, 2, 3, 4});
    file_stream stream;
    stream.open(path, file_stream::mode_read_write);
    EXPECT_EQ(stream.get_offset(), 0);
    std::uint8_t first = 0;
    EXPECT_TRUE(stream.read(&first, 1));
    EXPECT_EQ(first, 1);
    EXPECT_TRUE(stream.write("\x09", 1));
    stream.close();
    EXPECT_EQ(read_file_bytes(path), (bytes{1, 9, 3, 4}));
}

TEST_F(FileStream, AReadAtTheEndSucceedsAndLeavesTheBufferAlone)
{
    write_file_bytes(path, {5, 6});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    std::uint8_t buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_TRUE(stream.read(buffer, 4));
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(buffer[1], 6);
    EXPECT_EQ(buffer[2], 0xAA);

    std::uint8_t at_end[4] = {1, 2, 3, 4};
    EXPECT_TRUE(stream.read(at_end, 4));
    EXPECT_EQ(at_end[0], 1);
    EXPECT_EQ(at_end[3], 4);
}

TEST_F(FileStream, TheCheckedReadTellsAShortReadApart)
{
    write_file_bytes(path, {5, 6, 7});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    std::uint8_t buffer[2];
    EXPECT_TRUE(stream.read_fully(buffer, 2));
    EXPECT_FALSE(stream.read_fully(buffer, 2));
    EXPECT_FALSE(stream.read_fully(buffer, 1));
    EXPECT_TRUE(stream.read_fully(buffer, 0));
}

TEST_F(FileStream, ReadsAndWritesFollowTheModes)
{
    write_file_bytes(path, {1});
    file_stream reader;
    reader.open(path, file_stream::mode_read);
    EXPECT_FALSE(reader.write("a", 1));
    EXPECT_FALSE(reader.write_fully("a", 1));
    reader.close();

    file_stream writer;
    writer.open(path, file_stream::mode_write);
    std::uint8_t byte = 0;
    EXPECT_FALSE(writer.read(&byte, 1));
    EXPECT_TRUE(writer.write_fully("abc", 3));
}

TEST_F(FileStream, PositionsArePlainByteOffsets)
{
    write_file_bytes(path, {0, 1, 2, 3, 4, 5});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.set_offset(4);
    EXPECT_EQ(stream.get_offset(), 4);
    EXPECT_EQ(stream.bytes_left(), 2);
    std::uint8_t byte = 0;
    EXPECT_TRUE(stream.read(&byte, 1));
    EXPECT_EQ(byte, 4);
    EXPECT_EQ(stream.get_offset(), 5);
}

TEST_F(FileStream, APositionPastTheEndIsAllowed)
{
    write_file_bytes(path, {1, 2});
    file_stream stream;
    stream.open(path, file_stream::mode_read_write);
    const std::int64_t beyond_4_gib = (std::int64_t{1} << 32) + 10;
    stream.set_offset(beyond_4_gib);
    EXPECT_EQ(stream.get_offset(), beyond_4_gib);
    EXPECT_EQ(stream.bytes_left(), 0);
    std::uint8_t byte = 0x55;
    EXPECT_TRUE(stream.read(&byte, 1));
    EXPECT_EQ(byte, 0x55);

    stream.set_offset(5);
    EXPECT_TRUE(stream.write("z", 1));
    stream.close();
    EXPECT_EQ(read_file_bytes(path), (bytes{1, 2, 0, 0, 0, 'z'}));
}

TEST_F(FileStream, ANegativeOffsetIsASeekFailure)
{
    write_file_bytes(path, {1, 2, 3});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.set_offset(2);
    try {
        stream.set_offset(-1);
        FAIL() << "no seek failure";
    } catch (const seek_exception& error) {
        EXPECT_EQ(error.what(),
                  failure_text(unit::file_stream, 131, "file_stream::set_offset", "MySetFilePointer failed"));
    }
    EXPECT_EQ(stream.get_offset(), 2);
}

TEST_F(FileStream, AClosedStreamFailsQuietly)
{
    file_stream stream;
    std::uint8_t byte = 0;
    EXPECT_FALSE(stream.read(&byte, 1));
    EXPECT_FALSE(stream.write(&byte, 1));
    EXPECT_FALSE(stream.read_fully(&byte, 0));
    EXPECT_EQ(stream.get_offset(), -1);
    EXPECT_EQ(stream.bytes_left(), 0);
    EXPECT_THROW(stream.set_offset(0), seek_exception);
    stream.close();
    stream.close();
}

TEST_F(FileStream, DestroyingAnOpenStreamReleasesTheFile)
{
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
    }
    file_stream again;
    EXPECT_NO_THROW(again.open(path, file_stream::mode_write));
}

}  // namespace
