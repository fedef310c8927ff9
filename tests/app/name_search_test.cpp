#include "app/name_search.h"

#include <gtest/gtest.h>

#include <random>

#include "data/gbk_text.h"

namespace velkarin::app {
namespace {

// The plain test of every name, that the joined search must agree with.
std::optional<std::int32_t> PlainFirstMatch(const std::vector<std::string>& names, std::int32_t from,
                                            std::int32_t to, const std::string& text) {
  for (std::int32_t k = from; k < to; ++k) {
    if (data::ContainsAtCharBoundary(names[static_cast<size_t>(k)], text)) return k;
  }
  return std::nullopt;
}

std::string RandomText(std::mt19937& random, size_t maxLength) {
  // Lead bytes, trail bytes that are also lead bytes, ASCII: matches across
  // character boundaries are common.
  static constexpr char kBytes[] = {'A', 'B', '\xB2', '\xBC', '\xD7', '\x81', '\x40'};
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = kBytes[random() % sizeof kBytes];
  return text;
}

TEST(NameSearchTest, AgreesWithTestingEveryName) {
  std::mt19937 random(11);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> names(random() % 12);
    for (std::string& name : names) name = RandomText(random, 8);
    if (round % 7 == 0 && !names.empty()) names[0] += std::string(1, '\0') + "A";  // a zero byte inside
    NameSearch search(names);
    const auto n = static_cast<std::int32_t>(names.size());
    for (int query = 0; query < 20; ++query) {
      std::string text = RandomText(random, 3);
      if (text.empty()) continue;
      if (query % 9 == 0) text += '\0';
      std::int32_t from = n ? static_cast<std::int32_t>(random() % (n + 1)) : 0;
      std::int32_t to = from + (n - from ? static_cast<std::int32_t>(random() % (n - from + 1)) : 0);
      EXPECT_EQ(search.FirstMatch(from, to, text), PlainFirstMatch(names, from, to, text));
    }
  }
}

}  // namespace
}  // namespace velkarin::app
