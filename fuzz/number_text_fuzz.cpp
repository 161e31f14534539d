// Number reading and formatting on arbitrary input: LeadingValue agrees with strtod and reads
// only the number, IsNumeric treats the two usual locales alike, FormatNumber reads back close to
// its input, and RoundToInt32 rounds half to even and refuses exactly what does not fit.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/startup/number_text.h"
#include "fuzz_check.h"

namespace {

using quorvane::fuzz::SameReading;
using quorvane::fuzz::StrtodReading;

const quorvane::NumericLocale kPoint{".", ","};
const quorvane::NumericLocale kComma{",", "."};
const quorvane::NumericLocale kPlain{".", ""};

void CheckLeadingValue(std::string_view text) {
  const double value = quorvane::LeadingValue(text);
  QUORVANE_FUZZ_CHECK(!std::isnan(value));
  QUORVANE_FUZZ_CHECK(SameReading(value, StrtodReading(text)));
  // Whatever follows the number is not part of it.
  QUORVANE_FUZZ_CHECK(quorvane::LeadingValue(std::string(text) + " e-5") == value);
}

std::string SwapPointAndComma(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) {
    c = c == '.' ? ',' : c == ',' ? '.' : c;
  }
  return swapped;
}

void CheckIsNumeric(std::string_view text) {
  const std::string swapped = SwapPointAndComma(text);
  QUORVANE_FUZZ_CHECK(quorvane::IsNumeric(text, kPoint) == quorvane::IsNumeric(swapped, kComma));
  const auto pointValue = quorvane::LocaleValue(text, kPoint);
  const auto commaValue = quorvane::LocaleValue(swapped, kComma);
  QUORVANE_FUZZ_CHECK(pointValue.has_value() == commaValue.has_value());
  QUORVANE_FUZZ_CHECK(!pointValue || SameReading(*pointValue, *commaValue));
  // Without grouping a number in the locale is one the C library reads to its end.
  if (quorvane::IsNumeric(text, kPlain)) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    const std::string trimmed(text.substr(first, last - first + 1));
    char* end = nullptr;
    std::strtod(trimmed.c_str(), &end);
    QUORVANE_FUZZ_CHECK(end == trimmed.c_str() + trimmed.size());
    QUORVANE_FUZZ_CHECK(SameReading(*quorvane::LocaleValue(text, kPlain), StrtodReading(trimmed)));
  }
}

void CheckFormatNumber(double value) {
  if (!std::isfinite(value)) {
    return;  // the program formats magnifications and periods, never an infinity
  }
  // A magnification: one or two decimals, the nearest to the value.
  const std::string zoom = quorvane::FormatNumber(value, "0.0#");
  const auto point = zoom.find('.');
  QUORVANE_FUZZ_CHECK(point != std::string::npos);
  QUORVANE_FUZZ_CHECK(zoom.size() - point - 1 >= 1 && zoom.size() - point - 1 <= 2);
  QUORVANE_FUZZ_CHECK(quorvane::IsNumeric(zoom, kPlain));
  const double tolerance = 0.005 + std::abs(value) * 1e-15;
  QUORVANE_FUZZ_CHECK(std::abs(quorvane::LeadingValue(zoom) - value) <= tolerance);
  QUORVANE_FUZZ_CHECK(quorvane::LocaleValue(quorvane::FormatNumber(value, "0.0#", ","), kComma) ==
                      quorvane::LeadingValue(zoom));
  // A period: exactly two decimals.
  const std::string period = quorvane::FormatNumber(value, "##0.00");
  QUORVANE_FUZZ_CHECK(period.size() >= 4 && period[period.size() - 3] == '.');
  QUORVANE_FUZZ_CHECK(std::abs(quorvane::LeadingValue(period) - value) <= tolerance);
}

void CheckRoundToInt32(double value) {
  const auto rounded = quorvane::RoundToInt32(value);
  // -2147483648.5 goes to the even -2147483648; 2147483647.5 to 2147483648, which does not fit.
  const bool fits = value >= -2147483648.5 && value < 2147483647.5;
  QUORVANE_FUZZ_CHECK(rounded.has_value() == fits);
  if (rounded) {
    const double off = std::abs(*rounded - value);
    QUORVANE_FUZZ_CHECK(off < 0.5 || (off == 0.5 && *rounded % 2 == 0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckLeadingValue(text);
  CheckIsNumeric(text);
  // The same bytes as a double, and the double the text reads as.
  double bits = 0;
  std::memcpy(&bits, data, std::min(size, sizeof bits));
  for (const double value : {bits, quorvane::LeadingValue(text)}) {
    CheckFormatNumber(value);
    CheckRoundToInt32(value);
  }
  return 0;
}
