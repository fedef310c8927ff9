// A deterministic, realistic element data file: the bundled sample, the
// benchmark files and the CLI's `sample` command.
#pragma once

#include <cstdint>
#include <string>

namespace velkarin::sample {

struct SampleOptions {
  std::int32_t items = 2000;
  std::uint64_t seed = 1;
  std::int64_t sizeMb = 0;  // pad the file to at least this many MiB with filler lists
};

std::string GenerateSample(const SampleOptions& options);

}  // namespace velkarin::sample
