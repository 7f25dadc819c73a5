// LOG.TXT under a host program that has set a decimal-comma locale: the
// trace's floats and the summary's shares keep their decimal point.
#include <chrono>
#include <cstdint>
#include <regex>
#include <string>
#include <thread>

#include "api_test_support.h"
#include "decimal_comma_locale.h"

namespace {

class api_locale : public api_test {
protected:
    int32_t error = -1;
};

TEST_F(api_locale, log_numbers_keep_their_decimal_point)
{
    ASSERT_EQ(use_decimal_comma_locale(directory), "") << "the test needs a decimal-comma locale";
    const int32_t handle = open_ok("a.lnk", 1);
    int32_t on = 1;
    _twsetdebug(&on);
    for (float step : {0.5f, 1234567.0f}) _twsettimestep(&handle, &step, &error);
    EXPECT_PRED2(contains, log_text(), "\t(in)  value         = 0.5\n");
    EXPECT_PRED2(contains, log_text(), "\t(in)  value         = 1.23457e+06\n");

    // A share below 10 has a fraction: a frame's compression, then a pause
    // twenty times as long before the close that writes the summary.
    fill_a_large_frame(handle);
    static const std::regex compression_line(R"(twmomentcomplete: \d+ ms total \(([^%]*)% of total runtime, )");
    for (int attempt = 0; attempt < 10; ++attempt) {
        const auto start = std::chrono::steady_clock::now();
        _twmomentcomplete(&handle, &error);
        ASSERT_EQ(error, 0);
        std::this_thread::sleep_for((std::chrono::steady_clock::now() - start) * 20 + std::chrono::milliseconds(20));
        // A failed open raises the open count, so that the close of an
        // unknown handle keeps the session and its dataset.
        int32_t invalid_mode = 2, unused = 0, unknown = 99;
        _twopen("x", &invalid_mode, &unused, &error);
        _twclose(&unknown, &error);

        const std::string log = log_text();
        std::string last_share;
        for (auto line = std::sregex_iterator(log.begin(), log.end(), compression_line); line != std::sregex_iterator();
             ++line)
            last_share = (*line)[1];
        if (last_share.find_first_not_of("0123456789") == std::string::npos) continue;
        EXPECT_TRUE(std::regex_match(last_share, std::regex(R"(\d+\.\d+)"))) << last_share;
        return;
    }
    FAIL() << "no attempt gave the compression a share with a fraction";
}

}  // namespace
