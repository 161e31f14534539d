// What the fuzz targets share: a check that stops the run naming the property that failed, and
// the C library's reading of a decimal number to compare the program's own reading with.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define QUORVANE_FUZZ_CHECK(condition)                                                      \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace quorvane::fuzz {

// The number at the start of the text as strtod reads it (the targets never leave the "C"
// locale), limited to what the program calls a number: blanks and tabs skipped, one sign, then
// digits or a point. strtod's wider grammar (hexadecimal, "inf", other white space) reads 0.
inline double StrtodReading(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    return 0;
  }
  text.remove_prefix(start);
  double sign = 1;
  if (text.starts_with('+') || text.starts_with('-')) {
    sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  const bool decimal =
      !text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.');
  if (!decimal || text.starts_with("0x") || text.starts_with("0X")) {
    return 0;
  }
  const std::string copy(text);  // strtod needs the terminator
  return sign * std::strtod(copy.c_str(), nullptr);
}

// Equal readings; below the normal range strtod keeps a subnormal where the program may give 0.
inline bool SameReading(double a, double b) {
  return a == b || (std::abs(a) < DBL_MIN && std::abs(b) < DBL_MIN);
}

}  // namespace quorvane::fuzz
