#include "grid_paths.h"

#include "vars.h"

std::string input_file_path(const fixed_text<30>& name)
{
    return std::string(vars.inputpath.adjusted_left_trimmed()) + std::string(name.adjusted_left_trimmed());
}

std::string output_file_path(const fixed_text<30>& name)
{
    return std::string(vars.outputpath.adjusted_left_trimmed()) + std::string(name.adjusted_left_trimmed());
}
