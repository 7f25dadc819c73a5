#include "chronolib.h"

/* Floor division, so that months before January carry back a whole year. */
static int64_t floor_div(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

/* Days from 1970-01-01 to the first of the given month of the proleptic
 * Gregorian calendar; month is 1..12. Counted from 1 March of year 0 so that
 * the leap day falls at the end of the counting year. */
static int64_t days_from_epoch(int64_t year, int64_t month)
{
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = floor_div(y, 400);
    const int64_t year_of_era = y - era * 400;
    const int64_t month_from_march = month > 2 ? month - 3 : month + 9;
    const int64_t day_of_year = (153 * month_from_march + 2) / 5;
    const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

void converttotimestamp(const int32_t* year, const int32_t* month, const int32_t* day, const int32_t* hour,
                        const int32_t* minute, const int32_t* second, int32_t* unused, int32_t* timestamp)
{
    (void)unused;
    const int64_t month_index = (int64_t)*month - 1;
    const int64_t whole_year = (int64_t)*year + floor_div(month_index, 12);
    const int64_t month_in_year = month_index - floor_div(month_index, 12) * 12 + 1;
    const int64_t days = days_from_epoch(whole_year, month_in_year) + (int64_t)*day - 1;
    const int64_t seconds = days * 86400 + (int64_t)*hour * 3600 + (int64_t)*minute * 60 + (int64_t)*second;
    /* Keep the low 32 bits; the conversion through uint32_t is well defined. */
    const uint32_t low_bits = (uint32_t)((uint64_t)seconds & 0xFFFFFFFFu);
    *timestamp = low_bits <= INT32_MAX ? (int32_t)low_bits : (int32_t)(low_bits - 2147483648u) - INT32_MAX - 1;
}
