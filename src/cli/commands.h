// The commands of velkarin-cli. Each returns the process's exit status and
// prints one clear line on stderr for every error.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velkarin::cli {

struct ListOptions {
  std::string file;
  bool json = false;
  bool bytes = false;
};
int RunList(const ListOptions& options);

struct ShowOptions {
  std::string file;
  std::optional<std::int64_t> row;
  std::optional<std::int32_t> id;
  std::optional<std::string> refine;  // UTF-8
  bool json = false;
  bool bytes = false;
};
int RunShow(const ShowOptions& options);

struct ExportOptions {
  std::string file;
  std::optional<std::string> refine;  // UTF-8
  bool bytes = false;
};
int RunExport(const ExportOptions& options);

struct AddonOptions {
  std::string file;
  std::vector<std::string> ids;
  bool all = false;
  bool bytes = false;
};
int RunAddon(const AddonOptions& options);

int RunReplay(std::istream& script, bool bytes);

struct SampleCommandOptions {
  std::string out;
  std::int32_t items = 2000;
  std::uint64_t seed = 1;
  std::int64_t sizeMb = 0;
};
int RunSample(const SampleCommandOptions& options);

// A decimal int32: an optional "-", then digits only.
std::optional<std::int32_t> ParseInt32(const std::string& text);

}  // namespace velkarin::cli
