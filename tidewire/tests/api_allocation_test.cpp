// Opens that run out of memory: this test program replaces the global
// allocation functions (for the library too) so that one chosen allocation
// fails, and tries every allocation of an open in turn.
#include <cstdlib>
#include <new>
#include <string>

#include "api_test_support.h"

namespace {

// Allocations to let through before the one that fails; negative: none fails.
long allocations_before_failure = -1;

void* allocate(std::size_t size)
{
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
            EXPECT_PRED2(contains, last_text, "twsession.cpp (40) : tidewire_session::open : ");
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

}  // namespace
