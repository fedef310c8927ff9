// Writes the fuzzers' seed corpus: small sample files and the hostile files
// for the pipeline, event scripts for the replay, texts for the text target.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "sample/hostile.h"
#include "sample/sample.h"

namespace {

void Write(const std::filesystem::path& dir, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seeds DIR\n";
    return 64;
  }
  const std::filesystem::path root = argv[1];
  using velkarin::sample::GenerateSample;
  for (int items : {1, 3, 12}) {
    Write(root / "pipeline", "sample" + std::to_string(items), GenerateSample({items, 2, 0}));
  }
  for (const auto& file : velkarin::sample::HostileFiles()) Write(root / "pipeline", file.name, file.bytes);

  Write(root / "replay", "walk", "row 1\nrefine 5\nspin +1\nspin -1\nsearch 剑\nsearch 剑\ndump\n");
  Write(root / "replay", "edges", "row -1\nrow 99\nrefine abc\nspin +1\nrefine 2147483647\nspin +1\nopen\nabout\ndump\n");

  Write(root / "text", "colour", "#ffdc50");
  Write(root / "text", "refine", "\xa3\xb5\xa3\xb0");  // full-width 50
  Write(root / "text", "name", std::string("\x41\x00\x00\xd8\x3d\xd8\x00\xde\x00\xe0", 10));
  return 0;
}
