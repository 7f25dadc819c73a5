#include "moment.h"

namespace {

constexpr std::int64_t seconds_per_day = moment::seconds_per_day;
constexpr std::int32_t days_per_week = 7;

// The arithmetic is done in 64 bits, so that nothing overflows on the way;
// the stored fields are 32-bit and keep the low 32 bits of a result that
// does not fit.
std::int32_t low_32_bits(std::int64_t value)
{
    const auto bits = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value));
    return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits) : -static_cast<std::int32_t>(~bits) - 1;
}

// Julian Day Number of a Julian-calendar date, 0 when the date is not valid.
// The day is not compared with the length of its month, so a day past the end
// counts on into the next month.
std::int32_t day_number_of(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (year == 0 || year < -4713 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
    if (year == -4713 && month == 1 && day == 1) return 0;

    std::int64_t y = year > 0 ? std::int64_t{year} + 4800 : std::int64_t{year} + 4801;  // no year 0
    std::int64_t m;
    if (month > 2) {
        m = month - 3;
    } else {
        m = month + 9;
        y -= 1;
    }
    return low_32_bits((153 * m + 2) / 5 + (1461 * y) / 4 + day - 32083);
}

// Largest whole number not above numerator / denominator (denominator > 0).
std::int64_t floor_divide(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    if (quotient * denominator > numerator) quotient -= 1;
    return quotient;
}

}  // namespace

moment::moment() : year(0), month(0), day(0), weekday(0), hour(0), minute(0), second(0), second_of_day(0), day_number(0)
{
}

moment::moment(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute,
               std::int32_t second)
    : moment()
{
    set_date(year, month, day);
    set_time(hour, minute, second);
}

void moment::set_date(std::int32_t new_year, std::int32_t new_month, std::int32_t new_day)
{
    year = new_year;
    month = new_month;
    day = new_day;
    day_number = day_number_of(year, month, day);
    weekday = day_number % days_per_week;
}

void moment::set_time(std::int32_t new_hour, std::int32_t new_minute, std::int32_t new_second)
{
    hour = new_hour;
    minute = new_minute;
    second = new_second;
    second_of_day = low_32_bits(std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second);
}

void moment::set_second_of_day(std::int32_t seconds)
{
    normalise(seconds);
}

void moment::set_day_number(std::int32_t n)
{
    day_number = n;
    set_date_from_day_number();
    weekday = day_number % days_per_week;
}

moment moment::plus_seconds(std::int32_t n) const
{
    moment moved = *this;
    moved.normalise(std::int64_t{second_of_day} + n);
    return moved;
}

void moment::normalise(std::int64_t seconds)
{
    std::int64_t kept_seconds = seconds;
    if (seconds >= seconds_per_day || seconds < 0) {
        // Whole days, carried or borrowed, move the date; the total of
        // day_number * 86400 + second_of_day stays the same.
        const std::int64_t days = floor_divide(seconds, seconds_per_day);
        day_number = low_32_bits(std::int64_t{day_number} + days);
        kept_seconds = seconds - days * seconds_per_day;
        set_date_from_day_number();
    }
    second_of_day = static_cast<std::int32_t>(kept_seconds);
    weekday = day_number % days_per_week;
    hour = second_of_day / 3600;
    minute = (second_of_day - hour * 3600) / 60;
    second = second_of_day % 60;
}

// The Julian-calendar date of day_number; 0/0/0 for a day number of 0 or below.
void moment::set_date_from_day_number()
{
    if (day_number <= 0) {
        year = 0;
        month = 0;
        day = 0;
        return;
    }
    const std::int64_t w = 4 * (std::int64_t{day_number} + 32083) - 1;
    std::int64_t q = w / 1461;
    const std::int64_t e = (w % 1461) / 4;
    const std::int64_t f = 5 * e + 2;
    const std::int64_t m = f / 153;
    day = static_cast<std::int32_t>((f % 153) / 5 + 1);
    if (m < 10) {
        month = static_cast<std::int32_t>(m + 3);
    } else {
        month = static_cast<std::int32_t>(m - 9);
        q += 1;
    }
    std::int64_t calendar_year = q - 4800;
    if (calendar_year <= 0) calendar_year -= 1;  // no year 0
    year = low_32_bits(calendar_year);
}
