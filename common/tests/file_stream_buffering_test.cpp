// file_stream's buffered reads and gathered writes: the same bytes,
// positions and end-of-file behaviour as the plain calls, across window and
// block boundaries, and failures that still reach the caller.
#include "file_stream.h"
#include "genericio.h"
#include "persistence_exception.h"
#include "scratch_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// Bytes whose value tells their position, over several read windows.
bytes numbered_bytes(std::size_t count)
{
    bytes content(count);
    for (std::size_t n = 0; n < count; ++n) content[n] = static_cast<std::uint8_t>(n * 7 + n / 251);
    return content;
}

class FileStreamBuffering : public testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("stream.bin");
};

TEST_F(FileStreamBuffering, BufferedReadsGiveTheBytesAndPositionsOfPlainReads)
{
    const bytes content = numbered_bytes(200000);
    write_file_bytes(path, content);
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.set_offset(5);
    stream.begin_buffered_reads();

    // Small reads that straddle the window's end, then one larger than it.
    std::size_t expected_at = 5;
    for (std::uint32_t size : {3u, 65530u, 17u, 1u, 70000u, 4u}) {
        bytes got(size);
        ASSERT_TRUE(stream.read_fully(got.data(), size));
        EXPECT_TRUE(std::equal(got.begin(), got.end(), content.begin() + static_cast<std::ptrdiff_t>(expected_at)))
            << "read of " << size << " at " << expected_at;
        expected_at += size;
        EXPECT_EQ(stream.get_offset(), static_cast<std::int64_t>(expected_at));
        EXPECT_EQ(stream.bytes_left(), static_cast<std::int64_t>(content.size() - expected_at));
    }

    // A seek inside the run moves the window with it.
    stream.set_offset(100);
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream.read_fully(&byte, 1));
    EXPECT_EQ(byte, content[100]);

    // After the run, plain reads go on at the first byte not consumed.
    ASSERT_TRUE(stream.end_buffered_reads());
    EXPECT_EQ(stream.get_offset(), 101);
    ASSERT_TRUE(stream.read_fully(&byte, 1));
    EXPECT_EQ(byte, content[101]);
}

TEST_F(FileStreamBuffering, ABufferedReadAtTheEndFillsOnlyWhatTheFileHolds)
{
    write_file_bytes(path, {1, 2, 3});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.begin_buffered_reads();

    std::uint8_t got[5] = {9, 9, 9, 9, 9};
    EXPECT_TRUE(stream.read(got, 5));  // the plain read reports success
    EXPECT_EQ(bytes(got, got + 5), (bytes{1, 2, 3, 9, 9}));
    EXPECT_EQ(stream.bytes_left(), 0);
    EXPECT_FALSE(stream.read_fully(got, 1));
    EXPECT_TRUE(stream.end_buffered_reads());
    EXPECT_EQ(stream.get_offset(), 3);
}

TEST_F(FileStreamBuffering, PeekedBytesAreThoseOfPlainReadsAndOnlyAConsumeMovesOn)
{
    const bytes content = numbered_bytes(150000);
    write_file_bytes(path, content);
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    EXPECT_EQ(stream.peek_buffered(4), nullptr);  // not reading buffered
    stream.begin_buffered_reads();

    // Pieces that straddle the window's end come out whole.
    std::size_t expected_at = 0;
    for (std::uint32_t size : {12u, 65530u, 12u, 40000u, 4u}) {
        const unsigned char* piece = stream.peek_buffered(size);
        ASSERT_NE(piece, nullptr) << "peek of " << size << " at " << expected_at;
        EXPECT_TRUE(std::equal(piece, piece + size, content.begin() + static_cast<std::ptrdiff_t>(expected_at)));
        EXPECT_EQ(stream.get_offset(), static_cast<std::int64_t>(expected_at));
        stream.consume_buffered(size);
        expected_at += size;
        EXPECT_EQ(stream.get_offset(), static_cast<std::int64_t>(expected_at));
    }

    // More than the window, or more than the file still holds: nothing is
    // consumed, and a plain read reports the end as usual.
    EXPECT_EQ(stream.peek_buffered(70000), nullptr);
    const auto left = static_cast<std::uint32_t>(content.size() - expected_at);
    EXPECT_EQ(stream.peek_buffered(left + 1), nullptr);
    EXPECT_EQ(stream.get_offset(), static_cast<std::int64_t>(expected_at));
    EXPECT_EQ(stream.bytes_left(), static_cast<std::int64_t>(left));
    bytes rest(left + 1);
    EXPECT_FALSE(stream.read_fully(rest.data(), left + 1));
    EXPECT_TRUE(stream.end_buffered_reads());
}

