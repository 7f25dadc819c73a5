// Writes that the file does not take (a file-size limit stands in for a full
// disk): the completion or the close step fails, with a failure that is not a
// library application exception, and the dataset can go on afterwards.
#include "dataset_test_support.h"

#ifndef _WIN32

#include <csignal>
#include <sys/resource.h>

#include "persistence_exception.h"

namespace {

// Limits the size of the files this process writes, until destroyed.
class file_size_limit {
public:
    explicit file_size_limit(rlim_t bytes)
    {
        previous_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        struct rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~file_size_limit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previous_handler);
    }

private:
    struct rlimit previous {};
    void (*previous_handler)(int) = SIG_DFL;
};

class DatasetWriteFault : public ::testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("limited.lnk");

    // Runs `operation` and checks that it fails with a write failure.
    template <class operation_type>
    void expect_write_failure(operation_type operation)
    {
        try {
            operation();
            ADD_FAILURE() << "a write that the file did not take was reported as success";
        } catch (const output_exception& caught) {
            EXPECT_EQ(dynamic_cast<const tidewire_application_exception*>(&caught), nullptr);
        }
    }

    static float elapsed_days_of(const tidewire_data& dataset)
    {
        int32_t month, day, year, hour, minute, second;
        float days = -1.0f;
        char text[32];
        dataset.getcurrentmoment(month, day, year, hour, minute, second, days, text);
        return days;
    }
};

TEST_F(DatasetWriteFault, FrameThatDoesNotFitFailsAndCanBeCompletedLater)
{
    tidewire_data writer(path, 1);
    fill_sample_header(writer);
    complete_sample_moment(writer, 0);
    const rlim_t size_after_first = static_cast<rlim_t>(read_file_bytes(path).size());
    {
        const file_size_limit limit(size_after_first + 6);
        expect_write_failure([&] { complete_sample_moment(writer, 1); });
        EXPECT_EQ(elapsed_days_of(writer), 0.5f);
        expect_write_failure([&] { writer.momentcomplete(); });
    }
    writer.momentcomplete();
    writer.write_header();

    tidewire_data reader(path, 0);
    int32_t moments = 0;
    reader.getnummoments(moments);
    EXPECT_EQ(moments, 2);
    reader.momentcomplete();
    EXPECT_EQ(elapsed_days_of(reader), 0.5f);
    EXPECT_EQ(segment_values_of(reader, 1, 3), (std::vector<float>{110.5f, 111.5f, 112.5f}));
}

TEST_F(DatasetWriteFault, CloseStepThatDoesNotFitLeavesAnUnclosedFile)
{
    tidewire_data writer(path, 1);
    fill_sample_header(writer);
    complete_sample_moment(writer, 0);
    const rlim_t frames_end = static_cast<rlim_t>(read_file_bytes(path).size());
    {
        const file_size_limit limit(frames_end + 20);
        expect_write_failure([&] { writer.write_header(); });
    }
    // The header offset is stored last, so the file still reads as never
    // closed (the writer holds it, so only its bytes can be looked at).
    const bytes content = read_file_bytes(path);
    EXPECT_EQ(int32_at(content, 0), 0);
    EXPECT_EQ(int32_at(content, 4), 0);
    // The file stays open: a second close step completes it.
    writer.write_header();
    tidewire_data reader(path, 0);
    int32_t moments = 0;
    reader.getnummoments(moments);
    EXPECT_EQ(moments, 1);
}

TEST_F(DatasetWriteFault, PlaceholderThatDoesNotFitFailsTheOpen)
{
    const file_size_limit limit(4);
    expect_dataset_failure<tidewire_cannot_open_exception>(
        [&] { tidewire_data writer(path, 1); }, 512, dataset_line::placeholder_write, "tidewire_data::tidewire_data",
        failure_text(unit::value_io, 48, "write_value", "write_value : Write of the 8-byte item failed"));
}

}  // namespace

#endif
