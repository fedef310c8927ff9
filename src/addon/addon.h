// Addon descriptions: the one-line text of an addon (an attribute bonus).
#pragma once

#include <cstdint>
#include <string>

#include "data/element_data.h"

namespace velkarin::addon {

// The description of the first addon of the addon list (list 1) with this
// ID; the empty text when the list has none.
std::string DescribeAddon(const data::ElementData& data, std::int32_t addonId);

}  // namespace velkarin::addon
