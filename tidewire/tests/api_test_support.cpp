#include "api_test_support.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

void api_test::SetUp()
{
    std::error_code failure;
    previous_directory = fs::current_path(failure).string();
    ASSERT_FALSE(failure) << failure.message();
    const fs::path base = fs::temp_directory_path(failure);
    ASSERT_FALSE(failure) << failure.message();

    // A name no other test process has taken: create_directory says whether
    // this call made the directory.
    const auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 1000 && directory.empty(); ++attempt) {
        const fs::path candidate = base / ("tidewire_api_" + std::to_string(seed + attempt));
        if (fs::create_directory(candidate, failure)) directory = candidate.string();
    }
    ASSERT_FALSE(directory.empty()) << "no temporary directory could be made in " << base;
    fs::current_path(directory, failure);
    ASSERT_FALSE(failure) << failure.message();
}

void api_test::TearDown()
{
    std::error_code failure;
    if (!previous_directory.empty()) {
        fs::current_path(previous_directory, failure);
        EXPECT_FALSE(failure) << failure.message();
    }
    // The directory is left for inspection only when a test failed.
    if (!HasFailure() && !directory.empty()) fs::remove_all(directory, failure);
}

std::string api_test::read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void api_test::write_file(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

bool api_test::file_exists(const std::string& path)
{
    std::error_code failure;
    return fs::exists(path, failure);
}

std::string api_test::last_error()
{
    std::vector<char> text(1 << 16, 'x');
    _twgetlasterror(text.data());
    return text.data();
}

int32_t api_test::open_ok(const char* file_name, int32_t mode)
{
    int32_t handle = -77;
    int32_t error = -1;
    _twopen(file_name, &mode, &handle, &error);
    EXPECT_EQ(error, 0) << last_error();
    return handle;
}

void api_test::close_ok(int32_t handle)
{
    int32_t error = -1;
    _twclose(&handle, &error);
    EXPECT_EQ(error, 0) << last_error();
}

bool starts_with(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool ends_with(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void fill_a_large_frame(int32_t handle)
{
    int32_t error = 0;
    const int32_t segments = 1 << 18, one = 1, first = 0;
    _twsetnumsegments(&handle, &segments, &error);
    _twsetnumsegconsts(&handle, &one, &error);
    _twsetnumflowpaths(&handle, &one, &error);
    _twsetnumfpconsts(&handle, &one, &error);
    std::vector<float> values(segments);
    uint32_t state = 12345;
    for (float& value : values) {
        state = state * 1664525u + 1013904223u;
        value = static_cast<float>(state >> 8);
    }
    _twsetseginfo(&handle, &first, values.data(), &error);
    ASSERT_EQ(error, 0);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

float sample_run::segment_value(int32_t moment, int32_t constituent, int32_t segment)
{
    return 100.0f * static_cast<float>(moment) + 10.0f * static_cast<float>(constituent) + static_cast<float>(segment) +
           0.5f;
}

float sample_run::flow_value(int32_t moment, int32_t constituent, int32_t path)
{
    return -(1000.0f * static_cast<float>(moment) + 10.0f * static_cast<float>(constituent) + static_cast<float>(path) +
             0.25f);
}

void sample_run::write(const char* file_name)
{
    const int32_t handle = api_test::open_ok(file_name, 1);
    int32_t error = -1;
    auto ok = [&error] { EXPECT_EQ(error, 0) << api_test::last_error(); };

    const int32_t language = 1, creator = 1;
    _twsetlanguage(&handle, &language, &error), ok();
    _twsetcreator(&handle, &creator, &error), ok();
    const int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error), ok();
    _twsetnumsegments(&handle, &segments, &error), ok();
    _twsetnumsegconsts(&handle, &segment_constituents, &error), ok();
    _twsetnumflowpaths(&handle, &flow_paths, &error), ok();
    _twsetnumfpconsts(&handle, &flow_constituents, &error), ok();

    const char* names[segments] = {"I=1 J=1 K=1", "I=2 J=1 K=1", "I=1 J=2 K=1"};
    for (int32_t segment = 1; segment <= segments; ++segment)
        _twsetsegname(&handle, &segment, names[segment - 1], &error), ok();
    const int32_t segment_types[segment_constituents] = {1, 4};
    for (int32_t constituent = 1; constituent <= segment_constituents; ++constituent)
        _twsetsegconsttype(&handle, &constituent, &segment_types[constituent - 1], &error), ok();
    const int32_t flow_type = 7, first = 1;
    _twsetfpconsttype(&handle, &first, &flow_type, &error), ok();
    const int32_t paths[flow_paths][3] = {{1, 2, 1}, {0, 3, 2}};
    for (int32_t path = 1; path <= flow_paths; ++path) {
        const int32_t* record = paths[path - 1];
        _twsetflowpath(&handle, &path, &record[0], &record[1], &record[2], &error), ok();
    }

    const int32_t variable = 0, ratio = 120, layers = 1;
    const float hydrodynamic_step = 30.0f, update_interval = 3600.0f;
    _twsetvartimestep(&handle, &variable, &error), ok();
    _twsethydtimestep(&handle, &hydrodynamic_step, &error), ok();
    _twsetupdateint(&handle, &update_interval, &error), ok();
    _twsethydtokelvaratio(&handle, &ratio, &error), ok();
    _twsetnumlayers(&handle, &layers, &error), ok();
    const int32_t text_type = 2;
    _twadddescription(&handle, &text_type, "sample run", &error), ok();

    for (int32_t moment = 0; moment < moments; ++moment) {
        for (int32_t constituent = 1; constituent <= segment_constituents; ++constituent) {
            float values[segments];
            for (int32_t segment = 0; segment < segments; ++segment)
                values[segment] = segment_value(moment, constituent, segment);
            _twsetseginfo(&handle, &constituent, values, &error), ok();
        }
        float flows[flow_paths];
        for (int32_t path = 0; path < flow_paths; ++path) flows[path] = flow_value(moment, 1, path);
        _twsetflowinfo(&handle, &first, flows, &error), ok();
        const float step = time_step(moment);
        _twsettimestep(&handle, &step, &error), ok();
        _twmomentcomplete(&handle, &error), ok();
    }
    api_test::close_ok(handle);
}
