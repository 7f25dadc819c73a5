#include "linkage_file_builder.h"

#include <filesystem>
#include <stdexcept>

#include "tidewire.h"

namespace {

class library_call_check {
public:
    explicit library_call_check(const std::string& path) : path_(path) {}

    void operator()(int32_t error, const char* what) const
    {
        if (error == 0) return;
        char text[4096] = {};
        _twgetlasterror(text);
        throw std::runtime_error("writing " + path_ + ": " + what + " failed with " + std::to_string(error) + ": " +
                                 text);
    }

private:
    std::string path_;
};

// The library writes LOG.TXT into the current directory at every close; the
// writer works beside the linkage file so that the log stays with the test's
// own files.
class working_directory_change {
public:
    explicit working_directory_change(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~working_directory_change()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    working_directory_change(const working_directory_change&) = delete;
    working_directory_change& operator=(const working_directory_change&) = delete;

private:
    std::filesystem::path previous_;
};

int32_t count_of(std::size_t size)
{
    return static_cast<int32_t>(size);
}

void write_header(int32_t handle, const linkage_file_content& content, const library_call_check& check)
{
    int32_t error = 0;
    const int32_t language = 1;
    _twsetlanguage(&handle, &language, &error);
    check(error, "_twsetlanguage");
    _twsetcreator(&handle, &content.creator, &error);
    check(error, "_twsetcreator");
    const auto& seed = content.seed_moment;
    _twsetseedmoment(&handle, &seed[0], &seed[1], &seed[2], &seed[3], &seed[4], &seed[5], &error);
    check(error, "_twsetseedmoment");
    _twsethydtimestep(&handle, &content.hydrodynamic_time_step, &error);
    check(error, "_twsethydtimestep");
    _twsetupdateint(&handle, &content.update_interval, &error);
    check(error, "_twsetupdateint");
    _twsethydtokelvaratio(&handle, &content.hydrodynamic_to_kelva_ratio, &error);
    check(error, "_twsethydtokelvaratio");
    _twsetnumlayers(&handle, &content.layers, &error);
    check(error, "_twsetnumlayers");
    for (const auto& description : content.descriptions) {
        _twadddescription(&handle, &description.first, description.second.c_str(), &error);
        check(error, "_twadddescription");
    }
}

void write_tables(int32_t handle, const linkage_file_content& content, const library_call_check& check)
{
    int32_t error = 0;
    const int32_t segments = count_of(content.segment_names.size());
    _twsetnumsegments(&handle, &segments, &error);
    check(error, "_twsetnumsegments");
    for (int32_t s = 1; s <= segments; ++s) {
        _twsetsegname(&handle, &s, content.segment_names[s - 1].c_str(), &error);
        check(error, "_twsetsegname");
    }
    const int32_t paths = count_of(content.flow_paths.size());
    _twsetnumflowpaths(&handle, &paths, &error);
    check(error, "_twsetnumflowpaths");
    for (int32_t p = 1; p <= paths; ++p) {
        const auto& path = content.flow_paths[p - 1];
        _twsetflowpath(&handle, &p, &path[0], &path[1], &path[2], &error);
        check(error, "_twsetflowpath");
    }
    const int32_t segment_constituents = count_of(content.segment_constituent_types.size());
    _twsetnumsegconsts(&handle, &segment_constituents, &error);
    check(error, "_twsetnumsegconsts");
    for (int32_t c = 1; c <= segment_constituents; ++c) {
        _twsetsegconsttype(&handle, &c, &content.segment_constituent_types[c - 1], &error);
        check(error, "_twsetsegconsttype");
    }
    const int32_t flow_constituents = count_of(content.flow_constituent_types.size());
    _twsetnumfpconsts(&handle, &flow_constituents, &error);
    check(error, "_twsetnumfpconsts");
    for (int32_t c = 1; c <= flow_constituents; ++c) {
        _twsetfpconsttype(&handle, &c, &content.flow_constituent_types[c - 1], &error);
        check(error, "_twsetfpconsttype");
    }
}

void write_moments(int32_t handle, const linkage_file_content& content, const library_call_check& check)
{
    // The library cannot complete a moment while either side has no values.
    if (content.segment_names.empty() || content.flow_paths.empty() || content.segment_constituent_types.empty() ||
        content.flow_constituent_types.empty())
        return;
    int32_t error = 0;
    std::vector<float> segment_values(content.segment_names.size());
    std::vector<float> flow_values(content.flow_paths.size());
    for (int32_t moment = 0; moment < content.moments; ++moment) {
        _twsettimestep(&handle, &content.moment_step_days, &error);
        check(error, "_twsettimestep");
        for (int32_t c = 1; c <= count_of(content.segment_constituent_types.size()); ++c) {
            for (std::size_t s = 0; s < segment_values.size(); ++s)
                segment_values[s] = content.segment_value(moment, c, count_of(s));
            _twsetseginfo(&handle, &c, segment_values.data(), &error);
            check(error, "_twsetseginfo");
        }
        for (int32_t c = 1; c <= count_of(content.flow_constituent_types.size()); ++c) {
            for (std::size_t p = 0; p < flow_values.size(); ++p)
                flow_values[p] = content.flow_value(moment, c, count_of(p));
            _twsetflowinfo(&handle, &c, flow_values.data(), &error);
            check(error, "_twsetflowinfo");
        }
        _twmomentcomplete(&handle, &error);
        check(error, "_twmomentcomplete");
    }
}

}  // namespace

std::string cell_name(int i, int j, int k)
{
    return "I=" + std::to_string(i) + " J=" + std::to_string(j) + " K=" + std::to_string(k);
}

void write_linkage_file(const std::string& path, const linkage_file_content& content)
{
    const std::filesystem::path absolute = std::filesystem::absolute(path);
    const working_directory_change beside_the_file(absolute.parent_path());
    const library_call_check check(path);
    const int32_t write_mode = 1;
    int32_t handle = 0;
    int32_t error = 0;
    _twopen(absolute.string().c_str(), &write_mode, &handle, &error);
    check(error, "_twopen");
    try {
        write_header(handle, content, check);
        write_tables(handle, content, check);
        write_moments(handle, content, check);
    } catch (...) {
        _twclose(&handle, &error);
        throw;
    }
    _twclose(&handle, &error);
    check(error, "_twclose");
}
