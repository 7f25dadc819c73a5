// Allocations in the library: this test program replaces the global
// allocation functions (for the library too) so that one chosen allocation
// fails, tries every allocation of an open in turn, and keeps the largest
// size asked for.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

#include "api_test_support.h"
#include "failure_text.h"

namespace {

// Allocations to let through before the one that fails; negative: none fails.
long allocations_before_failure = -1;

// Requests of this size or more are refused without being tried, so that a
// test sees them without the machine paying for them.
constexpr std::size_t one_gib = std::size_t{1} << 30;
std::size_t largest_request = 0;

void* allocate(std::size_t size)
{
    largest_request = std::max(largest_request, size);
    if (size >= one_gib) return nullptr;
    if (allocations_before_failure == 0) {
        allocations_before_failure = -1;
        return nullptr;
    }
    if (allocations_before_failure > 0) --allocations_before_failure;
    return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size)
{
    if (void* memory = allocate(size)) return memory;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

class api_allocation : public api_test {
protected:
    // Opens with the allocation after `allowed` others failing; returns the
    // error code and leaves the handle in `handle`.
    int32_t open_failing_after(long allowed, const char* file_name, int32_t* handle)
    {
        int32_t mode = 1, error = -1;
        allocations_before_failure = allowed;
        _twopen(file_name, &mode, handle, &error);
        allocations_before_failure = -1;
        return error;
    }
};

TEST_F(api_allocation, an_open_out_of_memory_fails_in_order_and_issues_no_handle)
{
    EXPECT_EQ(open_ok("first.lnk", 1), 1);

    int32_t last_failure = -1;
    std::string last_text;
    for (long allowed = 0; allowed < 1000; ++allowed) {
        int32_t handle = -5;
        const int32_t error = open_failing_after(allowed, "w.lnk", &handle);
        if (error == 0) {
            // Every failed open before left no dataset behind: had one kept
            // w.lnk open for writing, this open would have been refused.
            EXPECT_EQ(handle, 2) << "no failed open took a handle number";
            ASSERT_NE(last_failure, -1) << "no allocation of the open failed";
            // The table entry is the open's last allocation.
            EXPECT_EQ(last_failure, 1025);
            EXPECT_EQ(last_text, failure_text(unit::session, 40, "tidewire_session::open", std::bad_alloc().what()));
            return;
        }
        EXPECT_EQ(handle, -5) << "a failed open writes no handle (allocation " << allowed << ")";
        EXPECT_TRUE(error == 512 || error == 1024 || error == 1025) << error;
        last_failure = error;
        last_text = last_error();
    }
    FAIL() << "the open never succeeded";
}

TEST_F(api_allocation, a_session_that_cannot_be_created_takes_its_count_back)
{
    for (long allowed = 0; allowed < 10; ++allowed) {
        int32_t handle = -5;
        const int32_t error = open_failing_after(allowed, "s.lnk", &handle);
        if (error == 0) {
            // Only the timing's bookkeeping failed, silently; start over.
            close_ok(handle);
            continue;
        }
        EXPECT_EQ(error, 512);
        EXPECT_EQ(last_error(), "Could not allocate memory for tidewire_session object");
        EXPECT_EQ(handle, -5);
        // No session and a count of 0: the next open creates a session and
        // issues its first handle, and one close ends it.
        EXPECT_EQ(open_ok("t.lnk", 1), 1);
        close_ok(1);
        EXPECT_EQ(open_ok("u.lnk", 1), 1);
        return;
    }
    FAIL() << "the session's allocation was never reached";
}

// A count whose frame of one constituent could not exist (2^29 values of 4
// bytes are 2 GiB) is refused before anything is resized, in each of the four
// count setters and again when repeated: no large table is built, and the
// frame buffers and the values of the current moment stay as they were.
TEST_F(api_allocation, counts_that_no_frame_can_hold_allocate_nothing)
{
    using count_setter = void (*)(const int32_t*, const int32_t*, int32_t*);
    using count_getter = void (*)(const int32_t*, int32_t*, int32_t*);
    const struct {
        count_setter set;
        count_getter get;
        int line;
        const char* function;
        const char* table;
    } counts[] = {
        {_twsetnumsegments, _twgetnumsegments, 301, "tidewire_data::setnumsegments", "segment table"},
        {_twsetnumflowpaths, _twgetnumflowpaths, 333, "tidewire_data::setnumflowpaths", "flow path table"},
        {_twsetnumsegconsts, _twgetnumsegconsts, 351, "tidewire_data::setnumsegconsts", "segment constituent table"},
        {_twsetnumfpconsts, _twgetnumfpconsts, 360, "tidewire_data::setnumfpconsts", "flow path constituent table"}};
    const int32_t handle = open_ok("counts.lnk", 1);
    int32_t error = -1;
    const int32_t two = 2, first = 0, second = 1;
    for (const auto& count : counts) count.set(&handle, &two, &error);
    const float segment_values[] = {1.0f, 2.0f}, flow_values[] = {3.0f, 4.0f};
    _twsetseginfo(&handle, &second, segment_values, &error);
    _twsetflowinfo(&handle, &first, flow_values, &error);
    ASSERT_EQ(error, 0);

    largest_request = 0;
    for (const auto& count : counts) {
        for (int32_t huge : {int32_t{1} << 29, int32_t{1} << 29, INT32_MAX}) {
            count.set(&handle, &huge, &error);
            EXPECT_EQ(error, 1025);
            EXPECT_EQ(last_error(), failure_text(unit::dataset, count.line, count.function,
                                                 std::string("Insufficient memory to resize the ") + count.table +
                                                     " to " + std::to_string(huge) + " entries"));
        }
        int32_t kept = -1;
        count.get(&handle, &kept, &error);
        EXPECT_EQ(kept, 2);
    }
    EXPECT_LT(largest_request, one_gib);

    float values[2] = {};
    _twgetseginfo(&handle, &second, values, &error);
    EXPECT_EQ(values[1], 2.0f);
    _twgetflowinfo(&handle, &first, values, &error);
    EXPECT_EQ(values[0], 3.0f);
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 0);
    close_ok(handle);
}

// A stored table count is held against the bytes left in the file before any
// table is allocated: a short file with a huge count is damaged, as it is in
// every build, and only a count that is negative as an int32 is memory that no
// build has.
TEST_F(api_allocation, a_huge_stored_count_is_refused_without_a_large_allocation)
{
    sample_run::write("sample.lnk");
    const std::string content = read_file("sample.lnk");
    const auto header = static_cast<std::size_t>(static_cast<unsigned char>(content[0])) |
                        static_cast<std::size_t>(static_cast<unsigned char>(content[1])) << 8;
    const std::size_t segment_count = header + 72 + 4 + 12 * sample_run::flow_paths;
    const std::string bytes_after_count = std::to_string(content.size() - segment_count - 4);
    const auto damaged = [&](const std::string& count) {
        return failure_text(unit::dataset, 59, "tidewire_data::tidewire_data",
                            "Damaged linkage file: a table count of " + count + " exceeds what the " +
                                bytes_after_count + " bytes left in the file can hold");
    };
    const auto too_large = [](const std::string& count) {
        return failure_text(unit::dataset, 63, "tidewire_data::tidewire_data",
                            "Insufficient memory to read the header tables: read_table : A table of " + count +
                                " records cannot be allocated");
    };
    const struct {
        int32_t count;
        int32_t error;
        std::string text;
    } cases[] = {{60000000, 512, damaged("60000000")},
                 {INT32_MAX, 512, damaged("2147483647")},
                 {-1, 1025, too_large("4294967295")},
                 {INT32_MIN, 1025, too_large("2147483648")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        std::string changed = content;
        for (int byte = 0; byte < 4; ++byte)
            changed[segment_count + byte] = static_cast<char>(static_cast<uint32_t>(c.count) >> (8 * byte));
        write_file("damaged.lnk", changed);
        largest_request = 0;
        int32_t mode = 0, handle = -5, error = -1;
        _twopen("damaged.lnk", &mode, &handle, &error);
        EXPECT_LT(largest_request, std::size_t{1} << 20);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(handle, -5);
        EXPECT_EQ(last_error(), c.text);
    }
}

}  // namespace
