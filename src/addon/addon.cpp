#include "addon.h"

namespace velkarin::addon {

std::string DescribeAddon(const data::ElementData&, std::int32_t) { return {}; }

}  // namespace velkarin::addon
