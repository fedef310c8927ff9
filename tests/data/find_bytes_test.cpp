// The fast searches against the plain one, and the cache slot of ElementData.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/element_data.h"
#include "data/find_bytes.h"
#include "sample/random.h"

namespace velkarin::data {
namespace {

std::optional<std::int64_t> PlainSearch(std::string_view hay, std::string_view pattern) {
  if (pattern.empty()) return std::nullopt;
  auto it = std::search(hay.begin(), hay.end(), pattern.begin(), pattern.end());
  if (it == hay.end()) return std::nullopt;
  return it - hay.begin();
}

void ExpectAsPlain(std::string_view hay, std::string_view pattern) {
  EXPECT_EQ(FindFirst(hay, pattern), PlainSearch(hay, pattern)) << "memmem path";
  EXPECT_EQ(FindFirstPortable(hay, pattern), PlainSearch(hay, pattern)) << "portable path";
}

TEST(FindFirst, GivesTheFirstOffsetOddOnesIncluded) {
  using namespace std::string_literals;
  const std::string marker = "\x4b\x6d\xd5\x8b\x57\x59\xc5\x88"s;  // a UTF-16LE name
  struct Case {
    std::string hay, pattern;
    std::optional<std::int64_t> at;
  };
  const Case cases[] = {
      {"x" + marker + marker, marker, 1},
      {std::string(7, '\0') + marker, marker, 7},
      {marker.substr(0, 7), marker, std::nullopt},          // cut by the end
      {"\x4b\x6d\x4b\x6d\xd5\x8b"s, "\x4b\x6d\xd5\x8b"s, 2},  // a false start first
      {"aaab", "aab", 1},
      {std::string(5, '\0'), std::string(2, '\0'), 0},
      {"abc", "", std::nullopt},
      {"", "a", std::nullopt},
      {"abc", "abc", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindFirst(c.hay, c.pattern), c.at);
    EXPECT_EQ(FindFirstPortable(c.hay, c.pattern), c.at);
  }
}

TEST(FindFirst, AgreesWithThePlainSearchOnRandomBytes) {
  sample::Random random(3);
  for (int round = 0; round < 2000; ++round) {
    std::string hay(static_cast<std::size_t>(random.Between(0, 200)), '\0');
    // Few distinct bytes, so that partial matches abound.
    for (char& c : hay) c = static_cast<char>(random.Pick(std::array<int, 4>{0, 0x4b, 0x6d, 0xff}));
    std::string pattern;
    if (!hay.empty() && random.Chance(70)) {
      auto from = static_cast<std::size_t>(random.Between(0, static_cast<std::int32_t>(hay.size()) - 1));
      pattern = hay.substr(from, static_cast<std::size_t>(random.Between(1, 9)));
    } else {
      pattern.assign(static_cast<std::size_t>(random.Between(1, 6)), static_cast<char>(0x6d));
    }
    ExpectAsPlain(hay, pattern);
  }
}

// A cached value counts how often it was made.
int madeCount = 0;
struct Counted {
  explicit Counted(const ElementData& data) : size(data.Size()) { ++madeCount; }
  std::int64_t size;
};
struct Other {
  explicit Other(const ElementData& data) : counted(data.Cached<Counted>().size) {}
  std::int64_t counted;
};

TEST(ElementDataCache, IsMadeOnceAndGoesWithTheBytes) {
  madeCount = 0;
  ElementData data = ElementData::FromBytes("abcd");
  EXPECT_EQ(data.Cached<Counted>().size, 4);
  EXPECT_EQ(&data.Cached<Counted>(), &data.Cached<Counted>());
  EXPECT_EQ(madeCount, 1);
  EXPECT_EQ(data.Cached<Other>().counted, 4) << "a cached type may use another";
  EXPECT_EQ(madeCount, 1);

  data = ElementData::FromBytes("abcdefgh");  // the next open
  EXPECT_EQ(data.Cached<Counted>().size, 8);
  EXPECT_EQ(madeCount, 2);

  ElementData moved(std::move(data));
  EXPECT_EQ(moved.Cached<Counted>().size, 8);
  EXPECT_EQ(madeCount, 3) << "a moved ElementData makes its caches afresh";
  EXPECT_EQ(data.Size(), 0);
}

}  // namespace
}  // namespace velkarin::data
