#include "input_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

int4 open_input_file(std::ifstream& stream, const std::string& path)
{
    // A folder opens like a file on some systems and then reads as empty.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return EISDIR;
    errno = 0;
    stream.open(path, std::ios::in | std::ios::binary);
    if (!stream.is_open()) return errno != 0 ? errno : EIO;
    return 0;
}
