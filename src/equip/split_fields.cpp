#include "split_fields.h"

namespace velkarin::equip {
namespace {
bool IsLeadByte(char c) {
  auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}
}  // namespace

std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      ++i;  // the trail byte may be 0x7C, which is no bar
    } else if (text[i] == '|') {
      fields.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) fields.emplace_back(text.substr(start));
  return fields;
}

}  // namespace velkarin::equip
