#include "sample.h"

#include <algorithm>

#include "builder.h"
#include "data/equip_record.h"
#include "sample_lists.h"

namespace velkarin::sample {
namespace {

// Filler lists of unnamed 1 MiB records until the file reaches the size.
void Pad(FileBuilder& file, std::int64_t sizeMb) {
  constexpr std::int32_t kFillerRecord = 1 << 20;
  std::int64_t target = sizeMb << 20;
  if (file.Size() + 8 >= static_cast<std::size_t>(target)) return;
  auto records = static_cast<std::int32_t>((target - static_cast<std::int64_t>(file.Size()) - 8 + kFillerRecord - 1) / kFillerRecord);
  file.Header(kFillerRecord, records);
  file.Raw(std::string(static_cast<std::size_t>(records) * kFillerRecord, '\0'));
}

}  // namespace

std::string GenerateSample(const SampleOptions& options) {
  Random random(options.seed);
  std::int32_t items = std::max(1, options.items);
  FileBuilder file;
  file.List(kAddonRecordSize, AddonList(random));
  file.List(kNamedRecordSize, {NamedRecord(1, "占位")});
  file.List(kNamedRecordSize, List3());
  file.List(data::kEquipRecordSize, EquipList(random, items));
  Pad(file, options.sizeMb);
  file.List(kMainAttrPoolRecordSize, MainAttrPoolList(random));
  file.List(kAddonPoolRecordSize, AddonPoolList(random));
  file.List(kSetRecordSize, SetList(random, items));
  return file.Data();
}

}  // namespace velkarin::sample
