// Hostile element data files: the ways a modified, half-written or foreign
// file can lie about itself. The robustness tests and the fuzzers' seed
// corpus are made from them.
#pragma once

#include <string>
#include <vector>

namespace velkarin::sample {

struct HostileFile {
  std::string name;   // what is wrong with it, usable as a file name
  std::string bytes;
};

std::vector<HostileFile> HostileFiles();

}  // namespace velkarin::sample
