// Support for the tests of the exports: each test runs in a process of its
// own (one per test case) and in a fresh temporary directory, because the
// library's state and LOG.TXT are process-wide and LOG.TXT goes to the
// current directory.
#ifndef TIDEWIRE_TESTS_API_TEST_SUPPORT_H
#define TIDEWIRE_TESTS_API_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tidewire.h"

class api_test : public ::testing::Test {
public:
    // The whole content of a file, or "" when it cannot be read.
    static std::string read_file(const std::string& path);
    static void write_file(const std::string& path, const std::string& content);
    static bool file_exists(const std::string& path);
    static std::string log_text() { return read_file("LOG.TXT"); }

    // The current last-error text.
    static std::string last_error();

    // Opens a file that must open; returns its handle.
    static int32_t open_ok(const char* file_name, int32_t mode);
    static void close_ok(int32_t handle);

protected:
    // Makes a fresh temporary directory and makes it the current directory.
    void SetUp() override;
    void TearDown() override;

    std::string directory;

private:
    std::string previous_directory;
};

// A small linkage file written through the exports, as a model writes one:
// 3 segments, 2 segment constituents, 2 flow paths, 1 flow-path constituent,
// two moments of 0.5 and 0.25 days. Returns nothing; the file is closed.
struct sample_run {
    static constexpr int32_t segments = 3;
    static constexpr int32_t segment_constituents = 2;
    static constexpr int32_t flow_paths = 2;
    static constexpr int32_t flow_constituents = 1;
    static constexpr int32_t moments = 2;

    // The value of a segment constituent (1-based) of a segment (0-based) at a
    // moment (0-based), and the same for the flow side.
    static float segment_value(int32_t moment, int32_t constituent, int32_t segment);
    static float flow_value(int32_t moment, int32_t constituent, int32_t path);
    static float time_step(int32_t moment) { return moment == 0 ? 0.5f : 0.25f; }

    static void write(const char* file_name);
};

// Sets one segment, segment constituent, flow path and flow-path constituent
// count on an open write dataset and fills a frame of 1 MB of varied values,
// whose compression takes milliseconds.
void fill_a_large_frame(int32_t handle);

// Text checks for EXPECT_PRED2, which prints both texts when one fails.
bool starts_with(const std::string& text, const std::string& start);
bool ends_with(const std::string& text, const std::string& end);
bool contains(const std::string& text, const std::string& part);

#endif
