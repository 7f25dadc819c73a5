// Write faults: a writer whose file stops growing part-way (the process's
// file-size limit, with SIGXFSZ ignored, makes every write past it fail)
// must hear of it from _twmomentcomplete or _twclose, and the file it leaves
// must never open as a valid linkage file.
//
// A reference run without a limit gives the file's size after each moment;
// then, for every limit below the full size, a child process writes the same
// file under that limit and reports the error codes it got.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "reliability_scratch.h"
#include "tidewire.h"

namespace {

const int32_t kMoments = 3;
const char kFileName[] = "limited.lnk";

struct write_outcome {
    int32_t open_error = -1;
    int32_t moment_errors[kMoments] = {-1, -1, -1};
    int32_t close_error = -1;
    int64_t size_after_moment[kMoments] = {0, 0, 0};
};

int64_t file_size(const char* name)
{
    struct stat info;
    return stat(name, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

// Values that deflate poorly, so that every frame takes a few hundred bytes.
std::vector<float> noisy_values(std::size_t count, uint32_t seed)
{
    std::vector<float> values(count);
    for (float& value : values) {
        seed = seed * 1664525u + 1013904223u;
        value = static_cast<float>(seed >> 8) / 1024.0f;
    }
    return values;
}

// A small TORVA-like file: 6 segments, 5 flow paths, 3 constituents a side,
// kMoments moments. Every export's error code goes into the outcome; calls
// go on after a failure, as a careless writer's would.
write_outcome write_sample(const char* name)
{
    write_outcome outcome;
    int32_t mode = 1, handle = 0, error = 0, one = 1;
    _twopen(name, &mode, &handle, &outcome.open_error);
    _twsetlanguage(&handle, &one, &error);
    _twsetcreator(&handle, &one, &error);
    int32_t month = 1, day = 2, year = 2003, hour = 0, minute = 0, second = 0;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    int32_t segments = 6, flow_paths = 5, constituents = 3;
    _twsetnumsegments(&handle, &segments, &error);
    _twsetnumsegconsts(&handle, &constituents, &error);
    _twsetnumflowpaths(&handle, &flow_paths, &error);
    _twsetnumfpconsts(&handle, &constituents, &error);
    for (int32_t s = 1; s <= segments; ++s) {
        std::string segment_name = "I=" + std::to_string(s) + " J=1 K=1";
        _twsetsegname(&handle, &s, segment_name.c_str(), &error);
    }
    for (int32_t p = 1; p <= flow_paths; ++p) {
        int32_t to_seg = p + 1, direction = 1;
        _twsetflowpath(&handle, &p, &p, &to_seg, &direction, &error);
    }
    int32_t id = 1;
    _twadddescription(&handle, &id, "write fault sample", &error);
    float step = 1.0f / 24;
    _twsettimestep(&handle, &step, &error);
    for (int32_t m = 0; m < kMoments; ++m) {
        for (int32_t c = 1; c <= constituents; ++c) {
            std::vector<float> segment_values = noisy_values(segments, 100u * m + c);
            std::vector<float> flow_values = noisy_values(flow_paths, 1000u * m + c);
            _twsetseginfo(&handle, &c, segment_values.data(), &error);
            _twsetflowinfo(&handle, &c, flow_values.data(), &error);
        }
        _twmomentcomplete(&handle, &outcome.moment_errors[m]);
        outcome.size_after_moment[m] = file_size(name);
    }
    _twclose(&handle, &outcome.close_error);
    return outcome;
}

// Writes the sample in a child process whose files cannot grow beyond
// `limit` bytes. The child's outcome comes back through a pipe.
write_outcome write_sample_with_limit(rlim_t limit)
{
    int channel[2];
    if (pipe(channel) != 0) ADD_FAILURE() << "pipe failed";
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit rl = {limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        write_outcome outcome = write_sample(kFileName);
        ssize_t written = write(channel[1], &outcome, sizeof outcome);
        _exit(written == static_cast<ssize_t>(sizeof outcome) ? 0 : 1);
    }
    close(channel[1]);
    write_outcome outcome;
    ssize_t got = read(channel[0], &outcome, sizeof outcome);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer child died, limit " << limit;
    EXPECT_EQ(got, static_cast<ssize_t>(sizeof outcome)) << "limit " << limit;
    return outcome;
}

// A read-mode open of the file must fail; the open is always closed again so
// that the session ends.
int32_t open_error_of(const char* name)
{
    int32_t mode = 0, handle = 0, error = 0, close_error = 0;
    _twopen(name, &mode, &handle, &error);
    _twclose(&handle, &close_error);
    return error;
}

class write_fault_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        reference_ = write_sample(kFileName);
        ASSERT_EQ(reference_.open_error, 0);
        for (int32_t error : reference_.moment_errors) ASSERT_EQ(error, 0);
        ASSERT_EQ(reference_.close_error, 0);
        full_size_ = file_size(kFileName);
        // Each region that the limits walk through is there and not empty.
        ASSERT_GT(reference_.size_after_moment[0], 8);
        ASSERT_GT(reference_.size_after_moment[kMoments - 1], reference_.size_after_moment[0]);
        ASSERT_GT(full_size_, reference_.size_after_moment[kMoments - 1]);
        ASSERT_EQ(open_error_of(kFileName), 0) << "the unlimited sample must read back";
    }

    // Checks one limit: the first moment that needed bytes beyond it and every
    // moment after it fail, the moments before it succeed, the close fails,
    // and the file left behind does not open.
    void check_limit(int64_t limit)
    {
        SCOPED_TRACE("file-size limit " + std::to_string(limit) + " of " + std::to_string(full_size_));
        write_outcome outcome = write_sample_with_limit(static_cast<rlim_t>(limit));
        if (outcome.open_error == 0) {
            bool crossed = false;
            for (int32_t m = 0; m < kMoments; ++m) {
                crossed = crossed || reference_.size_after_moment[m] > limit;
                if (crossed) {
                    EXPECT_NE(outcome.moment_errors[m], 0) << "moment " << m + 1 << " reported success";
                } else {
                    EXPECT_EQ(outcome.moment_errors[m], 0) << "moment " << m + 1 << " within the limit failed";
                }
            }
            EXPECT_NE(outcome.close_error, 0) << "close of an incomplete file reported success";
        }
        EXPECT_NE(open_error_of(kFileName), 0) << "an incomplete file opened as valid";
    }

    reliability_scratch scratch_;
    write_outcome reference_;
    int64_t full_size_ = 0;
};

TEST_F(write_fault_test, limit_inside_placeholder_or_first_frame)
{
    for (int64_t limit = 0; limit < reference_.size_after_moment[0]; ++limit) check_limit(limit);
}

TEST_F(write_fault_test, limit_inside_later_frames)
{
    for (int64_t limit = reference_.size_after_moment[0]; limit < reference_.size_after_moment[kMoments - 1]; ++limit)
        check_limit(limit);
}

TEST_F(write_fault_test, limit_inside_header_block)
{
    for (int64_t limit = reference_.size_after_moment[kMoments - 1]; limit < full_size_; ++limit) check_limit(limit);
}

TEST_F(write_fault_test, limit_at_full_size_changes_nothing)
{
    write_outcome outcome = write_sample_with_limit(static_cast<rlim_t>(full_size_));
    EXPECT_EQ(outcome.open_error, 0);
    for (int32_t error : outcome.moment_errors) EXPECT_EQ(error, 0);
    EXPECT_EQ(outcome.close_error, 0);
    EXPECT_EQ(open_error_of(kFileName), 0);
}

}  // namespace
