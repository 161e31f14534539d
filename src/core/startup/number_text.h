// Number formatting and reading shared by the windows: display patterns, the leading value of a
// text, the locale-aware whole-text numeric test and rounding into 32-bit integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Formats with a pattern of the form "0.0#" or "##0.00": the '0's after the point are decimals
// always shown, the '#'s decimals shown when not zero; at least one integer digit, no grouping.
std::string FormatNumber(double value, std::string_view pattern,
                         std::string_view decimalPoint = ".");

// The number at the start of the text, "." as the decimal point: leading blanks are skipped and
// reading stops at the first character that cannot continue the number; no number gives 0.
// Values too large for a double give an infinity of the right sign.
double LeadingValue(std::string_view text);

// The separators of the user's locale, as UTF-8 texts.
struct NumericLocale {
  std::string decimalPoint = ".";
  std::string groupSeparator = ",";
};

// True when the whole text is a number: surrounding spaces, a sign, digits with the locale's
// group separators, the locale's decimal point and an exponent are allowed.
bool IsNumeric(std::string_view text, const NumericLocale& locale);

// The value of a text that IsNumeric accepts, its separators read as the locale's; nothing when
// the text is not a number in the locale.
std::optional<double> LocaleValue(std::string_view text, const NumericLocale& locale);

// Rounds half to even; nothing when the value is not finite or lies outside the signed 32-bit
// range.
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace quorvane
