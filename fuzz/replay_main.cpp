// Runs a fuzz target over saved inputs, so that its corpus and its
// regression inputs run as an ordinary test in a build without libFuzzer.
//
// Usage: <target> FILE_OR_DIRECTORY...   Directories are read one level
// deep, in name order. An input that trips the target aborts the process, and
// the name printed last is the input that did it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool is_directory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> files_in(const std::string& directory)
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string path = directory + "/" + entry->d_name;
            if (entry->d_name[0] != '.' && !is_directory(path)) files.push_back(path);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool replay(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    bool all_read = true;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::string> inputs = is_directory(argv[i]) ? files_in(argv[i]) : std::vector<std::string>{argv[i]};
        for (const std::string& input : inputs) {
            all_read = replay(input) && all_read;
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    // A replay that finds nothing to run means a missing corpus, not a pass.
    return all_read && replayed > 0 ? 0 : 1;
}
