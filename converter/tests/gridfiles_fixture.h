// In-process setting for the grid-file steps: a scratch working directory,
// the paths and file names of module bentha_input, and a grid whose valid
// cells the test marks.  Each test runs in its own process, so the shared
// state starts fresh every time.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "bentha_input.h"
#include "support/scratch_workdir.h"
#include "vars.h"

class grid_files_test : public ::testing::Test {
protected:
    void use_grid(int im, int jm, int km)
    {
        vars.basepath = dir.path().string();
        vars.inputpath = dir.path().string() + "/input/";
        vars.outputpath = dir.path().string() + "/output/";
        vars.im = im;
        vars.jm = jm;
        vars.km = km;
        vars.validcell.allocate(im, jm, km);
        vars.validcell.fill(0);
        set_bentha_file_names();
    }

    // Columns into which some segment maps (layer 1).
    void mark_valid_columns(const std::vector<std::pair<int, int>>& columns)
    {
        for (const auto& column : columns) vars.validcell(column.first, column.second, 1) = 1;
    }

    std::vector<std::string> output_lines(const std::string& name) const
    {
        return crlf_lines(dir.read("output/" + name));
    }

    scratch_workdir dir;
};

// Inside a death test: the console goes where the death test can match it.
inline void console_to_stderr()
{
    dup2(2, 1);
}
