// Paths of the grid files: the folder path and the file name of module
// bentha_input, each adjusted left and trimmed, joined.
#pragma once

#include <string>

#include "fixed_text.h"

// A file of the input folder, e.g. input_file_path(bentha_input.maskinpfile).
std::string input_file_path(const fixed_text<30>& name);
// A file of the output folder.
std::string output_file_path(const fixed_text<30>& name);
