// The POSIX stand-ins of the Windows file calls: open dispositions, share
// modes between handles, reads at the end of the file and 64-bit seeks.
#include "scratch_files.h"
#include "win32_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

HANDLE open_for_reading(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

HANDLE open_for_writing(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
}

HANDLE open_for_update(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
}

class Win32File : public testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("file.bin");
};

TEST_F(Win32File, OpenExistingOnAMissingFileFailsWithFileNotFound)
{
    EXPECT_EQ(open_for_reading(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(file_exists(path));
}

TEST_F(Win32File, ADirectoryIsNotOpened)
{
    EXPECT_EQ(open_for_reading(scratch.path("")), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

// alarm() turns an open that waits for a peer into a failed test.
TEST_F(Win32File, OpensNeverWaitAndTheTypeTellsFilesFromPipesAndDevices)
{
    write_file_bytes(path, {1});
    const std::string fifo = scratch.path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(10);
    EXPECT_EQ(open_for_writing(fifo), INVALID_HANDLE_VALUE) << "no reader holds the FIFO";
    const struct {
        std::string name;
        DWORD type;
    } cases[] = {{path, FILE_TYPE_DISK}, {fifo, FILE_TYPE_PIPE}, {"/dev/null", FILE_TYPE_CHAR}};
    for (const auto& each : cases) {
        HANDLE file = open_for_reading(each.name);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << each.name;
        EXPECT_EQ(GetFileType(file), each.type) << each.name;
        CloseHandle(file);
    }
    alarm(0);
}

TEST_F(Win32File, AFileOpenForReadingCannotBeOpenedForWritingAndKeepsItsBytes)
{
    write_file_bytes(path, {1, 2, 3, 4});
    HANDLE reader = open_for_reading(path);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);

    EXPECT_EQ(open_for_writing(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(open_for_update(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(read_file_bytes(path), (bytes{1, 2, 3, 4}));

    CloseHandle(reader);
    HANDLE writer = open_for_writing(path);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    CloseHandle(writer);
}

TEST_F(Win32File, AFileOpenForWritingCannotBeOpenedAgainAndKeepsItsBytes)
{
    HANDLE writer = open_for_writing(path);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(writer, "abc", 3, &written, nullptr));
    EXPECT_EQ(written, 3u);

    EXPECT_EQ(open_for_reading(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(open_for_update(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(open_for_writing(path), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(read_file_bytes(path), (bytes{'a', 'b', 'c'}));
    CloseHandle(writer);
}

TEST_F(Win32File, CallsOnAnInvalidHandleFail)
{
    std::uint8_t buffer[1] = {0};
    DWORD count = 99;
    EXPECT_FALSE(ReadFile(INVALID_HANDLE_VALUE, buffer, 1, &count, nullptr));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(WriteFile(INVALID_HANDLE_VALUE, buffer, 1, &count, nullptr));
    EXPECT_FALSE(ReadFile(INVALID_HANDLE_VALUE, buffer, 0, &count, nullptr));
    LONG high = 0;
    EXPECT_EQ(SetFilePointer(INVALID_HANDLE_VALUE, 0, &high, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_NE(GetLastError(), NO_ERROR);
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST_F(Win32File, SeeksCarryTheHighHalfBothWays)
{
    HANDLE update = open_for_update(path);
    ASSERT_NE(update, INVALID_HANDLE_VALUE);

    // 5 GiB + 3: past the end is allowed and writes nothing.
    LONG high = 1;
    EXPECT_EQ(SetFilePointer(update, 0x40000003, &high, FILE_BEGIN), 0x40000003u);
    EXPECT_EQ(high, 1);
    EXPECT_EQ(GetLastError(), NO_ERROR);

    high = 0;
    EXPECT_EQ(SetFilePointer(update, 0, &high, FILE_CURRENT), 0x40000003u);
    EXPECT_EQ(high, 1);

    LARGE_INTEGER size{};
    ASSERT_TRUE(GetFileSizeEx(update, &size));
    EXPECT_EQ(size.QuadPart, 0);
    CloseHandle(update);
}

TEST_F(Win32File, ANegativeSeekFailsAndLeavesThePosition)
{
    write_file_bytes(path, {1, 2, 3});
    HANDLE reader = open_for_reading(path);
    LONG high = 0;
    SetFilePointer(reader, 2, &high, FILE_BEGIN);

    high = -1;
    EXPECT_EQ(SetFilePointer(reader, -1, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);

    high = 0;
    EXPECT_EQ(SetFilePointer(reader, 0, &high, FILE_CURRENT), 2u);
    CloseHandle(reader);
}

TEST_F(Win32File, WithoutAHighHalfAPositionBeyond32BitsIsRefused)
{
    HANDLE update = open_for_update(path);
    LONG high = 1;
    SetFilePointer(update, 0, &high, FILE_BEGIN);  // 4 GiB
    EXPECT_EQ(SetFilePointer(update, 0, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetFilePointer(update, 10, nullptr, FILE_BEGIN), 10u);
    CloseHandle(update);
}

}  // namespace
