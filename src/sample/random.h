// The sample generator's source of numbers.
#pragma once

#include <array>
#include <cstdint>

namespace velkarin::sample {

// A small generator whose sequence is the same on every platform and
// compiler (the standard distributions are not).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A number from lo to hi, both included.
  std::int32_t Between(std::int32_t lo, std::int32_t hi) {
    return lo + static_cast<std::int32_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Between(0, static_cast<std::int32_t>(N) - 1))];
  }

 private:
  std::uint64_t state_;
};

}  // namespace velkarin::sample
