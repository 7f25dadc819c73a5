// moment: the library's date-time value.
#ifndef TIDEWIRE_MOMENT_H
#define TIDEWIRE_MOMENT_H

#include <cstdint>

// A calendar date and a time of day, together with the day number and the
// second of the day, so that moving a moment by seconds is integer arithmetic.
// Dates are Julian-calendar dates without a year 0 (year -1 precedes year 1);
// the day number is the Julian Day Number of the date, 0 when the date is not
// valid. The nine fields, in this order, are also the moment's 36-byte block
// in the linkage file.
class moment {
public:
    static constexpr std::int32_t seconds_per_day = 86400;

    // All nine fields 0: no valid date, midnight.
    moment();
    // set_date, then set_time.
    moment(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute,
           std::int32_t second);

    // Stores the date as given and sets day_number (0 for an invalid date) and
    // weekday from it. A day past the end of its month counts on into the next
    // month for the day number; the date fields keep what was passed.
    void set_date(std::int32_t year, std::int32_t month, std::int32_t day);

    // Stores the time as given, without range checks, and sets second_of_day.
    void set_time(std::int32_t hour, std::int32_t minute, std::int32_t second);

    // Sets the second of the day and normalises it into 0..86399, carrying
    // whole days into day_number and the date; then sets weekday and the
    // hour, minute and second.
    void set_second_of_day(std::int32_t seconds);

    // Sets day_number, the date of that day (0/0/0 for n <= 0) and weekday.
    void set_day_number(std::int32_t n);

    // A copy of this moment moved by n seconds and normalised.
    moment plus_seconds(std::int32_t n) const;

    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    std::int32_t weekday;  // day_number mod 7, truncating: 0 Monday .. 6 Sunday
    std::int32_t hour;
    std::int32_t minute;
    std::int32_t second;
    std::int32_t second_of_day;
    std::int32_t day_number;

private:
    void normalise(std::int64_t seconds);
    void set_date_from_day_number();
};

#endif
