// Tables of records in the linkage file: an int32 count n, then the n records
// in table order. An empty table is four zero bytes.
#ifndef TIDEWIRE_RECORD_TABLES_H
#define TIDEWIRE_RECORD_TABLES_H

#include "datadescription.h"
#include "file_stream.h"
#include "table_records.h"

#include <vector>

// Reading: the count is taken as unsigned 32-bit. Before the table is
// touched, a count that is negative as an int32 throws table_size_exception
// (a std::bad_alloc); any other count whose records cannot fit in the bytes
// left in the file throws table_count_exception (an input_exception: the file
// is damaged); a count beyond the table's max_size() throws
// table_size_exception. A table that cannot be allocated throws
// std::bad_alloc. Otherwise the table is resized to the count and each
// record is read in turn; a record that cannot be read throws
// input_exception, leaving the table resized and filled up to that record.
// After success the table equals the file's table, whatever it held before.
void read_table(file_stream& stream, std::vector<flow_data>& table);
void read_table(file_stream& stream, std::vector<segment_data>& table);
void read_table(file_stream& stream, std::vector<flow_constituent_data>& table);
void read_table(file_stream& stream, std::vector<segment_constituent_data>& table);
void read_table(file_stream& stream, std::vector<data_description_entry>& table);

// Writing: the count, then each record. Throws output_exception when the
// stream does not take every byte, or when the table has more records than an
// int32 count can give.
void write_table(file_stream& stream, const std::vector<flow_data>& table);
void write_table(file_stream& stream, const std::vector<segment_data>& table);
void write_table(file_stream& stream, const std::vector<flow_constituent_data>& table);
void write_table(file_stream& stream, const std::vector<segment_constituent_data>& table);
void write_table(file_stream& stream, const std::vector<data_description_entry>& table);

#endif
