// Share modes of linkage files opened through the DLL: the Windows build
// uses the system's own share modes, and they must act as on Linux.
#include "dll_test_support.h"
#include "failure_text.h"

using dll_share_modes = dll_test;

namespace {

void write_sample(const std::string& name)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage(name, 1, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(close_linkage(handle), 0);
}

}  // namespace

TEST_F(dll_share_modes, readers_share_a_file)
{
    write_sample("shared.lnk");
    std::int32_t error = -1;
    const std::int32_t first = open_linkage("shared.lnk", 0, &error);
    EXPECT_EQ(error, 0);
    const std::int32_t second = open_linkage("shared.lnk", 0, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(close_linkage(first), 0);
    EXPECT_EQ(close_linkage(second), 0);
}

TEST_F(dll_share_modes, a_file_being_read_cannot_be_written_and_keeps_its_bytes)
{
    write_sample("read.lnk");
    const std::string before = read_file_bytes("read.lnk");
    std::int32_t error = -1;
    const std::int32_t reader = open_linkage("read.lnk", 0, &error);
    ASSERT_EQ(error, 0);
    open_linkage("read.lnk", 1, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(last_error_text(), cannot_open_text());
    EXPECT_EQ(read_file_bytes("read.lnk"), before);
    EXPECT_EQ(close_linkage(reader), 0);
}

TEST_F(dll_share_modes, a_file_being_written_cannot_be_opened_again)
{
    std::int32_t error = -1;
    const std::int32_t writer = open_linkage("written.lnk", 1, &error);
    ASSERT_EQ(error, 0);
    open_linkage("written.lnk", 1, &error);
    EXPECT_EQ(error, 512);
    open_linkage("written.lnk", 0, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(close_linkage(writer), 0);

    // Once closed, the file is open to all again.
    const std::int32_t reader = open_linkage("written.lnk", 0, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(close_linkage(reader), 0);
}
