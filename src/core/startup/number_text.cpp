#include "core/startup/number_text.h"

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

// Length of the longest prefix of text that reads as an unsigned decimal number with an
// optional fraction and exponent, or 0 when it starts with no digit.
std::size_t NumberPrefixLength(std::string_view text) {
  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) {
        ++j;
      }
      i = j;
    }
  }
  return i;
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
  const std::string_view rest = text.substr(i);
  const std::size_t length = NumberPrefixLength(rest);
  if (length == 0) {
    return 0;
  }
  double value = 0;
  const auto result = std::from_chars(rest.data(), rest.data() + length, value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone; tell an overflow from an underflow by the exponent.
    const auto exponent = rest.find_first_of("eE");
    const bool underflow = exponent != std::string_view::npos && rest[exponent + 1] == '-';
    return underflow ? 0.0 : sign * std::numeric_limits<double>::infinity();
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
