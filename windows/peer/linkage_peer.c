/* One side of the file exchange between the Windows and the Linux build:
 *   linkage_peer write FILE   writes the sample linkage file
 *   linkage_peer check FILE   reads FILE and compares it with the sample
 * Exit status 0 when all went well. */
#include <stdio.h>
#include <string.h>

#include "sample_linkage.h"

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "write") == 0) {
        int error = write_sample_linkage(argv[2]);
        if (error) fprintf(stderr, "%s: writing failed with error %d\n", argv[2], error);
        return error ? 1 : 0;
    }
    if (argc == 3 && strcmp(argv[1], "check") == 0) {
        int differences = check_sample_linkage(argv[2], stderr);
        if (differences != 0) fprintf(stderr, "%s: %d differences from the sample\n", argv[2], differences);
        return differences == 0 ? 0 : 1;
    }
    fprintf(stderr, "usage: linkage_peer write|check FILE\n");
    return 2;
}
