#include "table_records.h"

#include "genericio.h"
#include "value_io.h"

// Each reader reads every field into a local first, so that a record whose
// bytes run out keeps the values it had.

flow_data::flow_data() : from_seg(0), to_seg(0), direction(0) {}

flow_data::flow_data(std::int32_t from_seg, std::int32_t to_seg, std::int32_t direction)
    : from_seg(from_seg), to_seg(to_seg), direction(direction)
{
}

void flow_data::read(file_stream& stream)
{
    std::int32_t stored_from_seg;
    std::int32_t stored_to_seg;
    std::int32_t stored_direction;
    read_value(stream, stored_from_seg);
    read_value(stream, stored_to_seg);
    read_value(stream, stored_direction);
    from_seg = stored_from_seg;
    to_seg = stored_to_seg;
    direction = stored_direction;
}

void flow_data::write(file_stream& stream) const
{
    write_value(stream, from_seg);
    write_value(stream, to_seg);
    write_value(stream, direction);
}

segment_data::segment_data() = default;

void segment_data::read(file_stream& stream)
{
    input_string(stream, name);
}

void segment_data::write(file_stream& stream) const
{
    output_string(stream, name);
}

flow_constituent_data::flow_constituent_data() : type(0) {}

void flow_constituent_data::read(file_stream& stream)
{
    read_value(stream, type);
}

void flow_constituent_data::write(file_stream& stream) const
{
    write_value(stream, type);
}

segment_constituent_data::segment_constituent_data() : type(0) {}

void segment_constituent_data::read(file_stream& stream)
{
    read_value(stream, type);
}

void segment_constituent_data::write(file_stream& stream) const
{
    write_value(stream, type);
}
