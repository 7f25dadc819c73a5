// Time.dat and Model_dim.txt, the files written at the end of a run.
#include <gtest/gtest.h>

#include "gridfiles_fixture.h"
#include "run_steps.h"

namespace {

using lines = std::vector<std::string>;

TEST_F(grid_files_test, TimeFileHoldsOneThirtyCharacterLinePerOutputStep)
{
    use_grid(1, 1, 1);
    vars.tstrarray.allocate(3);
    vars.tstrarray(1) = "1/1/2020 0:00:00";
    vars.tstrarray(2) = "1/1/2020 3:00:00";
    vars.numsteps = 2;
    timedata();
    EXPECT_EQ(dir.read("output/Time.dat"), "1/1/2020 0:00:00              \r\n1/1/2020 3:00:00              \r\n");
}

TEST_F(grid_files_test, NoOutputStepsGiveAnEmptyTimeFile)
{
    use_grid(1, 1, 1);
    vars.numsteps = 0;
    timedata();
    EXPECT_EQ(dir.read("output/Time.dat"), "");
}

TEST_F(grid_files_test, ModelDimensionsCarryTheGridAndTheDeepestColumn)
{
    use_grid(120, 2, 9);
    vars.nza.allocate(120, 2);
    vars.nza.fill(3);
    vars.nza(17, 2) = 7;
    modeldimtxt();
    EXPECT_EQ(crlf_lines(dir.read("output/Model_dim.txt")),
              (lines{"Model_dim Header", "120  !INTEGER, PARAMETER :: IM", "2  !INTEGER, PARAMETER :: JM",
                     "7  !INTEGER, PARAMETER :: nz_max", "1  !INTEGER, PARAMETER :: nospA = 1",
                     "2  !INTEGER, PARAMETER :: nospZ = 2", "1  !Which_gridio 0==fishtank 1==torva", "1970 !iYear0",
                     "0    !Number of rivers", "0    !Number of boundary cells"}));
}

}  // namespace
