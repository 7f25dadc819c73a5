// A whole torvautil run in a scratch working directory, on a linkage file
// written through the library.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/linkage_file_builder.h"
#include "support/scratch_workdir.h"
#include "support/standard_grid.h"
#include "support/torvautil_process.h"

class torvautil_run_test : public ::testing::Test {
protected:
    void write_linkage(const std::string& name = "run.hyd")
    {
        write_linkage_file((dir.path() / name).string(), content);
    }

    // The answers of the first pass, then those the rest of the run may ask
    // for (layer 1 is the surface, every moment, Enter).
    torvautil_run run(std::vector<std::string> first_pass_answers)
    {
        std::vector<std::string> answers{"Y"};
        answers.insert(answers.end(), first_pass_answers.begin(), first_pass_answers.end());
        for (const char* later : {"y", "1", ""}) answers.push_back(later);
        return run_torvautil(dir.path(), answers);
    }

    scratch_workdir dir;
    linkage_file_content content;
};

// A 32-bit integer item of a free-form line: right-aligned in 11.
inline std::string integer_item(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%11d", value);
    return text;
}

// A text in a 30-character field.
inline std::string field30(std::string text)
{
    text.resize(30, ' ');
    return text;
}
