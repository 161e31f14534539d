#include "core/startup/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace quorvane {
namespace {

TEST(FormatNumberTest, OneOrTwoDecimals) {
  EXPECT_EQ(FormatNumber(5, "0.0#"), "5.0");
  EXPECT_EQ(FormatNumber(1.5, "0.0#"), "1.5");
  EXPECT_EQ(FormatNumber(2.25, "0.0#"), "2.25");
  EXPECT_EQ(FormatNumber(12.345F, "0.0#"), "12.35");
  EXPECT_EQ(FormatNumber(3.14159, "0.0#"), "3.14");
  EXPECT_EQ(FormatNumber(0.25, "0.0#"), "0.25");
  EXPECT_EQ(FormatNumber(100, "0.0#"), "100.0");
  EXPECT_EQ(FormatNumber(1234567, "0.0#"), "1234567.0");
  EXPECT_EQ(FormatNumber(2.999, "0.0#"), "3.0");
  EXPECT_EQ(FormatNumber(-0.001, "0.0#"), "0.0");
  EXPECT_EQ(FormatNumber(2.5, "0.0#", ","), "2,5");
}

TEST(FormatNumberTest, ExactlyTwoDecimals) {
  EXPECT_EQ(FormatNumber(525974.4, "##0.00"), "525974.40");
  EXPECT_EQ(FormatNumber(365.26 * 11.86 * 24 * 60, "##0.00"), "6238056.38");
  EXPECT_EQ(FormatNumber(0, "##0.00"), "0.00");
  EXPECT_EQ(FormatNumber(0.5, "##0.00"), "0.50");
}

TEST(FormatNumberTest, HugeValuesAreWrittenOut) {
  EXPECT_EQ(FormatNumber(1e30F, "0.0#").size(), 33U);  // 31 digits, point, one decimal
}

TEST(LeadingValueTest, ReadsTheNumberAtTheStart) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},       {"abc", 0},   {"12", 12},       {"  12", 12},   {"\t7", 7},
      {"12abc", 12}, {"2.5", 2.5}, {".5", 0.5},      {"-3", -3},     {"+4", 4},
      {"1e3", 1000}, {"1e", 1},    {"1e+", 1},       {"2E-1x", 0.2}, {"5.0.1", 5},
      {"2,5", 2},    {"- 3", 0},   {"50.01", 50.01}, {"1e-400", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeadingValue(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(LeadingValue("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingValue("-1e400"), -std::numeric_limits<double>::infinity());
}

TEST(LeadingValueTest, OutOfRangeIsDecidedByTheNumberAlone) {
  const std::string nines(400, '9');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  // A heap copy without a terminator, so that a read past the "e" is caught by AddressSanitizer.
  const std::string endsInE = nines + "e";
  const auto bytes = std::make_unique<char[]>(endsInE.size());
  std::copy(endsInE.begin(), endsInE.end(), bytes.get());
  const double infinity = std::numeric_limits<double>::infinity();

  EXPECT_EQ(LeadingValue(std::string_view(bytes.get(), endsInE.size())), infinity);
  EXPECT_EQ(LeadingValue(nines + " e-5"), infinity);
  EXPECT_EQ(LeadingValue("-" + nines + "x1e-5"), -infinity);
  EXPECT_EQ(LeadingValue(tiny), 0);
  EXPECT_EQ(LeadingValue("1e99999999999999999999"), infinity);
  EXPECT_EQ(LeadingValue("1e-99999999999999999999"), 0);
  EXPECT_EQ(LeadingValue("1e9223372036854775807"), infinity);  // the largest exponent that fits
  EXPECT_EQ(LeadingValue(tiny + "e-9223372036854775808"), 0);
}

TEST(IsNumericTest, WholeTextIsOneNumberInTheLocale) {
  const NumericLocale english{".", ","};
  // "." groups digits in German, so "1.0" reads as ten there but is still a number.
  const NumericLocale german{",", "."};
  const struct {
    const char* text;
    bool english;
    bool german;
  } cases[] = {
      {"1", true, true},       {"1.0", true, true},   {" 50.0 ", true, true},
      {"-2", true, true},      {"+2", true, true},    {"1,000.5", true, false},
      {"2,5", true, true},     {"1e3", true, true},   {"1E-3", true, true},
      {"", false, false},      {" ", false, false},   {"abc", false, false},
      {"12abc", false, false}, {"1e", false, false},  {".", false, false},
      {"1.2.3", false, true},  {"- 1", false, false}, {"1 2", false, false},
      {",5", false, true},     {".5", true, false},   {"5.", true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumeric(c.text, english), c.english) << '"' << c.text << '"';
    EXPECT_EQ(IsNumeric(c.text, german), c.german) << '"' << c.text << '"';
  }
}

TEST(IsNumericTest, MultiByteSeparators) {
  const NumericLocale french{",", "\u202F"};
  EXPECT_TRUE(IsNumeric("1\u202F000,5", french));
  EXPECT_FALSE(IsNumeric("1\u202F000.5", french));
}

TEST(LocaleValueTest, ReadsTheLocalesSeparators) {
  const NumericLocale english{".", ","};
  const NumericLocale german{",", "."};
  EXPECT_EQ(LocaleValue(" 1,000.5 ", english), 1000.5);
  EXPECT_EQ(LocaleValue("1,5", english), 15);
  EXPECT_EQ(LocaleValue("1.000,5", german), 1000.5);
  EXPECT_EQ(LocaleValue("-2,5e1", german), -25);
  EXPECT_EQ(LocaleValue("1\u202F000,5", NumericLocale{",", "\u202F"}), 1000.5);
  EXPECT_FALSE(LocaleValue("1,000.5", german));
  EXPECT_FALSE(LocaleValue("12abc", english));
}

TEST(RoundToInt32Test, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt32(0.5), 0);
  EXPECT_EQ(RoundToInt32(1.5), 2);
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(2.6), 3);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
}

TEST(RoundToInt32Test, OutOfRangeIsAnOverflow) {
  EXPECT_FALSE(RoundToInt32(2147483647.5));
  EXPECT_FALSE(RoundToInt32(-2147483648.6));
  EXPECT_FALSE(RoundToInt32(1e300));
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(RoundToInt32(std::nan("")));
}

}  // namespace
}  // namespace quorvane
