#include "export_reader.h"

#include "export_writer.h"
#include "tidewire.h"

namespace bench {

export_reader::export_reader(const std::string& path)
{
    const int32_t read_mode = 0, language_from_one = 1;
    int32_t error = 0;
    _twopen(path.c_str(), &read_mode, &handle, &error);
    if (error != 0) {
        // A failed open counts like any other: close it again.
        int32_t ignored = 0;
        _twclose(&handle, &ignored);
        check_export(error, "_twopen");
    }
    open = true;
    _twsetlanguage(&handle, &language_from_one, &error);
    check_export(error, "_twsetlanguage");
    _twgetnummoments(&handle, &moment_count, &error);
    check_export(error, "_twgetnummoments");
}

export_reader::~export_reader()
{
    if (!open) return;
    int32_t error = 0;
    _twclose(&handle, &error);
}

void export_reader::read_moment(moment_values& values)
{
    int32_t error = 0;
    _twgettimestep(&handle, &values.time_step, &error);
    check_export(error, "_twgettimestep");
    for (int32_t c = 1; c <= estuary_case::segment_constituents; ++c) {
        _twgetseginfo(&handle, &c, values.segment[static_cast<std::size_t>(c - 1)].data(), &error);
        check_export(error, "_twgetseginfo");
    }
    for (int32_t c = 1; c <= estuary_case::flow_constituents; ++c) {
        _twgetflowinfo(&handle, &c, values.flow[static_cast<std::size_t>(c - 1)].data(), &error);
        check_export(error, "_twgetflowinfo");
    }
}

void export_reader::next_moment()
{
    int32_t error = 0;
    _twmomentcomplete(&handle, &error);
    check_export(error, "_twmomentcomplete");
}

void export_reader::close()
{
    int32_t error = 0;
    open = false;
    _twclose(&handle, &error);
    check_export(error, "_twclose");
}

}  // namespace bench
