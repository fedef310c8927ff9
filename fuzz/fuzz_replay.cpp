// The replay command language on a small generated file: arbitrary scripts
// after opening it.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "sample/sample.h"

namespace {

const std::string& SmallFile() {
  static const std::string path = [] {
    std::string name = "/tmp/velkarin-fuzz-replay.data";
    std::ofstream(name, std::ios::binary) << velkarin::sample::GenerateSample({30, 3, 0});
    return name;
  }();
  return path;
}

// The script with every "open PATH" turned into an open of the small file, so
// that the fuzzer explores the events rather than the file system.
std::string Script(std::string_view input) {
  std::string script = "open " + SmallFile() + "\n";
  std::istringstream lines{std::string(input)};
  for (std::string line; std::getline(lines, line);) {
    script += line.starts_with("open ") ? "open " + SmallFile() : line;
    script += '\n';
  }
  return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  std::istringstream script(Script(std::string_view(reinterpret_cast<const char*>(bytes), size)));
  std::ostringstream sink;
  std::streambuf* out = std::cout.rdbuf(sink.rdbuf());
  std::streambuf* err = std::cerr.rdbuf(sink.rdbuf());
  velkarin::cli::RunReplay(script, size % 2 == 0);
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
  return 0;
}