TEST_F(FileStreamBuffering, AnInnerRunLeavesTheWindowToTheRunAroundIt)
{
    const bytes content = numbered_bytes(1000);
    write_file_bytes(path, content);
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.begin_buffered_reads();
    std::uint8_t got[5] = {};
    ASSERT_TRUE(stream.read_fully(got, 3));

    stream.begin_buffered_reads();
    ASSERT_TRUE(stream.read_fully(got, 5));
    EXPECT_TRUE(stream.end_buffered_reads());
    // Still reading from the window: a peek needs no system read.
    const unsigned char* next = stream.peek_buffered(2);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next[0], content[8]);

    // The outer end returns the handle to the first byte not consumed.
    EXPECT_TRUE(stream.end_buffered_reads());
    EXPECT_EQ(stream.peek_buffered(1), nullptr);
    ASSERT_TRUE(stream.read_fully(got, 1));
    EXPECT_EQ(got[0], content[8]);
}

TEST_F(FileStreamBuffering, ABufferedStringWithANulIsCutThereAndConsumedWhole)
{
    write_file_bytes(path, {3, 0, 0, 0, 'a', 0, 'b', 0, 0, 0, 0, 7});
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.begin_buffered_reads();
    std::string text = "old";
    input_string(stream, text);
    EXPECT_EQ(text, "a");
    input_string(stream, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(stream.get_offset(), 11);
    EXPECT_TRUE(stream.end_buffered_reads());
}

TEST_F(FileStreamBuffering, StringsRoundTripGatheredAndBufferedAndALengthPastTheEndIsRefused)
{
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
        stream.begin_gathered_writes();
        for (int n = 0; n < 100000; ++n) output_string(stream, "I=" + std::to_string(n));
        EXPECT_TRUE(stream.end_gathered_writes());
        // The last string claims more bytes than the file holds.
        const std::uint8_t damaged[] = {50, 0, 0, 0, 'x'};
        ASSERT_TRUE(stream.write_fully(damaged, sizeof damaged));
    }
    file_stream stream;
    stream.open(path, file_stream::mode_read);
    stream.begin_buffered_reads();
    std::string text;
    for (int n = 0; n < 100000; ++n) {
        input_string(stream, text);
        ASSERT_EQ(text, "I=" + std::to_string(n));
    }
    EXPECT_THROW(input_string(stream, text), input_exception);
    EXPECT_TRUE(stream.end_buffered_reads());
}

TEST_F(FileStreamBuffering, GatheredWritesKeepTheirOrderAndPositions)
{
    const bytes content = numbered_bytes(3 * 1024 * 1024 + 11);
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
        const std::uint8_t placeholder[8] = {};
        ASSERT_TRUE(stream.write_fully(placeholder, 8));
        stream.begin_gathered_writes();
        std::size_t written = 0;
        while (written < content.size()) {
            const std::uint32_t size =
                static_cast<std::uint32_t>(std::min<std::size_t>(content.size() - written, 4093));
            ASSERT_TRUE(stream.write_fully(content.data() + written, size));
            written += size;
            ASSERT_EQ(stream.get_offset(), static_cast<std::int64_t>(8 + written));
        }
        // A seek while gathering puts what was gathered where it belongs.
        stream.set_offset(0);
        const std::uint8_t offset[8] = {8, 0, 0, 0, 0, 0, 0, 0};
        ASSERT_TRUE(stream.write_fully(offset, 8));
        EXPECT_TRUE(stream.end_gathered_writes());
    }
    const bytes file = read_file_bytes(path);
    ASSERT_EQ(file.size(), content.size() + 8);
    EXPECT_EQ(bytes(file.begin(), file.begin() + 8), (bytes{8, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(std::equal(content.begin(), content.end(), file.begin() + 8));
}

TEST_F(FileStreamBuffering, AStreamClosedWhileGatheringDropsWhatItHasNotWritten)
{
    file_stream stream;
    stream.open(path, file_stream::mode_write);
    stream.begin_gathered_writes();
    const std::uint8_t some[] = {1, 2, 3};
    ASSERT_TRUE(stream.write_fully(some, 3));
    stream.close();
    EXPECT_TRUE(read_file_bytes(path).empty());
}

#ifndef _WIN32
// A file-size limit stands in for a full disk.
TEST_F(FileStreamBuffering, GatheredBytesTheFileDoesNotTakeAreReported)
{
    void (*previous_handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit limited = previous;
    limited.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &limited);

    bool small_run_taken = false, large_run_taken = true;
    {
        file_stream stream;
        stream.open(path, file_stream::mode_write);
        const bytes content = numbered_bytes(2000);
        stream.begin_gathered_writes();
        stream.write_fully(content.data(), 500);
        small_run_taken = stream.end_gathered_writes();
        stream.begin_gathered_writes();
        for (int n = 0; n < 4; ++n) stream.write_fully(content.data() + 500, 500);
        large_run_taken = stream.end_gathered_writes();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previous_handler);

    EXPECT_TRUE(small_run_taken);
    EXPECT_FALSE(large_run_taken);
}
#endif

}  // namespace
