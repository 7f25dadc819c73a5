#include "scratch_directory.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tidewire_fuzz {

namespace {

[[noreturn]] void give_up(const char* what)
{
    std::perror(what);
    std::abort();
}

std::string scratch_path;

// Leaves no directory behind after a replay run; the directory is flat.
void remove_scratch_directory()
{
    if (DIR* dir = opendir(scratch_path.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..") unlink((scratch_path + "/" + name).c_str());
        }
        closedir(dir);
    }
    rmdir(scratch_path.c_str());
}

std::string make_scratch_directory()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tidewire-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) give_up("mkdtemp");
    if (symlink("/dev/null", (pattern + "/LOG.TXT").c_str()) != 0) give_up("symlink LOG.TXT");
    scratch_path = pattern;
    std::atexit(remove_scratch_directory);
    return pattern;
}

}  // namespace

const std::string& scratch_directory()
{
    static const std::string path = make_scratch_directory();
    return path;
}

void in_scratch_directory(void (*step)())
{
    int previous = open(".", O_RDONLY | O_DIRECTORY);
    if (previous < 0) give_up("open .");
    if (chdir(scratch_directory().c_str()) != 0) give_up("chdir");
    step();
    if (fchdir(previous) != 0) give_up("fchdir");
    close(previous);
}

void write_whole_file(const std::string& path, const unsigned char* data, std::size_t size)
{
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) give_up("open");
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) give_up("write");
        done += static_cast<std::size_t>(n);
    }
    if (close(fd) != 0) give_up("close");
}

}  // namespace tidewire_fuzz
