// Helpers of the dataset tests: a small sample linkage file, reading values
// back, and checking a failure's class, code and text.
#ifndef TIDEWIRE_TESTS_DATASET_TEST_SUPPORT_H
#define TIDEWIRE_TESTS_DATASET_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dataset_failures.h"
#include "failure_text.h"
#include "scratch_files.h"
#include "tidewiredata.h"
#include "tidewire_exception.h"

// The sample: 3 segments with 2 constituents, 2 flow paths with 1
// constituent, 2 moments with steps 0.5 and 0.25 days, under language 1.
struct sample_shape {
    static constexpr int32_t segments = 3;
    static constexpr int32_t segment_constituents = 2;
    static constexpr int32_t flow_paths = 2;
    static constexpr int32_t flow_constituents = 1;
    static constexpr int32_t moments = 2;
};

// The value of constituent c (from 0) of element e (from 0) in moment m.
float sample_segment_value(int32_t m, int32_t c, int32_t e);
float sample_flow_value(int32_t m, int32_t c, int32_t e);

// Fills the header and the tables of the sample into a write-mode dataset.
void fill_sample_header(tidewire_data& dataset);
// Sets the values and step of moment m and completes it.
void complete_sample_moment(tidewire_data& dataset, int32_t m);
// Writes the whole sample file and closes it.
void write_sample_file(const std::string& path);

std::vector<float> segment_values_of(const tidewire_data& dataset, int32_t index, int32_t count);
std::vector<float> flow_values_of(const tidewire_data& dataset, int32_t index, int32_t count);

// Little-endian field access in a file's bytes.
int32_t int32_at(const bytes& content, std::size_t offset);
float float_at(const bytes& content, std::size_t offset);
void put_int32_at(bytes& content, std::size_t offset, int32_t value);

// The text of a dataset failure thrown at `line` of `function`, and of a
// file that the dataset refuses to open.
std::string dataset_failure_text(int32_t line, const std::string& function, const std::string& message);
std::string open_failure_text(const std::string& message);

// Runs `operation` and checks that it throws `failure` with `code` and the
// text of a dataset failure at `line` of `function` with `message`.
template <class failure, class operation_type>
void expect_dataset_failure(operation_type operation, int32_t code, int32_t line, const std::string& function,
                            const std::string& message)
{
    try {
        operation();
        ADD_FAILURE() << "no failure, expected " << message;
    } catch (const failure& caught) {
        EXPECT_EQ(caught.code(), code);
        EXPECT_EQ(caught.what(), dataset_failure_text(line, function, message));
    }
}

#endif
