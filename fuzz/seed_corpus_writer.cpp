// Writes the seed corpus of the linkage reader target: small linkage files
// of several shapes, made through the library's own exports.
//
// Usage: seed_corpus_writer DIRECTORY   (made when missing)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "scratch_directory.h"
#include "tidewire.h"

namespace {

[[noreturn]] void give_up(const char* call, int32_t error)
{
    char text[1024] = {0};
    _twgetlasterror(text);
    std::fprintf(stderr, "seed_corpus_writer: %s failed with %d: %s\n", call, error, text);
    std::exit(1);
}

// One linkage file being written; every call must succeed.
class seed_file {
public:
    explicit seed_file(const std::string& path)
    {
        int32_t mode = 1;
        _twopen(path.c_str(), &mode, &handle_, &error_);
        check("_twopen");
        int32_t language = 1;
        _twsetlanguage(&handle_, &language, &error_);
        check("_twsetlanguage");
    }

    void set_header(int32_t creator, int32_t var_time_step, float hyd_time_step, int32_t layers)
    {
        _twsetcreator(&handle_, &creator, &error_);
        check("_twsetcreator");
        int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
        _twsetseedmoment(&handle_, &month, &day, &year, &hour, &minute, &second, &error_);
        check("_twsetseedmoment");
        _twsetvartimestep(&handle_, &var_time_step, &error_);
        check("_twsetvartimestep");
        _twsethydtimestep(&handle_, &hyd_time_step, &error_);
        check("_twsethydtimestep");
        float update = 1.0f / 24;
        _twsetupdateint(&handle_, &update, &error_);
        check("_twsetupdateint");
        int32_t ratio = 12;
        _twsethydtokelvaratio(&handle_, &ratio, &error_);
        check("_twsethydtokelvaratio");
        _twsetnumlayers(&handle_, &layers, &error_);
        check("_twsetnumlayers");
    }

    void add_description(int32_t id, const std::string& text)
    {
        _twadddescription(&handle_, &id, text.c_str(), &error_);
        check("_twadddescription");
    }

    // Segments named by their cell, a column of layers per (I, J).
    void set_segments(int32_t count, int32_t layers, int32_t constituents, int32_t temperature_type_at)
    {
        _twsetnumsegments(&handle_, &count, &error_);
        check("_twsetnumsegments");
        for (int32_t s = 1; s <= count; ++s) {
            int32_t column = (s - 1) / layers;
            std::string name = "I=" + std::to_string(column % 3 + 1) + " J=" + std::to_string(column / 3 + 1) +
                               " K=" + std::to_string((s - 1) % layers + 1);
            _twsetsegname(&handle_, &s, name.c_str(), &error_);
            check("_twsetsegname");
        }
        _twsetnumsegconsts(&handle_, &constituents, &error_);
        check("_twsetnumsegconsts");
        for (int32_t c = 1; c <= constituents; ++c) {
            int32_t type = c == temperature_type_at ? 4 : c;
            _twsetsegconsttype(&handle_, &c, &type, &error_);
            check("_twsetsegconsttype");
        }
        segments_ = count;
        segment_constituents_ = constituents;
    }

    void set_segment_name(int32_t index, const std::string& name)
    {
        _twsetsegname(&handle_, &index, name.c_str(), &error_);
        check("_twsetsegname");
    }

    void set_flow_paths(int32_t count, int32_t constituents)
    {
        _twsetnumflowpaths(&handle_, &count, &error_);
        check("_twsetnumflowpaths");
        for (int32_t p = 1; p <= count; ++p) {
            // Every fourth path leads to the boundary (segment 0).
            int32_t from_seg = p, to_seg = p % 4 == 0 ? 0 : p + 1, direction = (p - 1) % 3 + 1;
            _twsetflowpath(&handle_, &p, &from_seg, &to_seg, &direction, &error_);
            check("_twsetflowpath");
        }
        _twsetnumfpconsts(&handle_, &constituents, &error_);
        check("_twsetnumfpconsts");
        for (int32_t c = 1; c <= constituents; ++c) {
            _twsetfpconsttype(&handle_, &c, &c, &error_);
            check("_twsetfpconsttype");
        }
        flow_paths_ = count;
        flow_constituents_ = constituents;
    }

    void set_compression_level(int32_t level)
    {
        _twsetcompressionlevel(&handle_, &level, &error_);
        check("_twsetcompressionlevel");
    }

    // Fills every constituent of the current moment with values that change
    // from moment to moment, then completes it.
    void complete_moment(int32_t moment, float time_step)
    {
        std::vector<float> values(static_cast<std::size_t>(std::max(segments_, flow_paths_)) + 1);
        for (int32_t c = 1; c <= segment_constituents_; ++c) {
            for (std::size_t e = 0; e < values.size(); ++e) values[e] = moment * 100.0f + c * 10.0f + e * 0.5f;
            _twsetseginfo(&handle_, &c, values.data(), &error_);
            check("_twsetseginfo");
        }
        for (int32_t c = 1; c <= flow_constituents_; ++c) {
            for (std::size_t e = 0; e < values.size(); ++e) values[e] = -moment * 10.0f - c - e * 0.25f;
            _twsetflowinfo(&handle_, &c, values.data(), &error_);
            check("_twsetflowinfo");
        }
        _twsettimestep(&handle_, &time_step, &error_);
        check("_twsettimestep");
        _twmomentcomplete(&handle_, &error_);
        check("_twmomentcomplete");
    }

