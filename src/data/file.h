// Reading a whole file into memory.
#pragma once

#include <optional>
#include <string>

#include "element_data.h"

namespace velkarin::data {

// The whole file, or nothing when it cannot be opened or read (a missing
// file, a directory, no permission, a read error). The path is in the
// platform's own encoding.
std::optional<ElementData> ReadWholeFile(const std::string& path);

}  // namespace velkarin::data
