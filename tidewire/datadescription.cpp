#include "datadescription.h"

#include "genericio.h"
#include "record_tables.h"
#include "value_io.h"

#include <utility>

data_description_entry::data_description_entry() : type(0) {}

data_description_entry::data_description_entry(std::int32_t type, const std::string& text) : type(type), text(text) {}

void data_description_entry::read(file_stream& stream)
{
    std::int32_t stored_type;
    std::string stored_text;
    read_value(stream, stored_type);
    input_string(stream, stored_text);
    type = stored_type;
    text = std::move(stored_text);
}

void data_description_entry::write(file_stream& stream) const
{
    write_value(stream, type);
    output_string(stream, text);
}

void data_description_type::read(file_stream& stream)
{
    read_table(stream, entries);
}

void data_description_type::write(file_stream& stream) const
{
    write_table(stream, entries);
}
