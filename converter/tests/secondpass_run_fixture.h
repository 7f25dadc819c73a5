// Whole torvautil runs for the second pass: a scratch working directory with
// the standard grid, a linkage file written through the library, and helpers
// to find console lines and read the NetCDF files back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "firstpass_run_fixture.h"
#include "netcdf_file_reader.h"

class second_pass_run : public torvautil_run_test {
protected:
    // Y to overwrite, the file name, then the given answers.
    torvautil_run run_with(const std::vector<std::string>& later_answers)
    {
        std::vector<std::string> answers{"Y", "run.hyd"};
        answers.insert(answers.end(), later_answers.begin(), later_answers.end());
        return run_torvautil(dir.path(), answers);
    }

    std::string output(const std::string& name) const { return (dir.output() / name).string(); }

    // Every value of a file's data variable, records one after the other.
    std::vector<float> values_of(const std::string& variable) const
    {
        const netcdf_file file(output(variable + ".nc"));
        return file.floats(file.variable_id(variable.c_str()));
    }
    std::vector<double> times_of(const std::string& variable) const
    {
        const netcdf_file file(output(variable + ".nc"));
        return file.doubles(file.variable_id("Time"));
    }
};

// The console lines from the first that equals `first`, `count` of them.
inline std::vector<std::string> lines_from(const std::vector<std::string>& console, const std::string& first,
                                           std::size_t count)
{
    const auto start = std::find(console.begin(), console.end(), first);
    if (start == console.end()) return {"<no line " + first + ">"};
    return std::vector<std::string>(start, start + std::min<std::ptrdiff_t>(count, console.end() - start));
}

// A text in a field of the given width.
inline std::string field(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}
