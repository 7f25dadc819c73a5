// Runs the torvautil executable as its own process in a working directory,
// with the user's answers on standard input.
#ifndef TORVAUTIL_TEST_TORVAUTIL_PROCESS_H
#define TORVAUTIL_TEST_TORVAUTIL_PROCESS_H

#include <filesystem>
#include <string>
#include <vector>

struct torvautil_run {
    bool exited = false;   // false when the process ended on a signal
    int exit_status = -1;  // valid when exited
    int signal = 0;        // valid when !exited
    std::string console;   // everything written to standard output
    std::string errors;    // everything written to standard error

    // The console split into lines, without their line ends.
    std::vector<std::string> console_lines() const;
    // True when some console line, with its leading and trailing blanks
    // removed, equals text.
    bool printed(const std::string& text) const;
};

// Path of the torvautil executable under test.
std::filesystem::path torvautil_executable();

// Runs torvautil in workdir; answers are written to its standard input, each
// followed by a line end; the input then ends.
torvautil_run run_torvautil(const std::filesystem::path& workdir, const std::vector<std::string>& answers);

// Removes leading and trailing blanks (and NULs, which the converter prints
// inside fixed-length name fields).
std::string trim_blanks(const std::string& text);

#endif
