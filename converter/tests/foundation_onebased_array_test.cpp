// The state's array type: 1-based, I fastest, one contiguous block, and the
// program faults that end the run.
#include <gtest/gtest.h>

#include "fixed_text.h"
#include "onebased_array.h"
#include "precmod.h"

TEST(OnebasedArray, FirstIndexRunsFastestInOneBlock)
{
    onebased_array<int4, 3> cells("cells");
    cells.allocate(4, 3, 2);
    ASSERT_EQ(cells.size(), 24u);
    cells.fill(0);
    cells(2, 1, 1) = 1;
    cells(1, 2, 1) = 2;
    cells(1, 1, 2) = 3;
    cells(4, 3, 2) = 4;
    EXPECT_EQ(cells.data()[1], 1);
    EXPECT_EQ(cells.data()[4], 2);
    EXPECT_EQ(cells.data()[12], 3);
    EXPECT_EQ(cells.data()[23], 4);
    EXPECT_EQ(cells.extent(1), 4u);
    EXPECT_EQ(cells.extent(3), 2u);
}

TEST(OnebasedArray, TwoAndOneIndexes)
{
    onebased_array<real4, 2> columns("columns");
    columns.allocate(3, 2);
    columns.fill(-9999.0f);
    columns(3, 2) = 1.5f;
    EXPECT_EQ(columns.data()[5], 1.5f);
    EXPECT_EQ(columns(1, 1), -9999.0f);

    onebased_array<fixed_text<30>, 1> texts("texts");
    texts.allocate(2);
    EXPECT_EQ(texts(2).trimmed(), "");
    texts(1) = "1/1/2010 0:00:00";
    EXPECT_EQ(texts(1).trimmed(), "1/1/2010 0:00:00");
}

TEST(OnebasedArray, NegativeOrZeroExtentsGiveAnEmptyArray)
{
    onebased_array<int4, 3> grid("grid");
    grid.allocate(-9999, 3, 3);
    EXPECT_TRUE(grid.allocated());
    EXPECT_EQ(grid.size(), 0u);
    EXPECT_EXIT(grid(1, 1, 1), testing::ExitedWithCode(2), "grid");
}

TEST(OnebasedArray, SecondAllocationEndsTheRun)
{
    onebased_array<int4, 1> validseg("validseg");
    validseg.allocate(3);
    EXPECT_EXIT(validseg.allocate(3), testing::ExitedWithCode(2), "validseg.*already allocated");
}

TEST(OnebasedArray, IndexOutsideTheExtentsEndsTheRun)
{
    onebased_array<int4, 2> nza("nza");
    nza.allocate(2, 2);
    EXPECT_EXIT(nza(0, 1), testing::ExitedWithCode(2), "nza");
    EXPECT_EXIT(nza(1, 3), testing::ExitedWithCode(2), "nza");
}

TEST(OnebasedArray, UseBeforeAllocationEndsTheRun)
{
    onebased_array<real4, 1> buffer("buffer");
    EXPECT_EXIT(buffer(1), testing::ExitedWithCode(2), "buffer.*not allocated");
}

TEST(OnebasedArray, SizeBeyondMemoryEndsTheRun)
{
    onebased_array<real8, 3> huge("huge");
    EXPECT_EXIT(huge.allocate(2147483647, 2147483647, 2147483647), testing::ExitedWithCode(2),
                "huge.*cannot be allocated");
}
