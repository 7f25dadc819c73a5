#include "scratch_directory.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <system_error>

scratch_directory::scratch_directory() : previous(std::filesystem::current_path())
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    const std::string stem = "tidewire-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (unsigned attempt = 0;; ++attempt) {
        path = base / (stem + std::to_string(attempt));
        if (std::filesystem::create_directory(path)) break;
    }
    std::filesystem::current_path(path);
}

scratch_directory::~scratch_directory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(path, ignored);
}

std::string read_file_bytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool file_exists(const std::string& name)
{
    return std::filesystem::exists(name);
}

void write_file_bytes(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
