// A private working directory for a fuzz harness or the seed writer.
//
// The library appends its timing summary to LOG.TXT in the current directory
// at every close; a harness closes a file millions of times, so it runs in a
// directory of its own where LOG.TXT is a link to /dev/null.
#ifndef TIDEWIRE_FUZZ_SCRATCH_DIRECTORY_H
#define TIDEWIRE_FUZZ_SCRATCH_DIRECTORY_H

#include <string>

namespace tidewire_fuzz {

// Creates the directory once per process and makes it the current directory.
// Returns its path. Aborts when the directory cannot be made: a harness that
// cannot write its input file has nothing to test.
const std::string& enter_scratch_directory();

// Replaces the named file in the current directory by the given bytes.
// Aborts on failure for the same reason.
void write_whole_file(const char* name, const unsigned char* data, std::size_t size);

}  // namespace tidewire_fuzz

#endif
