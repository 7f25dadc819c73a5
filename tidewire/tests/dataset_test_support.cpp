#include "dataset_test_support.h"

#include <cstring>

#include "byte_order.h"

float sample_segment_value(int32_t m, int32_t c, int32_t e)
{
    return 100.0f * m + 10.0f * c + e + 0.5f;
}

float sample_flow_value(int32_t m, int32_t c, int32_t e)
{
    return -1000.0f * (m + 1) - 10.0f * c - e;
}

void fill_sample_header(tidewire_data& dataset)
{
    dataset.setlanguage(1);
    dataset.setcreator(1);
    dataset.setseedmoment(3, 5, 2019, 6, 4, 9);
    dataset.setvartimestep(1);
    dataset.sethydtimestep(30.0f);
    dataset.setupdateint(2.5f);
    dataset.sethydtokelvaratio(120);
    dataset.setnumlayers(4);
    dataset.setnumsegments(sample_shape::segments);
    dataset.setnumsegconsts(sample_shape::segment_constituents);
    dataset.setnumflowpaths(sample_shape::flow_paths);
    dataset.setnumfpconsts(sample_shape::flow_constituents);
    dataset.setsegname(1, "I=1 J=1 K=1");
    dataset.setsegname(2, "I=2 J=1 K=1");
    dataset.setsegname(3, "");
    dataset.setsegconsttype(1, 1);
    dataset.setsegconsttype(2, 4);
    dataset.setfpconsttype(1, 7);
    dataset.setflowpath(1, 1, 2, 1);
    dataset.setflowpath(2, 0, -3, 3);
    dataset.adddescription(5, "abc");
    dataset.adddescription(-2, "second description");
}

void complete_sample_moment(tidewire_data& dataset, int32_t m)
{
    for (int32_t c = 0; c < sample_shape::segment_constituents; ++c) {
        std::vector<float> values;
        for (int32_t e = 0; e < sample_shape::segments; ++e) values.push_back(sample_segment_value(m, c, e));
        dataset.setseginfo(c + 1, values.data());
    }
    for (int32_t c = 0; c < sample_shape::flow_constituents; ++c) {
        std::vector<float> values;
        for (int32_t e = 0; e < sample_shape::flow_paths; ++e) values.push_back(sample_flow_value(m, c, e));
        dataset.setflowinfo(c + 1, values.data());
    }
    dataset.settimestep(m == 0 ? 0.5f : 0.25f);
    dataset.momentcomplete();
}

void write_sample_file(const std::string& path)
{
    tidewire_data dataset(path, 1);
    fill_sample_header(dataset);
    for (int32_t m = 0; m < sample_shape::moments; ++m) complete_sample_moment(dataset, m);
    dataset.write_header();
}

std::vector<float> segment_values_of(const tidewire_data& dataset, int32_t index, int32_t count)
{
    std::vector<float> values(static_cast<std::size_t>(count), -1.0f);
    dataset.getseginfo(index, values.data());
    return values;
}

std::vector<float> flow_values_of(const tidewire_data& dataset, int32_t index, int32_t count)
{
    std::vector<float> values(static_cast<std::size_t>(count), -1.0f);
    dataset.getflowinfo(index, values.data());
    return values;
}

int32_t int32_at(const bytes& content, std::size_t offset)
{
    return decode_int32_le(content.data() + offset);
}

float float_at(const bytes& content, std::size_t offset)
{
    const uint32_t bits = decode_uint32_le(content.data() + offset);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void put_int32_at(bytes& content, std::size_t offset, int32_t value)
{
    encode_int32_le(content.data() + offset, value);
}

std::string dataset_failure_text(int32_t line, const std::string& function, const std::string& message)
{
    return failure_text(unit::dataset, line, function, message);
}

std::string open_failure_text(const std::string& message)
{
    return dataset_failure_text(dataset_line::cannot_open, "tidewire_data::tidewire_data", message);
}
