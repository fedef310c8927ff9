// Builds element data files record by record: the sample files of the CLI,
// the fixtures of the tests ("a file with these records") and the hostile
// files of the robustness tests all come from here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkarin::sample {

// One fixed-size record, written field by field at byte offsets. Writes past
// the record's size are dropped, so a short record is simply cut.
class Record {
 public:
  explicit Record(std::size_t size) : bytes_(size, '\0') {}

  Record& Int32(std::int64_t offset, std::int32_t value);
  Record& Int64(std::int64_t offset, std::int64_t value);
  Record& Float(std::int64_t offset, float value);
  Record& Double(std::int64_t offset, double value);
  // A UTF-8 text as UTF-16LE in a field of fieldBytes, zero padded; a text
  // longer than the field is cut to it (with no terminator).
  Record& Name(std::int64_t offset, std::string_view utf8, std::int64_t fieldBytes = 64);
  Record& Bytes(std::int64_t offset, std::string_view bytes);

  const std::string& Data() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  std::string bytes_;
};

// A whole file: the 12-byte file header, then lists one after another.
class FileBuilder {
 public:
  FileBuilder();

  // A list header with the records' count, then the records.
  FileBuilder& List(std::int32_t recordSize, const std::vector<Record>& records);
  // A list header as given, then nothing: for headers that lie about the list.
  FileBuilder& Header(std::int32_t recordSize, std::int32_t recordCount);
  FileBuilder& Raw(std::string_view bytes);

  std::size_t Size() const { return bytes_.size(); }
  const std::string& Data() const { return bytes_; }

 private:
  std::string bytes_;
};

// The UTF-16LE bytes of a UTF-8 text.
std::string Utf16Le(std::string_view utf8);

// --- Records of the lists the viewer reads -------------------------------

inline constexpr std::int32_t kAddonRecordSize = 88;
struct AddonSpec {
  std::int32_t id = 0;
  std::int32_t type = 0;
  std::array<char, 4> param1{};  // raw bytes
  std::array<char, 4> param2{};
};
std::array<char, 4> IntParam(std::int32_t value);
std::array<char, 4> FloatParam(float value);
Record AddonRecord(const AddonSpec& fields);

inline constexpr std::int32_t kNamedRecordSize = 72;
// A record of a list read by ID and name (such as list 3).
Record NamedRecord(std::int32_t id, std::string_view utf8Name);

struct EquipSpec {
  std::int32_t id = 0;
  std::int32_t list3Id = 0;
  std::string name;      // UTF-8, colour prefix included
  std::int32_t mainAttrKind = 0;
  std::string subtitle;  // UTF-8
  std::int32_t race = 0;
  std::int64_t professionMask = 0;
  std::int32_t gender = 2;
  std::int32_t levelReq = 0;
  std::int32_t rankReq = 0;
  std::int32_t realmReq = 0;
  std::int32_t hp = 0, mp = 0, attackMin = 0, attackMax = 0, defence = 0, hit = 0, dodge = 0;
  float attackRange = 0;
  std::int32_t price = 0;
  std::array<std::int32_t, 5> addonIds{};
  std::int32_t refinable = 0;
  std::array<std::int32_t, 20> refineBonus{};  // levels 1..20
  std::int32_t socketCount = 0;
  std::int32_t mainAttrPoolId = 0;
  std::int32_t washPoolId = 0;
};
Record EquipRecord(const EquipSpec& fields);

inline constexpr std::int32_t kMainAttrPoolRecordSize = 88;
struct MainAttrPoolSpec {
  std::int32_t id = 0;
  std::string name;
  std::array<std::int32_t, 4> values{};  // PoolValue1..4
};
Record MainAttrPoolRecord(const MainAttrPoolSpec& fields);

inline constexpr std::int32_t kAddonPoolRecordSize = 1640;
struct PoolEntrySpec {
  std::int32_t type = 0;
  double first = 0;
  double second = 0;
  float probability = 0;
};
struct AddonPoolSpec {
  std::int32_t id = 0;
  std::string name;
  std::array<float, 6> countProbabilities{};
  std::vector<PoolEntrySpec> slots;  // up to 64, slot 1 first
};
Record AddonPoolRecord(const AddonPoolSpec& fields);

inline constexpr std::int32_t kSetRecordSize = 200;
struct SetSpec {
  std::int32_t id = 0;
  std::string name;  // UTF-8, may carry a colour prefix
  std::vector<std::int32_t> members;
  std::vector<std::int32_t> bonusAddonIds;  // for 2, 3, ... pieces
  std::int32_t memberCount = -1;  // -1: the number of members
};
Record SetRecord(const SetSpec& fields, std::int32_t recordSize = kSetRecordSize);

// The names of the first records by which lists are found.
inline constexpr std::string_view kEquipMarker = "菜鸟布衣(男)";
inline constexpr std::string_view kMainAttrPoolMarker = "测试主属性随机库";
inline constexpr std::string_view kAddonPoolMarker = "测试附加属性随机库";
inline constexpr std::string_view kSetMarker = "测试套装";

}  // namespace velkarin::sample
