#include "scratch_directory.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace bench {

scratch_directory::scratch_directory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tidewire-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch directory");
    root = pattern;
}

scratch_directory::~scratch_directory()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

}  // namespace bench
