#include "linkage_writer.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "tidewire.h"

namespace bay {

namespace {

constexpr int32_t write_mode = 1;
constexpr int32_t language_from_one = 1;
constexpr int32_t creator_torva = 1;
constexpr int32_t temperature_type = 4;  // the type that makes a reader take temperature and salinity

void check(int32_t error, const char* call)
{
    if (error == 0) return;
    char text[4096] = {};
    _twgetlasterror(text);
    throw std::runtime_error(std::string(call) + " failed (" + std::to_string(error) + "): " + text);
}

void write_header(int32_t handle)
{
    int32_t error = 0;
    _twsetlanguage(&handle, &language_from_one, &error);
    check(error, "_twsetlanguage");
    _twsetcreator(&handle, &creator_torva, &error);
    check(error, "_twsetcreator");
    const int32_t month = 6, day = 1, year = 2021, hour = 0, minute = 0, second = 0;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    check(error, "_twsetseedmoment");
    // 30-second model steps, 120 of them to one stored moment: hourly moments.
    const float hydrodynamic_step = 30.0f, update_interval = 3600.0f;
    const int32_t steps_per_moment = 120, fixed_step = 0, layers = km;
    _twsethydtimestep(&handle, &hydrodynamic_step, &error);
    check(error, "_twsethydtimestep");
    _twsetupdateint(&handle, &update_interval, &error);
    check(error, "_twsetupdateint");
    _twsethydtokelvaratio(&handle, &steps_per_moment, &error);
    check(error, "_twsethydtokelvaratio");
    _twsetvartimestep(&handle, &fixed_step, &error);
    check(error, "_twsetvartimestep");
    _twsetnumlayers(&handle, &layers, &error);
    check(error, "_twsetnumlayers");
    const int32_t note = 1;
    for (const char* text : {"Example bay: a synthetic tidal estuary for the converter",
                             "Three days of hourly moments, layer 1 at the surface"}) {
        _twadddescription(&handle, &note, text, &error);
        check(error, "_twadddescription");
    }
}

void write_tables(int32_t handle, const model& bay)
{
    int32_t error = 0;
    const int32_t segments = static_cast<int32_t>(bay.segments().size());
    _twsetnumsegments(&handle, &segments, &error);
    check(error, "_twsetnumsegments");
    for (int32_t n = 1; n <= segments; ++n) {
        const segment& s = bay.segments()[static_cast<std::size_t>(n - 1)];
        const std::string name = "I=" + std::to_string(s.i) + " J=" + std::to_string(s.j) + " K=" + std::to_string(s.k);
        _twsetsegname(&handle, &n, name.c_str(), &error);
        check(error, "_twsetsegname");
    }

    const int32_t paths = static_cast<int32_t>(bay.flow_paths().size());
    _twsetnumflowpaths(&handle, &paths, &error);
    check(error, "_twsetnumflowpaths");
    for (int32_t n = 1; n <= paths; ++n) {
        const flow_path& path = bay.flow_paths()[static_cast<std::size_t>(n - 1)];
        _twsetflowpath(&handle, &n, &path[0], &path[1], &path[2], &error);
        check(error, "_twsetflowpath");
    }

    // Volume, layer depth, velocity, temperature, salinity.
    const int32_t segment_types[] = {1, 2, 3, temperature_type, 5};
    const int32_t segment_constituents = 5;
    _twsetnumsegconsts(&handle, &segment_constituents, &error);
    check(error, "_twsetnumsegconsts");
    for (int32_t c = 1; c <= segment_constituents; ++c) {
        _twsetsegconsttype(&handle, &c, &segment_types[c - 1], &error);
        check(error, "_twsetsegconsttype");
    }
    // Flow, current speed, dispersion.
    const int32_t flow_constituents = 3;
    _twsetnumfpconsts(&handle, &flow_constituents, &error);
    check(error, "_twsetnumfpconsts");
    for (int32_t c = 1; c <= flow_constituents; ++c) {
        _twsetfpconsttype(&handle, &c, &c, &error);
        check(error, "_twsetfpconsttype");
    }
}

void write_moment(int32_t handle, const model& bay, int hour)
{
    int32_t error = 0;
    const float one_hour_in_days = 1.0f / 24.0f;
    _twsettimestep(&handle, &one_hour_in_days, &error);
    check(error, "_twsettimestep");
    const std::vector<float> segment_values[] = {bay.volumes(hour), bay.layer_depths(hour), bay.velocities(hour),
                                                 bay.temperatures(hour), bay.salinities(hour)};
    for (int32_t c = 1; c <= 5; ++c) {
        _twsetseginfo(&handle, &c, segment_values[c - 1].data(), &error);
        check(error, "_twsetseginfo");
    }
    const std::vector<float> flow_values[] = {bay.flows(hour), bay.speeds(hour), bay.dispersions(hour)};
    for (int32_t c = 1; c <= 3; ++c) {
        _twsetflowinfo(&handle, &c, flow_values[c - 1].data(), &error);
        check(error, "_twsetflowinfo");
    }
    _twmomentcomplete(&handle, &error);
    check(error, "_twmomentcomplete");
}

}  // namespace

void write_linkage_file(const model& bay, const std::string& path)
{
    int32_t handle = 0, error = 0;
    _twopen(path.c_str(), &write_mode, &handle, &error);
    check(error, "_twopen");
    try {
        write_header(handle);
        write_tables(handle, bay);
        for (int hour = 0; hour < moments; ++hour) write_moment(handle, bay, hour);
    } catch (...) {
        _twclose(&handle, &error);
        throw;
    }
    _twclose(&handle, &error);
    check(error, "_twclose");
}

}  // namespace bay
