#include "skill_names.h"

#include <charconv>
#include <fstream>
#include <string_view>
#include <vector>

#include "data/codepage.h"

namespace velkarin::addon {
namespace {

// "ID<TAB>name" lines, UTF-8; "#" starts a comment line.
constexpr std::string_view kKnownNames =
#include "skill_names_data.inc"
    ;

// A list of real names is about 40 KB; anything far larger is not one.
constexpr std::streamsize kMaxListBytes = 1 << 20;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Entries without a known name are "技能#" and their ID.
std::vector<std::string> BuiltInTable() {
  std::vector<std::string> table;
  table.reserve(kSkillCount);
  for (std::int32_t id = 1; id <= kSkillCount; ++id) {
    table.push_back(GBK("技能#") + std::to_string(id));
  }
  for (std::string_view line : SplitLines(kKnownNames)) {
    if (line.empty() || line.front() == '#') continue;
    size_t tab = line.find('\t');
    std::int32_t id = 0;
    auto parsed = std::from_chars(line.data(), line.data() + line.size(), id);
    if (tab == std::string_view::npos || parsed.ptr != line.data() + tab || id < 1 ||
        id > kSkillCount) {
      continue;
    }
    table[static_cast<size_t>(id - 1)] = data::Utf8ToGbk(line.substr(tab + 1));
  }
  return table;
}

std::vector<std::string>& Table() {
  static std::vector<std::string> table = BuiltInTable();
  return table;
}

// At most kMaxListBytes + 1 bytes, so that an oversized file is seen as such.
std::optional<std::string> ReadBounded(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes(static_cast<size_t>(kMaxListBytes) + 1, '\0');
  file.read(bytes.data(), kMaxListBytes + 1);
  if (file.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

}  // namespace

std::string SkillName(std::int32_t skillId) {
  if (skillId < 1 || skillId > kSkillCount) return {};
  return Table()[static_cast<size_t>(skillId - 1)];
}

std::optional<std::string> LoadSkillNames(const std::string& path) {
  const std::string where = "skill names " + path + ": ";
  auto bytes = ReadBounded(path);
  if (!bytes) return where + "cannot read the file";
  if (bytes->size() > static_cast<size_t>(kMaxListBytes)) {
    return where + "larger than 1 MiB, not a list of skill names";
  }
  std::string_view text = *bytes;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 byte order mark
  std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() != static_cast<size_t>(kSkillCount)) {
    return where + std::to_string(lines.size()) + " lines; the list has one name a line, " +
           std::to_string(kSkillCount) + " lines in skill-ID order";
  }
  std::vector<std::string> table;
  table.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    auto gbk = data::Utf8ToGbkStrict(lines[i]);
    if (!gbk) {
      return where + "line " + std::to_string(i + 1) + ": the name is not UTF-8 that GBK can hold";
    }
    table.push_back(std::move(*gbk));
  }
  Table() = std::move(table);
  return std::nullopt;
}

}  // namespace velkarin::addon