    void close()
    {
        _twclose(&handle_, &error_);
        check("_twclose");
    }

    // Ends the session without this file's close step, as a writer that
    // stopped mid-run leaves it: the header offset stays 0 and no header block
    // is written. Closing a handle that is not open lowers the open count to 0.
    void abandon()
    {
        int32_t never_issued = -1;
        _twclose(&never_issued, &error_);
    }

private:
    void check(const char* call)
    {
        if (error_ != 0) give_up(call, error_);
    }

    int32_t handle_ = 0;
    int32_t error_ = 0;
    int32_t segments_ = 0;
    int32_t segment_constituents_ = 0;
    int32_t flow_paths_ = 0;
    int32_t flow_constituents_ = 0;
};

void write_empty(const std::string& dir)
{
    seed_file file(dir + "/empty.lnk");
    file.close();
}

void write_one_of_each(const std::string& dir)
{
    seed_file file(dir + "/one_of_each.lnk");
    file.set_header(1, 0, 3600.0f, 1);
    file.set_segments(1, 1, 1, 0);
    file.set_flow_paths(1, 1);
    file.complete_moment(1, 1.0f / 24);
    file.close();
}

void write_torva_like(const std::string& dir)
{
    seed_file file(dir + "/torva_like.lnk");
    file.set_header(1, 0, 3600.0f, 2);
    file.add_description(1, "TORVA run of the bay");
    file.add_description(2, "");
    file.set_segments(6, 2, 3, 0);
    file.set_flow_paths(8, 3);
    for (int32_t m = 1; m <= 3; ++m) file.complete_moment(m, 1.0f / 24);
    file.close();
}

void write_with_temperature(const std::string& dir)
{
    seed_file file(dir + "/temperature.lnk");
    file.set_header(1, 0, 1800.0f, 1);
    file.set_segments(3, 1, 5, 4);
    file.set_flow_paths(2, 3);
    for (int32_t m = 1; m <= 2; ++m) file.complete_moment(m, 0.5f);
    file.close();
}

void write_variable_time_step(const std::string& dir)
{
    seed_file file(dir + "/variable_step.lnk");
    file.set_header(4, 1, 60.0f, 1);
    file.set_segments(2, 1, 3, 0);
    file.set_flow_paths(1, 3);
    file.complete_moment(1, 0.25f);
    file.complete_moment(2, 0.5f);
    file.close();
}

void write_stored_uncompressed(const std::string& dir)
{
    seed_file file(dir + "/level_0.lnk");
    file.set_header(2, 0, 900.0f, 1);
    file.set_compression_level(0);
    file.set_segments(4, 1, 3, 3);
    file.set_flow_paths(3, 3);
    for (int32_t m = 1; m <= 2; ++m) file.complete_moment(m, 0.125f);
    file.close();
}

void write_long_texts(const std::string& dir)
{
    seed_file file(dir + "/long_texts.lnk");
    file.set_header(21, 0, 3600.0f, 1);
    file.add_description(7, std::string(200, 'd'));
    file.set_segments(2, 1, 3, 0);
    file.set_segment_name(2, "I=1 J=1 K=1 " + std::string(300, 'n'));
    file.set_flow_paths(1, 3);
    file.complete_moment(1, 1.0f);
    file.close();
}

// A count set back to 0 keeps its side's buffers: the last frame carries the
// old segment values again, and a reader passes that stream over.
void write_segments_back_to_zero(const std::string& dir)
{
    seed_file file(dir + "/segments_back_to_zero.lnk");
    file.set_header(1, 0, 3600.0f, 1);
    file.set_segments(2, 1, 2, 0);
    file.set_flow_paths(2, 2);
    for (int32_t m = 1; m <= 2; ++m) file.complete_moment(m, 1.0f / 24);
    file.set_segments(0, 1, 2, 0);
    file.complete_moment(3, 1.0f / 24);
    file.close();
}

void write_never_closed(const std::string& dir)
{
    seed_file file(dir + "/never_closed.lnk");
    file.set_header(1, 0, 3600.0f, 1);
    file.set_segments(2, 1, 3, 0);
    file.set_flow_paths(2, 3);
    for (int32_t m = 1; m <= 2; ++m) file.complete_moment(m, 1.0f / 24);
    file.abandon();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seed_corpus_writer DIRECTORY\n");
        return 2;
    }
    std::string dir = argv[1];
    std::error_code failure;
    std::filesystem::create_directories(dir, failure);
    dir = std::filesystem::absolute(dir, failure).string();
    if (failure) {
        std::fprintf(stderr, "seed_corpus_writer: %s: %s\n", argv[1], failure.message().c_str());
        return 1;
    }
    if (chdir(tidewire_fuzz::scratch_directory().c_str()) != 0) return 1;  // keeps LOG.TXT out of the corpus
    write_empty(dir);
    write_one_of_each(dir);
    write_torva_like(dir);
    write_with_temperature(dir);
    write_variable_time_step(dir);
    write_stored_uncompressed(dir);
    write_long_texts(dir);
    write_segments_back_to_zero(dir);
    write_never_closed(dir);
    return 0;
}
