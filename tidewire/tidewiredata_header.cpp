// The dataset's header accessors: language, creator, descriptions, counts,
// names, types and the plain header fields.
#include "tidewiredata.h"

#include <cstring>
#include <new>
#include <stdexcept>

#include "dataset_failures.h"
#include "tidewire_exception.h"

namespace {

bool accepted_creator(int32_t creator)
{
    switch (creator) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
        case 12:
        case 13:
        case 14:
        case 15:
        case 18:
        case 19:
        case 21:
            return true;
        default:
            return false;
    }
}

// Copies `text` and its NUL into a caller's buffer, which the caller sizes.
void copy_text(const std::string& text, char* buffer)
{
    std::memcpy(buffer, text.c_str(), text.size() + 1);
}

const char* text_or_empty(const char* text)
{
    return text ? text : "";
}

// Resizes a table to a count taken from a caller.  A count whose frame of
// one constituent could not exist on `side` (a negative count among them,
// taken unsigned) cannot be allocated on any build: it is refused before the
// table is touched, so that no table of hundreds of millions of records is
// built only for the frame buffers to fail after it.
template <class table_type>
void resize_table(table_type& table, int32_t count, const frame_buffers& side, int32_t line, const char* function,
                  const char* name)
{
    const auto fail = [&] {
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            line, function,
            std::string("Insufficient memory to resize the ") + name + " to " +
                std::to_string(static_cast<uint32_t>(count)) + " entries");
    };
    if (!side.can_hold(static_cast<uint32_t>(count))) fail();
    try {
        table.resize(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        fail();
    } catch (const std::length_error&) {
        fail();
    }
}

uint32_t count_of(std::size_t size)
{
    return static_cast<uint32_t>(size);
}

// Once moments are written, refuses counts that the frames in the file do
// not have (frame_shape.h), before anything changes.
void check_written_counts(bool frames_written, const frame_shape& proposed, const frame_shape& current,
                          const frame_shape& written, int32_t line, const char* function, const char* elements_name,
                          const char* constituents_name)
{
    if (!frames_written || keeps_written_frames(proposed, current, written)) return;
    throw_dataset_failure<tidewire_invalid_index_exception>(
        line, function,
        "The moments already written have " + std::to_string(written.elements) + " " + elements_name + " and " +
            std::to_string(written.constituents) + " " + constituents_name +
            ": a count can only be set to its value there or to 0");
}

}  // namespace

void tidewire_data::check_segment_counts(const frame_shape& proposed, int32_t line, const char* function) const
{
    const frame_shape current{count_of(segments.size()), count_of(segment_constituents.size())};
    check_written_counts(mode == 1 && frame_count > 0, proposed, current, segment_shape, line, function, "segments",
                         "segment constituents");
}

void tidewire_data::check_flow_counts(const frame_shape& proposed, int32_t line, const char* function) const
{
    const frame_shape current{count_of(flow_paths.size()), count_of(flow_constituents.size())};
    check_written_counts(mode == 1 && frame_count > 0, proposed, current, flow_shape, line, function, "flow paths",
                         "flow path constituents");
}

uint32_t tidewire_data::table_index(int32_t index, std::size_t count, int32_t line, const char* function) const
{
    // An index below the base wraps to a large number and fails like one past
    // the end.
    const uint32_t position = static_cast<uint32_t>(index) - static_cast<uint32_t>(index_base);
    if (position >= count)
        throw_dataset_failure<tidewire_invalid_index_exception>(line, function, "Index out of range");
    return position;
}

void tidewire_data::setlanguage(int32_t code)
{
    if (code != 0 && code != 1)
        throw_dataset_failure<tidewire_invalid_language_exception>(
            dataset_line::setlanguage, "tidewire_data::setlanguage", "Invalid language specified");
    index_base = code;
    language = code;
}

void tidewire_data::getlanguage(int32_t& code) const
{
    code = language;
}

void tidewire_data::setcreator(int32_t code)
{
    if (!accepted_creator(code))
        throw_dataset_failure<tidewire_invalid_creator_exception>(dataset_line::setcreator, "tidewire_data::setcreator",
                                                                  "Invalid creator specified");
    creator = code;
}

void tidewire_data::getcreator(int32_t& code) const
{
    code = creator;
}

void tidewire_data::adddescription(int32_t type, const char* text)
{
    try {
        descriptions.entries.emplace_back(type, text_or_empty(text));
    } catch (const std::bad_alloc&) {
        throw_dataset_failure<tidewire_memory_exhausted_exception>(dataset_line::adddescription,
                                                                   "tidewire_data::adddescription",
                                                                   "Insufficient memory to store the description");
    }
}

void tidewire_data::getnumdescriptions(int32_t& count) const
{
    count = static_cast<int32_t>(descriptions.entries.size());
}

void tidewire_data::getdescription(int32_t index, int32_t& type, char* text) const
{
    const uint32_t position =
        table_index(index, descriptions.entries.size(), dataset_line::getdescription, "tidewire_data::getdescription");
    const data_description_entry& entry = descriptions.entries[position];
    type = entry.type;
    copy_text(entry.text, text);
}

