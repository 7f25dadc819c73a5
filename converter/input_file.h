// Opening an input file for reading: it must exist. The result is a status
// for `iostatus`: 0, or the system's error number (2 for a missing file).
//
//   std::ifstream in;
//   bentha_input.iostatus = open_input_file(in, path);
//   io_error();
#pragma once

#include <fstream>
#include <string>

#include "precmod.h"

int4 open_input_file(std::ifstream& stream, const std::string& path);
