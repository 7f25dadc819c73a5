#include "export_writer.h"

#include <stdexcept>

#include "tidewire.h"

namespace bench {

namespace {

constexpr int32_t write_mode = 1;
constexpr int32_t language_from_one = 1;
constexpr int32_t creator_torva = 1;

}  // namespace

void check_export(int32_t error, const char* call)
{
    if (error == 0) return;
    char text[4096] = {};
    _twgetlasterror(text);
    throw std::runtime_error(std::string(call) + " failed (" + std::to_string(error) + "): " + text);
}

export_writer::export_writer(const estuary_case& estuary, const std::string& path, int32_t compression_level)
{
    int32_t error = 0;
    _twopen(path.c_str(), &write_mode, &handle, &error);
    check_export(error, "_twopen");
    open = true;
    try {
        write_header(estuary, compression_level);
        write_tables(estuary);
    } catch (...) {
        _twclose(&handle, &error);
        throw;
    }
}

export_writer::~export_writer()
{
    if (!open) return;
    int32_t error = 0;
    _twclose(&handle, &error);
}

void export_writer::write_header(const estuary_case& estuary, int32_t compression_level)
{
    int32_t error = 0;
    _twsetlanguage(&handle, &language_from_one, &error);
    check_export(error, "_twsetlanguage");
    _twsetcreator(&handle, &creator_torva, &error);
    check_export(error, "_twsetcreator");
    _twsetcompressionlevel(&handle, &compression_level, &error);
    check_export(error, "_twsetcompressionlevel");
    const int32_t month = 3, day = 1, year = 2024, hour = 0, minute = 0, second = 0;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    check_export(error, "_twsetseedmoment");
    // 30-second model steps, 120 to one stored moment: hourly moments.
    const float model_step = 30.0f, update_interval = 3600.0f;
    const int32_t ratio = 120, fixed_step = 0, layers = estuary.size().km;
    _twsethydtimestep(&handle, &model_step, &error);
    check_export(error, "_twsethydtimestep");
    _twsetupdateint(&handle, &update_interval, &error);
    check_export(error, "_twsetupdateint");
    _twsethydtokelvaratio(&handle, &ratio, &error);
    check_export(error, "_twsethydtokelvaratio");
    _twsetvartimestep(&handle, &fixed_step, &error);
    check_export(error, "_twsetvartimestep");
    _twsetnumlayers(&handle, &layers, &error);
    check_export(error, "_twsetnumlayers");
    const int32_t note = 1;
    _twadddescription(&handle, &note, "Benchmark estuary: a synthetic tidal case", &error);
    check_export(error, "_twadddescription");
}

void export_writer::write_tables(const estuary_case& estuary)
{
    int32_t error = 0;
    const int32_t segments = static_cast<int32_t>(estuary.segments().size());
    _twsetnumsegments(&handle, &segments, &error);
    check_export(error, "_twsetnumsegments");
    for (int32_t n = 1; n <= segments; ++n) {
        const std::string name = estuary.segment_name(static_cast<std::size_t>(n - 1));
        _twsetsegname(&handle, &n, name.c_str(), &error);
        check_export(error, "_twsetsegname");
    }
    const int32_t paths = static_cast<int32_t>(estuary.flow_paths().size());
    _twsetnumflowpaths(&handle, &paths, &error);
    check_export(error, "_twsetnumflowpaths");
    for (int32_t n = 1; n <= paths; ++n) {
        const flow_path& path = estuary.flow_paths()[static_cast<std::size_t>(n - 1)];
        _twsetflowpath(&handle, &n, &path[0], &path[1], &path[2], &error);
        check_export(error, "_twsetflowpath");
    }
    // Type 4 makes the converter take temperature and salinity.
    const int32_t segment_types[estuary_case::segment_constituents] = {1, 2, 3, 4, 5};
    const int32_t segment_constituents = estuary_case::segment_constituents;
    _twsetnumsegconsts(&handle, &segment_constituents, &error);
    check_export(error, "_twsetnumsegconsts");
    for (int32_t c = 1; c <= segment_constituents; ++c) {
        _twsetsegconsttype(&handle, &c, &segment_types[c - 1], &error);
        check_export(error, "_twsetsegconsttype");
    }
    const int32_t flow_constituents = estuary_case::flow_constituents;
    _twsetnumfpconsts(&handle, &flow_constituents, &error);
    check_export(error, "_twsetnumfpconsts");
    for (int32_t c = 1; c <= flow_constituents; ++c) {
        _twsetfpconsttype(&handle, &c, &c, &error);
        check_export(error, "_twsetfpconsttype");
    }
}

void export_writer::complete_moment(const moment_values& values)
{
    int32_t error = 0;
    _twsettimestep(&handle, &values.time_step, &error);
    check_export(error, "_twsettimestep");
    for (int32_t c = 1; c <= estuary_case::segment_constituents; ++c) {
        _twsetseginfo(&handle, &c, values.segment[static_cast<std::size_t>(c - 1)].data(), &error);
        check_export(error, "_twsetseginfo");
    }
    for (int32_t c = 1; c <= estuary_case::flow_constituents; ++c) {
        _twsetflowinfo(&handle, &c, values.flow[static_cast<std::size_t>(c - 1)].data(), &error);
        check_export(error, "_twsetflowinfo");
    }
    _twmomentcomplete(&handle, &error);
    check_export(error, "_twmomentcomplete");
}

void export_writer::close()
{
    int32_t error = 0;
    open = false;
    _twclose(&handle, &error);
    check_export(error, "_twclose");
}

void write_case_file(const estuary_case& estuary, const std::string& path, int32_t compression_level)
{
    export_writer writer(estuary, path, compression_level);
    moment_values values(estuary);
    for (int moment = 0; moment < estuary.size().moments; ++moment) {
        values.fill(estuary, moment);
        writer.complete_moment(values);
    }
    writer.close();
}

}  // namespace bench
