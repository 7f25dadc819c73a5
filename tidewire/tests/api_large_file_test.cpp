// A linkage file whose segment table is larger in memory than any table a
// 32-bit process could hold, written and read back through the exports: the
// reader takes every count that the file holds, whatever a record's size in
// memory. The table takes over 2 GB here, so this test runs alone.
#include "api_test_support.h"

namespace {

using api_large_file = api_test;

// More segments than 2^31 bytes hold in 40-byte records.
constexpr int32_t many_segments = 54000000;

TEST_F(api_large_file, a_file_of_54_million_segments_reads_back)
{
    const int32_t writer = open_ok("large.lnk", 1);
    const int32_t one = 1, last = many_segments - 1;
    int32_t error = -1;
    _twsetnumsegments(&writer, &many_segments, &error);
    ASSERT_EQ(error, 0) << last_error();
    for (auto set_count : {_twsetnumsegconsts, _twsetnumflowpaths, _twsetnumfpconsts}) {
        set_count(&writer, &one, &error);
        ASSERT_EQ(error, 0) << last_error();
    }
    _twsetsegname(&writer, &last, "last", &error);
    _twmomentcomplete(&writer, &error);
    ASSERT_EQ(error, 0) << last_error();
    close_ok(writer);

    const int32_t reader = open_ok("large.lnk", 0);
    int32_t segments = 0, moments = 0;
    char name[8] = "";
    _twgetnumsegments(&reader, &segments, &error);
    EXPECT_EQ(segments, many_segments);
    _twgetnummoments(&reader, &moments, &error);
    EXPECT_EQ(moments, 1);
    _twgetsegname(&reader, &last, name, &error);
    EXPECT_STREQ(name, "last");
    close_ok(reader);
}

}  // namespace
