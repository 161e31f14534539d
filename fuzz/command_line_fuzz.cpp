// The command line on arbitrary arguments (one per line of input): ArgumentText joins them, and
// DecideStart picks the window from the first two characters and, for the preview, reads the
// handle after "/p:" or the first blank as X shows window ids ("0x" and hexadecimal digits) or as
// strtod reads a decimal number, rounded half to even, never yielding a handle that does not fit;
// a negative handle or one that is no number ends the start.
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/startup/command_line.h"
#include "fuzz_check.h"

namespace {

std::vector<std::string> Arguments(std::string_view input) {
  std::vector<std::string> arguments;
  while (!input.empty()) {
    const auto newline = input.find('\n');
    arguments.emplace_back(input.substr(0, newline));
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
  }
  return arguments;
}

void CheckArgumentText(const std::vector<std::string>& arguments, std::string_view text) {
  std::size_t offset = 0;
  for (const auto& argument : arguments) {
    QUORVANE_FUZZ_CHECK(text.substr(offset, argument.size()) == argument);
    offset += argument.size();
    QUORVANE_FUZZ_CHECK(offset == text.size() || text[offset] == ' ');
    ++offset;
  }
  QUORVANE_FUZZ_CHECK(arguments.empty() ? text.empty() : offset == text.size() + 1);
}

// A handle written as X shows window ids, "0x" and hexadecimal digits after any blanks: its
// value, or nothing for any other text.
std::optional<double> HexReading(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    return std::nullopt;
  }
  text.remove_prefix(start);
  const auto digit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') || !digit(text[2])) {
    return std::nullopt;
  }
  double value = 0;
  for (const char c : text.substr(2)) {
    if (!digit(c)) {
      break;
    }
    value = value * 16 + std::stoi(std::string(1, c), nullptr, 16);
  }
  return value;
}

// The text naming the pane: after "/p:", else after the first blank, else the whole text unless
// that is the selector alone.
std::string_view PaneText(std::string_view text) {
  if (text.size() > 2 && text[2] == ':') {
    return text.substr(3);
  }
  const auto blank = text.find(' ');
  if (blank != std::string_view::npos) {
    return text.substr(blank + 1);
  }
  return text.size() > 2 ? text : std::string_view();
}

// After blanks and a sign, a digit or a point and a digit.
bool StartsWithNumber(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  text.remove_prefix(start == std::string_view::npos ? text.size() : start);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    text.remove_prefix(1);
  }
  const auto digit = [&](std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
  };
  return digit(0) || (!text.empty() && text[0] == '.' && digit(1));
}

void CheckPreviewHandle(std::string_view text, const quorvane::StartDecision& decision) {
  using quorvane::StartMode;
  const std::string_view paneText = PaneText(text);
  if (paneText.find_first_not_of(' ') == std::string_view::npos) {
    QUORVANE_FUZZ_CHECK(decision.mode == StartMode::Preview && decision.parentHandle == 0 &&
                        !decision.handleOverflow);
    return;
  }
  const double value = HexReading(paneText).value_or(quorvane::fuzz::StrtodReading(paneText));
  const bool fits = value >= -2147483648.5 && value < 2147483647.5;
  // A handle that names no window (no number, or a negative one) ends the start.
  if (!StartsWithNumber(paneText) || (fits && std::nearbyint(value) < 0)) {
    QUORVANE_FUZZ_CHECK(decision.mode == StartMode::None && decision.parentHandle == 0 &&
                        !decision.handleOverflow);
    return;
  }
  QUORVANE_FUZZ_CHECK(decision.mode == StartMode::Preview);
  QUORVANE_FUZZ_CHECK(decision.handleOverflow == !fits);
  if (decision.handleOverflow) {
    QUORVANE_FUZZ_CHECK(decision.parentHandle == 0);
    return;
  }
  const double off = std::abs(decision.parentHandle - value);
  QUORVANE_FUZZ_CHECK(off < 0.5 || (off == 0.5 && decision.parentHandle % 2 == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto arguments = Arguments({reinterpret_cast<const char*>(data), size});
  const std::string text = quorvane::ArgumentText(arguments);
  CheckArgumentText(arguments, text);

  const quorvane::StartDecision decision = quorvane::DecideStart(text);
  const auto lower = [&](std::size_t i) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
  };
  const bool slash = text.size() >= 2 && text[0] == '/';
  using quorvane::StartMode;
  const StartMode expected = text.empty()      ? StartMode::Settings
                             : !slash          ? StartMode::None
                             : lower(1) == 's' ? StartMode::FullScreen
                             : lower(1) == 'c' ? StartMode::Settings
                             : lower(1) == 'p' ? StartMode::Preview
                                               : StartMode::None;
  if (expected == StartMode::Preview) {
    CheckPreviewHandle(text, decision);
  } else {
    QUORVANE_FUZZ_CHECK(decision.mode == expected);
    QUORVANE_FUZZ_CHECK(decision.parentHandle == 0 && !decision.handleOverflow);
  }
  return 0;
}
