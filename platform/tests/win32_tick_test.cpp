#include "win32_tick.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// The counter advances in milliseconds and never goes back within a run.
TEST(TickCount, AdvancesInMilliseconds)
{
    const DWORD before = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const DWORD after = GetTickCount();
    // Differences are taken modulo 2^32, as the call timing takes them.
    const DWORD elapsed = after - before;
    EXPECT_GE(elapsed, 25u);
    EXPECT_LT(elapsed, 60000u);
}
