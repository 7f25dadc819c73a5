/* tidewire: writes and reads linkage files.
 *
 * Every argument is passed by address; no function returns a value.  All but
 * the four diagnostics functions report through their last argument,
 * tw_error: 0 on success, otherwise the failure's code, with the failure's
 * text available from _twgetlasterror.  A failed call leaves every other
 * output as the caller had it.
 *
 * Texts are NUL-terminated.  Output texts are written whole with their NUL
 * into a buffer the caller sizes (no size is passed): a failure text has at
 * most 255 characters; names, descriptions and the texts given to
 * _twsetlasterror come back as long as they were given.
 *
 * Handles: _twopen issues 1, 2, 3 ... within a session.  Every _twopen call
 * counts, also a failed one, and every _twclose call uncounts, also a failed
 * one; when the count returns to 0 every dataset still open is dropped
 * without its header being written, and handles start again at 1.  So pair
 * each _twopen with exactly one _twclose.
 *
 * Index arguments start at 0, or at 1 after _twsetlanguage with 1.
 *
 * Error codes: 512 cannot open, 513 handle not open, 515 invalid language,
 * 516 invalid creator, 517 index out of range, 1024 unexpected failure,
 * 1025 memory exhausted, 1026 compression failure.
 *
 * Diagnostics: with _twsetdebug on, every call but _twsetdebug and _twgetdebug
 * appends a trace of its arguments to LOG.TXT in the current directory; every
 * _twclose appends a summary of the time spent per function.
 */
#ifndef TIDEWIRE_H
#define TIDEWIRE_H

#include <stdint.h>

/* TIDEWIRE_BUILDING is defined only while the library itself is compiled. */
#if defined(_WIN32)
#if defined(TIDEWIRE_BUILDING)
#define TIDEWIRE_API __declspec(dllexport)
#else
#define TIDEWIRE_API __declspec(dllimport)
#endif
#else
#define TIDEWIRE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Diagnostics */
TIDEWIRE_API void _twsetdebug(const int32_t* flag);
TIDEWIRE_API void _twgetdebug(int32_t* flag);
TIDEWIRE_API void _twsetlasterror(const char* message);
TIDEWIRE_API void _twgetlasterror(char* message);

/* Session */
TIDEWIRE_API void _twopen(const char* tw_filename, const int32_t* tw_mode, int32_t* tw_handle, int32_t* tw_error);
TIDEWIRE_API void _twclose(const int32_t* tw_handle, int32_t* tw_error);

/* Header */
TIDEWIRE_API void _twsetlanguage(const int32_t* tw_handle, const int32_t* tw_language, int32_t* tw_error);
TIDEWIRE_API void _twgetlanguage(const int32_t* tw_handle, int32_t* tw_language, int32_t* tw_error);
TIDEWIRE_API void _twsetcreator(const int32_t* tw_handle, const int32_t* tw_creator, int32_t* tw_error);
TIDEWIRE_API void _twgetcreator(const int32_t* tw_handle, int32_t* tw_creator, int32_t* tw_error);
TIDEWIRE_API void _twadddescription(const int32_t* tw_handle, const int32_t* id, const char* description,
                                    int32_t* tw_error);
TIDEWIRE_API void _twgetnumdescriptions(const int32_t* tw_handle, int32_t* numdesc, int32_t* tw_error);
TIDEWIRE_API void _twgetdescription(const int32_t* tw_handle, const int32_t* desc_index, int32_t* id, char* description,
                                    int32_t* tw_error);

/* Moments: the date goes month, day, year, hour, minute, second. */
TIDEWIRE_API void _twsetseedmoment(const int32_t* tw_handle, const int32_t* month, const int32_t* day,
                                   const int32_t* year, const int32_t* hour, const int32_t* minute,
                                   const int32_t* second, int32_t* tw_error);
TIDEWIRE_API void _twgetseedmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year, int32_t* hour,
                                   int32_t* minute, int32_t* second, float* elapsed_days, char* description,
                                   int32_t* tw_error);
TIDEWIRE_API void _twgetendmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year, int32_t* hour,
                                  int32_t* minute, int32_t* second, float* elapsed_days, char* description,
                                  int32_t* tw_error);
TIDEWIRE_API void _twgetnthmoment(const int32_t* tw_handle, const int32_t* moment_index, int32_t* month, int32_t* day,
                                  int32_t* year, int32_t* hour, int32_t* minute, int32_t* second, float* elapsed_days,
                                  char* description, int32_t* tw_error);
TIDEWIRE_API void _twgetcurrentmoment(const int32_t* tw_handle, int32_t* month, int32_t* day, int32_t* year,
                                      int32_t* hour, int32_t* minute, int32_t* second, float* elapsed_days,
                                      char* description, int32_t* tw_error);

/* Counts, names and types */
TIDEWIRE_API void _twsetnumsegments(const int32_t* tw_handle, const int32_t* numsegs, int32_t* tw_error);
TIDEWIRE_API void _twgetnumsegments(const int32_t* tw_handle, int32_t* numsegs, int32_t* tw_error);
TIDEWIRE_API void _twsetsegname(const int32_t* tw_handle, const int32_t* segment_index, const char* segment_name,
                                int32_t* tw_error);
