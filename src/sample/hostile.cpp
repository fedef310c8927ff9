#include "hostile.h"

#include <cstdint>
#include <string_view>

#include "builder.h"
#include "sample.h"

namespace velkarin::sample {
namespace {

constexpr std::int32_t kMaxInt = 2147483647;

std::int32_t ReadInt32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(v);
}

void WriteInt32(std::string& bytes, std::size_t at, std::int32_t value) {
  Record r(4);
  r.Int32(0, value);
  bytes.replace(at, 4, r.Data());
}

// Header positions of the lists of a well-formed file, walked from offset 12.
std::vector<std::size_t> ListHeaders(const std::string& bytes) {
  std::vector<std::size_t> headers;
  for (std::size_t q = 12; q + 8 <= bytes.size();) {
    headers.push_back(q);
    q += 8 + static_cast<std::size_t>(ReadInt32(bytes, q)) * static_cast<std::size_t>(ReadInt32(bytes, q + 4));
  }
  return headers;
}

std::string Base() { return GenerateSample({12, 11, 0}); }

void AddHeaderLies(std::vector<HostileFile>& files) {
  const std::string base = Base();
  const std::vector<std::size_t> headers = ListHeaders(base);
  struct Lie {
    const char* name;
    bool size;
    std::int32_t value;
  };
  const Lie lies[] = {{"count0", false, 0},           {"count-1", false, -1},
                      {"countmax", false, kMaxInt},   {"size0", true, 0},
                      {"size-424", true, -424},       {"sizemax", true, kMaxInt},
                      {"size1", true, 1},             {"size-1", true, -1}};
  for (std::size_t list = 0; list < headers.size(); ++list) {
    for (const Lie& lie : lies) {
      std::string bytes = base;
      WriteInt32(bytes, headers[list] + (lie.size ? 0 : 4), lie.value);
      files.push_back({"list" + std::to_string(list + 1) + "-" + lie.name, std::move(bytes)});
    }
    // Cut inside the header, and right after it.
    for (std::size_t cut : {headers[list] + 3, headers[list] + 8}) {
      files.push_back({"list" + std::to_string(list + 1) + "-cut" + std::to_string(cut - headers[list]),
                       base.substr(0, cut)});
    }
  }
  // Every list's count at its largest: more than 2 GiB declared.
  std::string all = base;
  for (std::size_t h : headers) WriteInt32(all, h + 4, kMaxInt);
  files.push_back({"all-countmax", std::move(all)});
}

void AddMarkerPlacements(std::vector<HostileFile>& files) {
  const std::string marker = Utf16Le(kEquipMarker);
  files.push_back({"marker-at-end", std::string(25, '\0') + marker});
  files.push_back({"marker-at-odd-offset", std::string(1, 'x') + Base()});
  files.push_back({"marker-at-start", marker + std::string(500, '\0')});
  files.push_back({"marker-only-full-width", Utf16Le("菜鸟布衣（男）") + std::string(500, '\0')});
  files.push_back({"marker-cut", std::string(30, '\0') + marker.substr(0, 13)});
  files.push_back({"pool-and-set-markers-at-start",
                   Utf16Le(kMainAttrPoolMarker) + Utf16Le(kAddonPoolMarker) + Utf16Le(kSetMarker) + std::string(1, '\0')
                       + Base()});
}

// Records that point at each other: sets whose bonuses are addons that do
// not exist, items in pools that do not exist, a set naming itself.
void AddDanglingReferences(std::vector<HostileFile>& files) {
  FileBuilder file;
  file.List(kAddonRecordSize, {AddonRecord({1, 34, IntParam(1124), IntParam(-1)}),
                               AddonRecord({1, 1, IntParam(5), {}}), AddonRecord({2, 999, {}, {}})});
  file.List(kNamedRecordSize, {}).List(kNamedRecordSize, {NamedRecord(3, "名")});
  EquipSpec item;
  item.id = 500;
  item.name = std::string(kEquipMarker);
  item.addonIds = {1, 2, 3, -1, 0};
  item.mainAttrPoolId = 77;
  item.washPoolId = 500;
  item.mainAttrKind = 1;
  EquipSpec looping = item;
  looping.id = 501;
  looping.name = std::string(32, 'N');  // a full name field: no terminator
  looping.subtitle = std::string(16, 'S');
  file.List(424, {EquipRecord(item), EquipRecord(looping)});
  file.List(kMainAttrPoolRecordSize, {MainAttrPoolRecord({1, std::string(kMainAttrPoolMarker), {2147483647, 2147483647, -2147483647 - 1, 5}})});
  file.List(kAddonPoolRecordSize, {AddonPoolRecord({500, std::string(kAddonPoolMarker), {1, -1, 0, 2, 0.5f, 1e30f}, {{34, 1e300, -1e300, 2}, {0, 1, 0, 0}}})});
  file.List(kSetRecordSize, {SetRecord({500, std::string(kSetMarker), {500, 501, 500}, {1, 2, 999999}}),
                             SetRecord({501, "^zzzzzz|名|字", {501}, {}, kMaxInt})});
  files.push_back({"dangling-references", file.Data()});
}

}  // namespace

std::vector<HostileFile> HostileFiles() {
  std::vector<HostileFile> files;
  files.push_back({"empty", ""});
  files.push_back({"one-byte", "x"});
  files.push_back({"header-only", std::string(12, '\0')});
  AddHeaderLies(files);
  AddMarkerPlacements(files);
  AddDanglingReferences(files);
  return files;
}

}  // namespace velkarin::sample
