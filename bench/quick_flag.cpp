#include "quick_flag.h"

#include <cstring>

namespace bench {

bool take_quick_flag(int& argc, char** argv)
{
    bool quick = false;
    int kept = 1;
    for (int n = 1; n < argc; ++n) {
        if (std::strcmp(argv[n], "--quick") == 0)
            quick = true;
        else
            argv[kept++] = argv[n];
    }
    argc = kept;
    return quick;
}

}  // namespace bench