void tidewire_data::setnumsegments(int32_t count)
{
    check_segment_counts({static_cast<uint32_t>(count), count_of(segment_constituents.size())},
                         dataset_line::setnumsegments_after_frames, "tidewire_data::setnumsegments");
    resize_table(segments, count, segment_side, dataset_line::setnumsegments, "tidewire_data::setnumsegments",
                 "segment table");
    reallocate_segment_buffers();
}

void tidewire_data::getnumsegments(int32_t& count) const
{
    count = static_cast<int32_t>(segments.size());
}

void tidewire_data::setnumflowpaths(int32_t count)
{
    check_flow_counts({static_cast<uint32_t>(count), count_of(flow_constituents.size())},
                      dataset_line::setnumflowpaths_after_frames, "tidewire_data::setnumflowpaths");
    resize_table(flow_paths, count, flow_side, dataset_line::setnumflowpaths, "tidewire_data::setnumflowpaths",
                 "flow path table");
    reallocate_flow_buffers();
}

void tidewire_data::getnumflowpaths(int32_t& count) const
{
    count = static_cast<int32_t>(flow_paths.size());
}

void tidewire_data::setnumsegconsts(int32_t count)
{
    check_segment_counts({count_of(segments.size()), static_cast<uint32_t>(count)},
                         dataset_line::setnumsegconsts_after_frames, "tidewire_data::setnumsegconsts");
    resize_table(segment_constituents, count, segment_side, dataset_line::setnumsegconsts,
                 "tidewire_data::setnumsegconsts", "segment constituent table");
    reallocate_segment_buffers();
}

void tidewire_data::getnumsegconsts(int32_t& count) const
{
    count = static_cast<int32_t>(segment_constituents.size());
}

void tidewire_data::setnumfpconsts(int32_t count)
{
    check_flow_counts({count_of(flow_paths.size()), static_cast<uint32_t>(count)},
                      dataset_line::setnumfpconsts_after_frames, "tidewire_data::setnumfpconsts");
    resize_table(flow_constituents, count, flow_side, dataset_line::setnumfpconsts, "tidewire_data::setnumfpconsts",
                 "flow path constituent table");
    reallocate_flow_buffers();
}

void tidewire_data::getnumfpconsts(int32_t& count) const
{
    count = static_cast<int32_t>(flow_constituents.size());
}

void tidewire_data::setsegname(int32_t index, const char* name)
{
    const uint32_t position =
        table_index(index, segments.size(), dataset_line::setsegname, "tidewire_data::setsegname");
    try {
        segments[position].name = text_or_empty(name);
    } catch (const std::bad_alloc&) {
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            dataset_line::setsegname, "tidewire_data::setsegname", "Insufficient memory to store the segment name");
    }
}

void tidewire_data::getsegname(int32_t index, char* name) const
{
    const uint32_t position =
        table_index(index, segments.size(), dataset_line::getsegname, "tidewire_data::getsegname");
    copy_text(segments[position].name, name);
}

void tidewire_data::setsegconsttype(int32_t index, int32_t type)
{
    const uint32_t position = table_index(index, segment_constituents.size(), dataset_line::setsegconsttype,
                                          "tidewire_data::setsegconsttype");
    segment_constituents[position].type = type;
}

void tidewire_data::getsegconsttype(int32_t index, int32_t& type) const
{
    const uint32_t position = table_index(index, segment_constituents.size(), dataset_line::getsegconsttype,
                                          "tidewire_data::getsegconsttype");
    type = segment_constituents[position].type;
}

void tidewire_data::setfpconsttype(int32_t index, int32_t type)
{
    const uint32_t position =
        table_index(index, flow_constituents.size(), dataset_line::setfpconsttype, "tidewire_data::setfpconsttype");
    flow_constituents[position].type = type;
}

void tidewire_data::getfpconsttype(int32_t index, int32_t& type) const
{
    const uint32_t position =
        table_index(index, flow_constituents.size(), dataset_line::getfpconsttype, "tidewire_data::getfpconsttype");
    type = flow_constituents[position].type;
}

void tidewire_data::setvartimestep(int32_t flag)
{
    var_time_step = flag;
}
void tidewire_data::getvartimestep(int32_t& flag) const
{
    flag = var_time_step;
}
void tidewire_data::sethydtimestep(float step)
{
    hyd_time_step = step;
}
void tidewire_data::gethydtimestep(float& step) const
{
    step = hyd_time_step;
}
void tidewire_data::setupdateint(float interval)
{
    update_interval = interval;
}
void tidewire_data::getupdateint(float& interval) const
{
    interval = update_interval;
}
void tidewire_data::sethydtokelvaratio(int32_t ratio)
{
    hyd_to_kelva_ratio = ratio;
}
void tidewire_data::gethydtokelvaratio(int32_t& ratio) const
{
    ratio = hyd_to_kelva_ratio;
}
void tidewire_data::setnumlayers(int32_t layers)
{
    num_layers = layers;
}
void tidewire_data::getnumlayers(int32_t& layers) const
{
    layers = num_layers;
}
void tidewire_data::settimestep(float step)
{
    time_step = step;
}
void tidewire_data::gettimestep(float& step) const
{
    step = time_step;
}
void tidewire_data::getnummoments(int32_t& count) const
{
    count = num_moments;
}
void tidewire_data::setcompressionlevel(int32_t level)
{
    compression_level = level;
}
void tidewire_data::getcompfact(float& factor) const
{
    factor = compression_factor;
}
