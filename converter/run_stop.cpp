#include "run_stop.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

void stop_run(int exit_status)
{
    std::cout.flush();
    std::fflush(nullptr);
    std::exit(exit_status);
}
