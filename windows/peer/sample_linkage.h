/* A small linkage file of known content, written and checked through the
 * library's exports alone. The Windows and the Linux build of the library
 * must both write it byte for byte alike (but for the time stamp) and each
 * read what the other wrote. */
#ifndef TIDEWIRE_SAMPLE_LINKAGE_H
#define TIDEWIRE_SAMPLE_LINKAGE_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the sample to path. Returns 0, or the first library error code. */
int write_sample_linkage(const char* path);

/* Opens path, compares every header field, table, description and moment
 * with the sample and prints each difference to report. Returns the number
 * of differences, or -1 when the file cannot be opened or closed. */
int check_sample_linkage(const char* path, FILE* report);

#ifdef __cplusplus
}
#endif

#endif
