// The second pass on its own, in a child process: a linkage file that cannot
// be opened, and an nz.dat that is missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "failure_text.h"
#include "run_steps.h"
#include "support/linkage_file_builder.h"
#include "support/scratch_workdir.h"
#include "vars.h"

namespace {

using lines = std::vector<std::string>;

// A 256-character field as the converter prints it: the name (or the
// library's text), a NUL, blanks.
std::string name_field(const std::string& name)
{
    std::string field = name + '\0';
    field.resize(256, ' ');
    return field;
}

class second_pass_alone : public testing::Test {
protected:
    // Runs tidewire_read in the working directory, its console going to a file.
    void run_second_pass(const std::string& linkage_name)
    {
        const std::string console = (dir.path() / "console.txt").string();
        if (chdir(dir.path().c_str()) != 0 || std::freopen(console.c_str(), "w", stdout) == nullptr) std::abort();
        vars.basepath = dir.path().string();
        vars.outputpath = dir.path().string() + "/output/";
        vars.hydrofil = name_field(linkage_name);
        vars.im = 2, vars.jm = 1, vars.km = 1, vars.numseg = 2;
        tidewire_read();
    }
    lines console() const { return crlf_lines(dir.read("console.txt")); }

    scratch_workdir dir;
};

TEST_F(second_pass_alone, AFileThatCannotBeOpenedIsReportedAndEndsTheRun)
{
    EXPECT_EXIT(run_second_pass("gone.hyd"), testing::ExitedWithCode(0), "");
    const lines shown = console();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(lines(shown.begin(), shown.begin() + 6),
              (lines{" Selected hydrofile: " + name_field("gone.hyd"), " Itw_mode =            0",
                     " Itw_handle =            0", " ierror =            0",
                     " Opened hydrofile for Tidewire_Read: " + name_field("gone.hyd"),
                     " Hydrodynami! Interface File not Found" + name_field("gone.hyd")}));
    EXPECT_EQ(shown[6], " " + name_field(cannot_open_text()));
    EXPECT_EQ(crlf_lines(dir.read("hydrofile.out")), (lines{shown[4]}));
}

TEST_F(second_pass_alone, AMissingNzDatEndsTheRunWithAReadError)
{
    linkage_file_content content;
    content.segment_names = {cell_name(1, 1, 1), cell_name(2, 1, 1)};
    content.flow_paths = {{1, 2, 1}};
    write_linkage_file((dir.path() / "run.hyd").string(), content);
    vars.validseg.allocate(2);
    vars.validseg.fill(1);
    EXPECT_EXIT(run_second_pass("run.hyd"), testing::ExitedWithCode(2), "nz.dat");
}

}  // namespace
