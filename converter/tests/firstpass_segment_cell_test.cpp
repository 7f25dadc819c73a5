// Reading a segment's cell from its packed name.
#include <gtest/gtest.h>

#include "segment_cell.h"

namespace {

segment_cell parse(const std::string& packed)
{
    return parse_segment_cell(packed);
}

void expect_cell(const std::string& packed, int32_t i, int32_t j, int32_t k)
{
    const segment_cell cell = parse(packed);
    EXPECT_EQ(cell.failure, segment_parse_failure::none) << packed;
    EXPECT_EQ(cell.i, i) << packed;
    EXPECT_EQ(cell.j, j) << packed;
    EXPECT_EQ(cell.k, k) << packed;
}

void expect_failure(const std::string& packed, segment_parse_failure failure)
{
    EXPECT_EQ(parse(packed).failure, failure) << packed;
}

TEST(FirstpassSegmentCell, ReadsTheThreeIndexes)
{
    expect_cell("I=3J=12K=1", 3, 12, 1);
    expect_cell("I=120J=7K=40", 120, 7, 40);
}

TEST(FirstpassSegmentCell, KeepsTheLongestReadablePrefixOfTheKPart)
{
    expect_cell("I=1J=1K=4)", 1, 1, 4);
    expect_cell("I=1J=1K=12x", 1, 1, 12);
    // Only five characters of the K part count.
    expect_cell("I=1J=1K=1234567", 1, 1, 12345);
}

TEST(FirstpassSegmentCell, EmptyPartsReadAsZero)
{
    expect_cell("I=J=2K=3", 0, 2, 3);
    expect_cell("I=1J=K=3", 1, 0, 3);
    expect_cell("I=1J=2K=", 1, 2, 0);
    // A marker at the very end of the 30 characters leaves no K part.
    expect_cell("SEGMENTNAMEPADDINGXXYYI=1J=2K=", 1, 2, 0);
}

TEST(FirstpassSegmentCell, IAndJMayCarryASignButKMayNot)
{
    expect_cell("I=-3J=+4K=1", -3, 4, 1);
    expect_failure("I=1J=1K=-1", segment_parse_failure::k_index);
    expect_failure("I=1J=1K=+1", segment_parse_failure::k_index);
    expect_failure("I=-J=1K=1", segment_parse_failure::i_index);
}

TEST(FirstpassSegmentCell, OtherCharactersFailTheirIndex)
{
    expect_failure("I=3aJ=1K=1", segment_parse_failure::i_index);
    expect_failure("I=3J=1.5K=1", segment_parse_failure::j_index);
    expect_failure("I=3J=1K=x1", segment_parse_failure::k_index);
    // Without a K marker the K part starts at the second character.
    expect_failure("I=3J=4", segment_parse_failure::k_index);
}

TEST(FirstpassSegmentCell, LongIAndJPartsCountOnlyFiveCharacters)
{
    expect_cell("I=1234567J=2K=3", 12345, 2, 3);
    expect_failure("I=1234x67J=2K=3", segment_parse_failure::i_index);
}

TEST(FirstpassSegmentCell, ReadI5FollowsTheIntegerEdit)
{
    int32_t value = 77;
    EXPECT_TRUE(read_i5("", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(read_i5("   ", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(read_i5(" - 4", value));
    EXPECT_EQ(value, -4);
    EXPECT_TRUE(read_i5("-9999", value));
    EXPECT_EQ(value, -9999);
    EXPECT_FALSE(read_i5("4-", value));
    EXPECT_FALSE(read_i5("+", value));
    EXPECT_EQ(value, -9999);
}

}  // namespace