TIDEWIRE_API void _twgetsegname(const int32_t* tw_handle, const int32_t* segment_index, char* segment_name,
                                int32_t* tw_error);
TIDEWIRE_API void _twsetnumflowpaths(const int32_t* tw_handle, const int32_t* numfp, int32_t* tw_error);
TIDEWIRE_API void _twgetnumflowpaths(const int32_t* tw_handle, int32_t* numfp, int32_t* tw_error);
TIDEWIRE_API void _twsetnumsegconsts(const int32_t* tw_handle, const int32_t* numsc, int32_t* tw_error);
TIDEWIRE_API void _twgetnumsegconsts(const int32_t* tw_handle, int32_t* numsc, int32_t* tw_error);
TIDEWIRE_API void _twsetnumfpconsts(const int32_t* tw_handle, const int32_t* numfpc, int32_t* tw_error);
TIDEWIRE_API void _twgetnumfpconsts(const int32_t* tw_handle, int32_t* numfpc, int32_t* tw_error);
TIDEWIRE_API void _twsetsegconsttype(const int32_t* tw_handle, const int32_t* sc_index, const int32_t* sc_type,
                                     int32_t* tw_error);
TIDEWIRE_API void _twgetsegconsttype(const int32_t* tw_handle, const int32_t* sc_index, int32_t* sc_type,
                                     int32_t* tw_error);
TIDEWIRE_API void _twsetfpconsttype(const int32_t* tw_handle, const int32_t* fp_index, const int32_t* fp_type,
                                    int32_t* tw_error);
TIDEWIRE_API void _twgetfpconsttype(const int32_t* tw_handle, const int32_t* fp_index, int32_t* fp_type,
                                    int32_t* tw_error);

/* Plain header fields */
TIDEWIRE_API void _twsetvartimestep(const int32_t* tw_handle, const int32_t* vartimestep, int32_t* tw_error);
TIDEWIRE_API void _twgetvartimestep(const int32_t* tw_handle, int32_t* vartimestep, int32_t* tw_error);
TIDEWIRE_API void _twsethydtimestep(const int32_t* tw_handle, const float* timestep, int32_t* tw_error);
TIDEWIRE_API void _twgethydtimestep(const int32_t* tw_handle, float* timestep, int32_t* tw_error);
TIDEWIRE_API void _twsetupdateint(const int32_t* tw_handle, const float* updateint, int32_t* tw_error);
TIDEWIRE_API void _twgetupdateint(const int32_t* tw_handle, float* updateint, int32_t* tw_error);
TIDEWIRE_API void _twsethydtokelvaratio(const int32_t* tw_handle, const int32_t* ratio, int32_t* tw_error);
TIDEWIRE_API void _twgethydtokelvaratio(const int32_t* tw_handle, int32_t* ratio, int32_t* tw_error);
TIDEWIRE_API void _twsetnumlayers(const int32_t* tw_handle, const int32_t* numlayers, int32_t* tw_error);
TIDEWIRE_API void _twgetnumlayers(const int32_t* tw_handle, int32_t* numlayers, int32_t* tw_error);

/* Flow paths: from_seg, to_seg and direction are stored unchanged. */
TIDEWIRE_API void _twsetflowpath(const int32_t* tw_handle, const int32_t* flow_index, const int32_t* from_seg,
                                 const int32_t* to_seg, const int32_t* direction, int32_t* tw_error);
TIDEWIRE_API void _twgetflowpath(const int32_t* tw_handle, const int32_t* flow_index, int32_t* from_seg,
                                 int32_t* to_seg, int32_t* direction, int32_t* tw_error);

/* Moment data: one value per flow path (or segment) for one constituent. */
TIDEWIRE_API void _twsetflowinfo(const int32_t* tw_handle, const int32_t* fpconstindex, const float* values,
                                 int32_t* tw_error);
TIDEWIRE_API void _twgetflowinfo(const int32_t* tw_handle, const int32_t* fpconstindex, float* values,
                                 int32_t* tw_error);
TIDEWIRE_API void _twsetseginfo(const int32_t* tw_handle, const int32_t* segconstindex, const float* values,
                                int32_t* tw_error);
TIDEWIRE_API void _twgetseginfo(const int32_t* tw_handle, const int32_t* segconstindex, float* values,
                                int32_t* tw_error);
TIDEWIRE_API void _twsettimestep(const int32_t* tw_handle, const float* value, int32_t* tw_error);
TIDEWIRE_API void _twgettimestep(const int32_t* tw_handle, float* value, int32_t* tw_error);
TIDEWIRE_API void _twmomentcomplete(const int32_t* tw_handle, int32_t* tw_error);
TIDEWIRE_API void _twgetnummoments(const int32_t* tw_handle, int32_t* num_moments, int32_t* tw_error);

/* Compression */
TIDEWIRE_API void _twgetcompfact(const int32_t* tw_handle, float* compfact, int32_t* tw_error);
TIDEWIRE_API void _twsetcompressionlevel(const int32_t* tw_handle, const int32_t* complevel, int32_t* tw_error);

#ifdef __cplusplus
}
#endif

#endif /* TIDEWIRE_H */
