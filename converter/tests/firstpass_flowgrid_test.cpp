// The grid routines of the second pass: nz.dat read back, cell numbering and
// removedCells.txt; and removenuls for the names in SegmentError.txt.
#include <gtest/gtest.h>

#include <filesystem>

#include "flowgrid.h"
#include "gridfiles_fixture.h"

namespace {

using lines = std::vector<std::string>;

TEST(FirstpassRemovenuls, BlanksEverythingFromTheFirstNul)
{
    const std::string name("I=3J=1K=1\0xyz", 13);
    EXPECT_EQ(std::string(removenuls(fixed_text<30>(name)).view()), "I=3J=1K=1" + std::string(21, ' '));
    // No NUL, or a NUL first: unchanged.
    EXPECT_EQ(removenuls(fixed_text<30>("I=1J=1K=1")), fixed_text<30>("I=1J=1K=1"));
    const fixed_text<30> leading(std::string("\0abc", 4));
    EXPECT_EQ(removenuls(leading), leading);
}

class flowgrid_test : public grid_files_test {
protected:
    void write_nz(const std::string& rows) { dir.write("output/nz.dat", "nz\r\n" + rows); }
};

TEST_F(flowgrid_test, ReadsOneRowPerJEvenWhenARowSpansLines)
{
    use_grid(3, 2, 4);
    write_nz(" 1  2\r\n 3 99 99\r\n 4, 0 2\r\n");
    readnzfile();
    EXPECT_EQ(vars.nza(1, 1), 1);
    EXPECT_EQ(vars.nza(2, 1), 2);
    EXPECT_EQ(vars.nza(3, 1), 3);
    // The rest of the line that completed row 1 is not read.
    EXPECT_EQ(vars.nza(1, 2), 4);
    EXPECT_EQ(vars.nza(2, 2), 0);
    EXPECT_EQ(vars.nza(3, 2), 2);
    EXPECT_EQ(std::string(vars.nzfilename.trimmed()), dir.path().string() + "/output/nz.dat");
}

TEST_F(flowgrid_test, ReadsNzBackInTheDeepestWorkingDirectory)
{
    // 192 characters: the longest working directory that leaves room for
    // "/output/" in the 200-character paths, too long for ".../output/nz.dat".
    const std::string folder(192 - dir.path().string().size() - 1, 'd');
    std::filesystem::create_directories(dir.path() / folder / "output");
    use_grid(2, 1, 1);
    vars.basepath = (dir.path() / folder).string();
    ASSERT_EQ(vars.basepath.content_length(), 192u);
    dir.write(folder + "/output/nz.dat", "nz\r\n 3  4\r\n");
    readnzfile();
    EXPECT_EQ(vars.nza(1, 1), 3);
    EXPECT_EQ(vars.nza(2, 1), 4);
}

TEST_F(flowgrid_test, MissingShortOrNonNumericNzFileEndsTheRunNamingIt)
{
    use_grid(2, 2, 1);
    EXPECT_EXIT(readnzfile(), testing::ExitedWithCode(2), "output/nz\\.dat");
    EXPECT_TRUE(dir.exists("output/nz.dat"));  // a missing file is left created, empty
    write_nz(" 1  1\r\n");
    EXPECT_EXIT(readnzfile(), testing::ExitedWithCode(2), "output/nz\\.dat");
    write_nz(" 1  1\r\n ** 1\r\n");
    EXPECT_EXIT(readnzfile(), testing::ExitedWithCode(2), "output/nz\\.dat");
}

// A 2 x 2 grid of 3 layers: column (1,1) 3 layers, (2,1) 1 layer, (1,2) none
// and invalid, (2,2) 2 layers.
void shallow_and_deep_columns()
{
    vars.nza.allocate(2, 2);
    vars.nza(1, 1) = 3;
    vars.nza(2, 1) = 1;
    vars.nza(1, 2) = 0;
    vars.nza(2, 2) = 2;
    vars.invalidcolumn.allocate(2, 2);
    vars.invalidcolumn.fill(0);
    vars.invalidcolumn(1, 2) = 1;
}

TEST_F(flowgrid_test, NumbersCellsLayerByLayerAndListsTheUnfilledOnes)
{
    use_grid(2, 2, 3);
    shallow_and_deep_columns();
    for (auto cell : {std::array<int, 3>{1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {1, 1, 3}})
        vars.validcell(cell[0], cell[1], cell[2]) = 1;
    testing::internal::CaptureStdout();
    validategrid();
    const std::string console = testing::internal::GetCapturedStdout();

    EXPECT_EQ(vars.flowgrid_numcells, 6);
    EXPECT_EQ(console, " cellnum=           6\r\n");
    const int expected[2][2][3] = {{{1, 4, 6}, {-1, -1, -1}}, {{2, -1, -1}, {3, 5, -1}}};  // [i][j][k]
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j)
            for (int k = 1; k <= 3; ++k)
                EXPECT_EQ(vars.flowcell(i, j, k), expected[i - 1][j - 1][k - 1]) << i << j << k;
    EXPECT_EQ(crlf_lines(dir.read("output/removedCells.txt")),
              (lines{" Columns to be removed at:", " (i,j)=(           1 ,           2 )",
                     " Cells to be removed at:", " (i,j,k)=(           1 ,           1 ,           2 )",
                     " (i,j,k)=(           2 ,           2 ,           2 )"}));
}

TEST_F(flowgrid_test, AFullyFilledGridListsOnlyTheHeadings)
{
    use_grid(2, 1, 1);
    vars.nza.allocate(2, 1);
    vars.nza.fill(1);
    vars.invalidcolumn.allocate(2, 1);
    vars.invalidcolumn.fill(0);
    vars.validcell.fill(1);
    dir.write("output/removedCells.txt", "old content that must go\r\n");
    validategrid();
    EXPECT_EQ(vars.flowgrid_numcells, 2);
    EXPECT_EQ(crlf_lines(dir.read("output/removedCells.txt")),
              (lines{" Columns to be removed at:", " Cells to be removed at:"}));
}

}  // namespace
