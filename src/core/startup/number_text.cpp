#include "core/startup/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quorvane {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether a decimal number that does not fit a double is too large rather than too small: the
// place of its first significant digit plus its exponent is positive.
bool OutOfRangeIsHuge(std::string_view number) {
  const auto e = number.find_first_of("eE");
  // Exponents are held within a bound far beyond any place a text can have, yet safe to add to.
  constexpr long long kFar = std::numeric_limits<long long>::max() / 2;
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    if (digits.starts_with('+')) {
      digits.remove_prefix(1);
    }
    if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec ==
        std::errc::result_out_of_range) {
      exponent = digits.starts_with('-') ? -kFar : kFar;
    }
    exponent = std::clamp(exponent, -kFar, kFar);
  }
  const std::string_view mantissa = number.substr(0, e);
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) {
    return false;
  }
  const auto place = first < point ? static_cast<long long>(point - first)
                                   : -static_cast<long long>(first - point - 1);
  return place + exponent > 0;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, std::string_view decimalPoint) {
  const auto point = pattern.find('.');
  const std::string_view decimals =
      point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
  const auto minDecimals = static_cast<int>(
      decimals.find_first_not_of('0') == std::string_view::npos ? decimals.size()
                                                                : decimals.find_first_not_of('0'));
  const auto maxDecimals = static_cast<int>(decimals.size());

  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, maxDecimals);
  std::string text(buffer.data(), result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);  // no sign on a value that rounds to zero
  }
  if (maxDecimals > 0) {
    int shown = maxDecimals;
    while (shown > minDecimals && text.back() == '0') {
      text.pop_back();
      --shown;
    }
    if (shown == 0) {
      text.pop_back();  // the point itself
    } else {
      text.replace(text.size() - static_cast<std::size_t>(shown) - 1, 1, decimalPoint);
    }
  }
  return text;
}

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) {
    ++i;
  }
  double sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    sign = text[i] == '-' ? -1 : 1;
    ++i;
  }
  // from_chars would also take a second sign, "inf" and "nan"; a number starts with a digit or
  // the point.
  if (i == text.size() || !(IsDigit(text[i]) || text[i] == '.')) {
    return 0;
  }
  const char* first = text.data() + i;
  double value = 0;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error == std::errc::invalid_argument) {
    return 0;
  }
  if (error == std::errc::result_out_of_range) {
    const bool huge = OutOfRangeIsHuge({first, static_cast<std::size_t>(end - first)});
    return huge ? sign * std::numeric_limits<double>::infinity() : 0.0;
  }
  return sign * value;
}

bool IsNumeric(std::string_view text, const NumericLocale& locale) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    text.remove_prefix(1);
  }
  std::size_t digits = 0;
  bool seenPoint = false;
  while (!text.empty()) {
    if (IsDigit(text.front())) {
      ++digits;
      text.remove_prefix(1);
    } else if (!seenPoint && !locale.decimalPoint.empty() &&
               text.starts_with(locale.decimalPoint)) {
      seenPoint = true;
      text.remove_prefix(locale.decimalPoint.size());
    } else if (!seenPoint && digits > 0 && !locale.groupSeparator.empty() &&
               text.starts_with(locale.groupSeparator)) {
      text.remove_prefix(locale.groupSeparator.size());
    } else {
      break;
    }
  }
  if (digits == 0) {
    return false;
  }
  if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
      text.remove_prefix(1);
    }
    if (text.empty() || !IsDigit(text.front())) {
      return false;
    }
    while (!text.empty() && IsDigit(text.front())) {
      text.remove_prefix(1);
    }
  }
  return text.empty();
}

std::optional<double> LocaleValue(std::string_view text, const NumericLocale& locale) {
  if (!IsNumeric(text, locale)) {
    return std::nullopt;
  }
  // Rewritten with "." as the point and no grouping; IsNumeric has placed every separator.
  std::string plain;
  bool seenPoint = false;
  while (!text.empty()) {
    if (!seenPoint && !locale.decimalPoint.empty() && text.starts_with(locale.decimalPoint)) {
      seenPoint = true;
      plain += '.';
      text.remove_prefix(locale.decimalPoint.size());
    } else if (!seenPoint && !locale.groupSeparator.empty() &&
               text.starts_with(locale.groupSeparator)) {
      text.remove_prefix(locale.groupSeparator.size());
    } else {
      plain += text.front();
      text.remove_prefix(1);
    }
  }
  return LeadingValue(plain);
}

std::optional<std::int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value)) {
    return std::nullopt;
  }
  const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
  if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace quorvane
