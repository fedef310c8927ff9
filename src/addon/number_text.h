// Numbers as the panels write them.
#pragma once

#include <cstdint>
#include <string>

namespace velkarin::addon {

// Plain signed decimal: digits, a leading "-" for negatives, nothing else.
std::string IntText(std::int64_t value);

// The value rounded half away from zero to `decimals` places and written
// with exactly that many digits after the point; inf, -inf and nan as such.
std::string FormatFixed(double value, int decimals);

// The shortest form with at most 13 significant digits ("%.13g").
std::string FormatGeneral(double value);

}  // namespace velkarin::addon
