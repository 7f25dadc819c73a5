// A private working directory for a fuzz harness or the seed writer.
//
// The library appends its timing summary to LOG.TXT in the current directory
// at every close; a harness closes a file millions of times, so it gets a
// directory of its own where LOG.TXT is a link to /dev/null.
#ifndef TIDEWIRE_FUZZ_SCRATCH_DIRECTORY_H
#define TIDEWIRE_FUZZ_SCRATCH_DIRECTORY_H

#include <string>

namespace tidewire_fuzz {

// Creates the directory once per process and returns its absolute path; it
// is removed at exit. Aborts when the directory cannot be made: a harness
// that cannot write its input file has nothing to test.
const std::string& scratch_directory();

// Runs `step` with the scratch directory as the current directory, then
// returns to the previous one. The fuzzing engine reads its corpus by
// relative paths, so the current directory is changed only for a moment: the
// library opens LOG.TXT once per process, at its first write, and keeps it.
void in_scratch_directory(void (*step)());

// Replaces the file at `path` by the given bytes. Aborts on failure for the
// same reason.
void write_whole_file(const std::string& path, const unsigned char* data, std::size_t size);

}  // namespace tidewire_fuzz

#endif
