// Handle numbering and the open count of the session, through the DLL.
#include "dll_test_support.h"

using dll_handles = dll_test;

TEST_F(dll_handles, handles_count_up_and_are_never_reused)
{
    std::int32_t error = -1;
    EXPECT_EQ(open_linkage("1.lnk", 1, &error), 1);
    EXPECT_EQ(open_linkage("2.lnk", 1, &error), 2);
    EXPECT_EQ(open_linkage("3.lnk", 1, &error), 3);
    EXPECT_EQ(close_linkage(2), 0);
    EXPECT_EQ(open_linkage("4.lnk", 1, &error), 4);
}

TEST_F(dll_handles, failed_open_takes_no_number_but_keeps_the_session)
{
    std::int32_t error = -1;
    EXPECT_EQ(open_linkage("1.lnk", 1, &error), 1);
    open_linkage("missing.lnk", 0, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(open_linkage("2.lnk", 1, &error), 2);

    // Three opens, two closes: the failed open still holds the session.
    EXPECT_EQ(close_linkage(1), 0);
    EXPECT_EQ(close_linkage(2), 0);
    EXPECT_EQ(open_linkage("3.lnk", 1, &error), 3);
}

TEST_F(dll_handles, closing_twice_destroys_the_session_with_the_other_dataset)
{
    std::int32_t error = -1;
    const std::int32_t first = open_linkage("first.lnk", 1, &error);
    const std::int32_t second = open_linkage("second.lnk", 1, &error);
    EXPECT_EQ(close_linkage(first), 0);
    EXPECT_EQ(close_linkage(first), 513);

    // The second dataset went without its close step: no header offset.
    EXPECT_EQ(read_file_bytes("second.lnk"), std::string(8, '\0'));
    std::int32_t segments = 0;
    _twgetnumsegments(&second, &segments, &error);
    EXPECT_EQ(error, 513);
    EXPECT_EQ(open_linkage("third.lnk", 1, &error), 1);
}

TEST_F(dll_handles, closing_a_write_handle_completes_its_file)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("closed.lnk", 1, &error);
    ASSERT_EQ(close_linkage(handle), 0);
    const std::string bytes = read_file_bytes("closed.lnk");
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x08\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(8, 4), std::string("\x00\x10\x00\x20", 4));
}
