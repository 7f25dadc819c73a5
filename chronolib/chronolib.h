/* The date library: calendar date and time to a time stamp.
 *
 * converttotimestamp: every argument by address. year, month (1-12), day,
 * hour, minute and second are read; the seventh integer is neither read nor
 * written; timestamp receives the whole seconds since 1970-01-01 00:00:00 UTC
 * of that moment in the Gregorian calendar, so that the difference of two
 * stamps is the time between the two moments in seconds. Fields beyond their
 * usual ranges carry over (month 13 is January of the next year, second 60 the
 * next minute). A moment outside 1901-12-13 20:45:52 .. 2038-01-19 03:14:07
 * has no 32-bit stamp; it gets its count modulo 2 to the 32nd, so differences
 * between nearby moments taken in 32-bit wrapping arithmetic stay right.
 *
 *   int32_t y = 2024, mo = 1, d = 1, h = 0, mi = 0, s = 0, unused, stamp;
 *   converttotimestamp(&y, &mo, &d, &h, &mi, &s, &unused, &stamp);
 *   // stamp == 1704067200
 */
#ifndef CHRONOLIB_H
#define CHRONOLIB_H

#include <stdint.h>

#if defined(_WIN32) && defined(CHRONOLIB_BUILDING)
#define CHRONOLIB_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define CHRONOLIB_EXPORT __declspec(dllimport)
#else
#define CHRONOLIB_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

CHRONOLIB_EXPORT void converttotimestamp(const int32_t* year, const int32_t* month, const int32_t* day,
                                         const int32_t* hour, const int32_t* minute, const int32_t* second,
                                         int32_t* unused, int32_t* timestamp);

#ifdef __cplusplus
}
#endif

#endif
