// The dataset's moments: the seed moment and the current, end and n-th
// moments derived from it, each with its date-time text.
#include "tidewiredata.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "dataset_failures.h"
#include "tidewire_exception.h"

namespace {

constexpr double seconds_per_day = 86400.0;

// Truncates toward zero to a whole number of seconds.  Moments further than
// the 32-bit range of seconds from the seed stop at its end.
int32_t whole_seconds(double seconds)
{
    if (std::isnan(seconds)) return 0;
    if (seconds >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (seconds <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(seconds);
}

struct moment_result {
    int32_t& month;
    int32_t& day;
    int32_t& year;
    int32_t& hour;
    int32_t& minute;
    int32_t& second;
    float& elapsed_days;
    char* text;

    void set(const moment& value, float days) const
    {
        month = value.month;
        day = value.day;
        year = value.year;
        hour = value.hour;
        minute = value.minute;
        second = value.second;
        elapsed_days = days;
        // Six 32-bit decimals and their separators fit in 72 characters.
        char formatted[80];
        const int length = std::snprintf(formatted, sizeof formatted, "%d/%d/%d %d:%02d:%02d", value.month, value.day,
                                         value.year, value.hour, value.minute, value.second);
        std::memcpy(text, formatted, static_cast<std::size_t>(length) + 1);
    }
};

}  // namespace

void tidewire_data::setseedmoment(int32_t month, int32_t day, int32_t year, int32_t hour, int32_t minute,
                                  int32_t second)
{
    seed_moment = moment(year, month, day, hour, minute, second);
}

void tidewire_data::getseedmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute,
                                  int32_t& second, float& elapsed_days, char* text) const
{
    moment_result{month, day, year, hour, minute, second, elapsed_days, text}.set(seed_moment, 0.0f);
}

void tidewire_data::getcurrentmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute,
                                     int32_t& second, float& elapsed_days, char* text) const
{
    const moment_result result{month, day, year, hour, minute, second, elapsed_days, text};
    result.set(seed_plus_days(elapsed_time), elapsed_time);
}

void tidewire_data::getendmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute,
                                 int32_t& second, float& elapsed_days, char* text) const
{
    const moment_result result{month, day, year, hour, minute, second, elapsed_days, text};
    if (var_time_step != 0) {
        result.set(seed_plus_days(end_time), end_time);
        return;
    }
    // With a fixed step the run ends at the last stored moment.
    float days = 0.0f;
    const moment last = nth_moment(static_cast<int64_t>(num_moments) - 1, days);
    result.set(last, days);
}

void tidewire_data::getnthmoment(int32_t n, int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute,
                                 int32_t& second, float& elapsed_days, char* text) const
{
    if (var_time_step != 0)
        throw_dataset_failure<tidewire_invalid_index_exception>(
            dataset_line::getnthmoment, "tidewire_data::getnthmoment",
            "getnthmoment does not work with a variable timestep - use getcurrentmoment instead");
    float days = 0.0f;
    const moment nth = nth_moment(static_cast<int64_t>(n) - index_base, days);
    moment_result{month, day, year, hour, minute, second, elapsed_days, text}.set(nth, days);
}

moment tidewire_data::seed_plus_days(float days) const
{
    // The product of a float and 86400 is exact in double.
    return seed_moment.plus_seconds(whole_seconds(static_cast<double>(days) * seconds_per_day));
}

moment tidewire_data::nth_moment(int64_t steps, float& elapsed_days) const
{
    // Left to right in double; a step count below zero gives a moment before
    // the seed.
    const double product =
        static_cast<double>(steps) * static_cast<double>(hyd_time_step) * static_cast<double>(hyd_to_kelva_ratio);
    const int32_t seconds = whole_seconds(std::trunc(product));
    elapsed_days = static_cast<float>(static_cast<double>(seconds) * (1.0 / seconds_per_day));
    return seed_moment.plus_seconds(seconds);
}
