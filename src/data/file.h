// Reading a whole file into memory.
#pragma once

#include <optional>
#include <string>

#include "element_data.h"

namespace velkarin::data {

// The whole file, or nothing when it cannot be opened or read (a missing
// file, no permission, a read error) or is not a regular file (a directory,
// a device, a pipe). The path is in the platform's own encoding.
std::optional<ElementData> ReadWholeFile(const std::string& path);

}  // namespace velkarin::data
