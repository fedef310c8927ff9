// The number texts of the panels: IntText, FormatFixed and FormatGeneral.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <limits>

#include "addon/number_text.h"

namespace velkarin::addon {
namespace {

struct FixedCase {
  double x;
  int decimals;
  const char* text;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsHalfAwayFromZeroAndPadsTheDecimals) {
  EXPECT_EQ(FormatFixed(GetParam().x, GetParam().decimals), GetParam().text)
      << "x = " << GetParam().x << ", N = " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, FormatFixedTest,
    ::testing::Values(FixedCase{0.05f * 100.0, 1, "5.0"}, FixedCase{0.05f * 100.0, 2, "5.00"},
                      FixedCase{0.005f * 100.0, 1, "0.5"}, FixedCase{0.0125f * 100.0, 1, "1.3"},
                      FixedCase{0.0125f * 100.0, 2, "1.25"}, FixedCase{0.25, 1, "0.3"},
                      FixedCase{0.35f, 1, "0.3"}, FixedCase{15 / 10.0, 1, "1.5"},
                      FixedCase{20 / 10.0, 1, "2.0"}, FixedCase{-1.5, 1, "-1.5"},
                      FixedCase{0, 1, "0.0"}, FixedCase{1.0f * 100.0, 2, "100.00"}));

// Halves go away from zero; a fraction less than 1e-12 below a half is lifted
// to it, one further below is not.
INSTANTIATE_TEST_SUITE_P(
    DelicateRounding, FormatFixedTest,
    ::testing::Values(FixedCase{0.5, 0, "1"}, FixedCase{2.5, 0, "3"}, FixedCase{-2.5, 0, "-3"},
                      FixedCase{0.45, 1, "0.5"}, FixedCase{-0.45, 1, "-0.5"},
                      FixedCase{2.5 - 1e-13, 0, "3"}, FixedCase{2.5 - 1e-11, 0, "2"},
                      FixedCase{0.4999999, 0, "0"}, FixedCase{0.04, 1, "0.0"},
                      FixedCase{-0.04, 1, "-0.0"}, FixedCase{-0.0, 1, "-0.0"},
                      FixedCase{-0.0, 0, "-0"}, FixedCase{12.0, 0, "12"},
                      FixedCase{1.005, 2, "1.01"}, FixedCase{123456.789, 2, "123456.79"},
                      FixedCase{-2147483648.0 / 10, 1, "-214748364.8"}));

// Where "%.13g" would switch to an exponent the text is plain fixed notation;
// just inside its range nothing changes (13 significant digits stay 13).
INSTANTIATE_TEST_SUITE_P(
    ExponentRange, FormatFixedTest,
    ::testing::Values(FixedCase{9999999999999.4, 1, "9999999999999.0"},
                      FixedCase{9999999999999.7, 1, "9999999999999.7"},
                      FixedCase{1e13, 1, "10000000000000.0"},
                      FixedCase{-1e13, 2, "-10000000000000.00"},
                      FixedCase{3.4028234663852886e38, 0,
                                "340282346638528859811704183484516925440"},
                      FixedCase{0.0001, 4, "0.0001"}, FixedCase{0.00001, 5, "0.00001"},
                      FixedCase{-0.000012, 6, "-0.000012"}, FixedCase{0.00004, 4, "0.0000"}));

TEST(FormatFixed, WritesInfinitiesAndNanWithoutDecimals) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatFixed(kInf, 1), "inf");
  EXPECT_EQ(FormatFixed(-kInf, 2), "-inf");
  EXPECT_EQ(FormatFixed(std::nan(""), 1), "nan");
  EXPECT_EQ(FormatFixed(-std::nan(""), 1), "nan");
}

TEST(FormatFixed, ScalingBeyondTheDoubleRangeKeepsTheValue) {
  // 1e300 x 10^10 overflows; the value has no fraction to round anyway.
  std::string text = FormatFixed(1e300, 10);
  ASSERT_EQ(text.size(), 301u + 1 + 10) << text;
  EXPECT_EQ(text.substr(0, 17), "10000000000000000");
  EXPECT_EQ(text.substr(301), ".0000000000");
}

TEST(FormatGeneral, IsTheShortestFormWithThirteenDigits) {
  EXPECT_EQ(FormatGeneral(50), "50");
  EXPECT_EQ(FormatGeneral(0.5), "0.5");
  EXPECT_EQ(FormatGeneral(12.25), "12.25");
  EXPECT_EQ(FormatGeneral(-3), "-3");
  EXPECT_EQ(FormatGeneral(0.05f), "0.05000000074506");
  EXPECT_EQ(FormatGeneral(1e13), "1e+13");
  EXPECT_EQ(FormatGeneral(-std::nan("")), "nan");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity()), "-inf");
}

TEST(IntText, IsPlainSignedDecimal) {
  EXPECT_EQ(IntText(0), "0");
  EXPECT_EQ(IntText(-5), "-5");
  EXPECT_EQ(IntText(1065353216), "1065353216");
  EXPECT_EQ(IntText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  EXPECT_EQ(IntText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(IntText(4294967294LL), "4294967294");
}

}  // namespace
}  // namespace velkarin::addon
