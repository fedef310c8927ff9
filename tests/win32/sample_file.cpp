// Writes the generated sample element data file that the smoke test opens:
// sample_file OUT [ITEMS]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "sample/sample.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sample_file OUT [ITEMS]\n");
    return 2;
  }
  velkarin::sample::SampleOptions options;
  if (argc > 2) options.items = std::atoi(argv[2]);
  std::ofstream out(argv[1], std::ios::binary);
  const std::string bytes = velkarin::sample::GenerateSample(options);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out.good() ? 0 : 1;
}
