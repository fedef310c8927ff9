#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace velkarin::addon {
namespace {

// The infinities and NaN, written the same on every platform; a NaN carries
// no sign.
std::optional<std::string> NonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  return std::nullopt;
}

std::string Printf(const char* format, int precision, double value) {
  char buffer[512];
  int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
  if (n >= 0 && static_cast<size_t>(n) < sizeof buffer) return std::string(buffer, n);
  // Plain notation of a huge magnitude with many decimals: size it exactly.
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, precision, value);
  text.resize(static_cast<size_t>(n));
  return text;
}

std::string General(double value) { return Printf("%.*g", 13, value); }

// Half away from zero at `decimals` places. The scaled magnitude is lifted by
// 1e-12 first, so that a value whose fraction lies a hair below one half
// (the float32 0.0125 x 100, say) still rounds up.
double RoundHalfAway(double x, int decimals) {
  if (x == 0) return x;
  double scale = std::pow(10.0, decimals);
  double s = std::fabs(x) * scale;
  // Scaling overflowed: a magnitude this large has no fraction left to round.
  if (std::isinf(s)) return x;
  double lifted = s + 1e-12;
  double i = std::floor(lifted);
  double r = (lifted - i >= 0.5) ? i + 1 : i;
  return std::copysign(r / scale, x);
}

void PadDecimals(std::string& text, int decimals) {
  size_t point = text.find('.');
  if (point == std::string::npos) {
    text += '.';
    point = text.size() - 1;
  }
  size_t have = text.size() - point - 1;
  if (have < static_cast<size_t>(decimals)) text.append(static_cast<size_t>(decimals) - have, '0');
}

}  // namespace

std::string IntText(std::int64_t value) { return std::to_string(value); }

std::string FormatFixed(double value, int decimals) {
  if (auto text = NonFiniteText(value)) return *text;
  if (decimals < 0) decimals = 0;
  double r = RoundHalfAway(value, decimals);
  std::string text = General(r);
  // "%.13g" turns to an exponent from 1e13 on and below 1e-4, where padding
  // decimals would give "1e+13.0": such magnitudes are written in plain
  // fixed notation instead.
  if (text.find_first_of("eE") != std::string::npos) return Printf("%.*f", decimals, r);
  if (decimals > 0) PadDecimals(text, decimals);
  return text;
}

std::string FormatGeneral(double value) {
  if (auto text = NonFiniteText(value)) return *text;
  return General(value);
}

}  // namespace velkarin::addon
