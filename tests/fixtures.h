// Small helpers shared by the tests: files from the builder, texts in GBK.
#pragma once

#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/element_data.h"
#include "sample/builder.h"

namespace velkarin::testing {

inline data::ElementData DataOf(const sample::FileBuilder& file) {
  return data::ElementData::FromBytes(file.Data());
}
inline data::ElementData DataOf(std::string_view bytes) { return data::ElementData::FromBytes(bytes); }

// GBK bytes of a UTF-8 text, and back: tests state texts readably.
inline std::string G(std::string_view utf8) { return data::Utf8ToGbk(utf8); }
inline std::string U(std::string_view gbk) { return data::GbkToUtf8(gbk); }

// A file whose equipment list holds these records (behind an addon list and
// the lists 2 and 3, which may be given too).
inline sample::FileBuilder FileWithEquips(const std::vector<sample::EquipSpec>& equips,
                                          const std::vector<sample::Record>& addons = {},
                                          const std::vector<sample::Record>& list3 = {}) {
  sample::FileBuilder file;
  file.List(sample::kAddonRecordSize, addons);
  file.List(sample::kNamedRecordSize, {});
  file.List(sample::kNamedRecordSize, list3);
  std::vector<sample::Record> records;
  for (const auto& fields : equips) records.push_back(sample::EquipRecord(fields));
  file.List(424, records);
  return file;
}

}  // namespace velkarin::testing
