// Writes the example bay's TORVA linkage file through the library's exports,
// the way a hydrodynamic model does: the header and tables, then one frame
// per hourly moment.
#pragma once

#include <string>

#include "bay_model.h"

namespace bay {

// Throws std::runtime_error with the library's last-error text on a failure.
void write_linkage_file(const model& bay, const std::string& path);

}  // namespace bay
