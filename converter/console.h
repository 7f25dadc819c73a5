// Lines to the console (standard output), each followed by the line end.
//
//   console::write(freeform_line() << "calling getHydGridData");
//   console::write(formatted_line().text(std::string(40, '=')));
#pragma once

#include <string_view>

#include "formatted_line.h"
#include "freeform_line.h"

namespace console {

void write(const freeform_line& line);
void write(const formatted_line& line);

}  // namespace console
