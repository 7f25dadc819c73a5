// Share modes between streams: readers share, a writer shares with nobody, and
// a refused open leaves the other stream's file as it was.
#include "file_stream.h"
#include "persistence_exception.h"
#include "scratch_files.h"

#include <gtest/gtest.h>

namespace {

class FileStreamSharing : public testing::Test {
protected:
    bool opens(file_stream& stream, std::uint8_t mode)
    {
        try {
            stream.open(path, mode);
            return true;
        } catch (const persistence_exception&) {
            return false;
        }
    }

    scratch_directory scratch;
    std::string path = scratch.path("shared.bin");
};

TEST_F(FileStreamSharing, ReadersShareAFile)
{
    write_file_bytes(path, {1});
    file_stream first;
    file_stream second;
    EXPECT_TRUE(opens(first, file_stream::mode_read));
    EXPECT_TRUE(opens(second, file_stream::mode_read));
}

TEST_F(FileStreamSharing, AFileBeingReadCannotBeOpenedToWriteAndStaysIntact)
{
    write_file_bytes(path, {1, 2, 3});
    file_stream reader;
    ASSERT_TRUE(opens(reader, file_stream::mode_read));

    file_stream writer;
    EXPECT_FALSE(opens(writer, file_stream::mode_write));
    file_stream updater;
    EXPECT_FALSE(opens(updater, file_stream::mode_read_write));
    EXPECT_EQ(read_file_bytes(path), (bytes{1, 2, 3}));

    std::uint8_t buffer[3] = {};
    EXPECT_TRUE(reader.read_fully(buffer, 3));
    EXPECT_EQ(buffer[2], 3);
}

TEST_F(FileStreamSharing, AFileBeingWrittenCannotBeOpenedAgainAndKeepsWhatWasWritten)
{
    file_stream writer;
    ASSERT_TRUE(opens(writer, file_stream::mode_write));
    ASSERT_TRUE(writer.write_fully("abcd", 4));

    for (std::uint8_t mode : {file_stream::mode_read, file_stream::mode_write, file_stream::mode_read_write}) {
        file_stream other;
        EXPECT_FALSE(opens(other, mode)) << "mode " << int{mode};
    }
    EXPECT_EQ(read_file_bytes(path), (bytes{'a', 'b', 'c', 'd'}));
    EXPECT_TRUE(writer.write_fully("e", 1));
    writer.close();
    EXPECT_EQ(read_file_bytes(path), (bytes{'a', 'b', 'c', 'd', 'e'}));
}

TEST_F(FileStreamSharing, AFileOpenForUpdateIsNotShared)
{
    file_stream updater;
    ASSERT_TRUE(opens(updater, file_stream::mode_read_write));
    file_stream reader;
    EXPECT_FALSE(opens(reader, file_stream::mode_read));
}

TEST_F(FileStreamSharing, ClosingReleasesTheFile)
{
    write_file_bytes(path, {1});
    file_stream reader;
    ASSERT_TRUE(opens(reader, file_stream::mode_read));
    reader.close();
    file_stream writer;
    EXPECT_TRUE(opens(writer, file_stream::mode_write));
}

}  // namespace
