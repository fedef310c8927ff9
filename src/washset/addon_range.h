// The range form of the addon descriptions: a candidate attribute of a
// washable-attribute pool, worded like the addon of its type but from two
// double values that a wash rolls between.
#pragma once

#include <cstdint>
#include <string>

namespace velkarin::washset {

// The description of a candidate of `type` ranging over first and second
// (GBK). Values within 1e-7 of each other show once; otherwise second comes
// before the "-" and first after it. The skill and count rows (34, 35, 41,
// 77) always show both, each in its own place. The empty text for a type
// without a row.
std::string DescribeAddonRange(std::int32_t type, double first, double second);

// A double as an int32, truncated toward zero: 0 for a NaN, and the int32
// limits for values beyond them.
std::int32_t TruncateToInt32(double value);

}  // namespace velkarin::washset
