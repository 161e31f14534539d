#include "core/startup/command_line.h"

#include <cctype>
#include <charconv>
#include <limits>

#include "core/startup/number_text.h"

namespace quorvane {

std::string ArgumentText(const std::vector<std::string>& arguments) {
  std::string text;
  for (const auto& argument : arguments) {
    if (&argument != &arguments.front()) {
      text += ' ';
    }
    text += argument;
  }
  return text;
}

std::string ModeSelector(std::string_view argumentText) {
  std::string selector(argumentText.empty() ? std::string_view("/c") : argumentText.substr(0, 2));
  for (char& c : selector) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return selector;
}

namespace {

// The text after "0x" or "0X" when the text starts with such a prefix and a hexadecimal digit.
std::optional<std::string_view> HexDigits(std::string_view text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') ||
      std::isxdigit(static_cast<unsigned char>(text[2])) == 0) {
    return std::nullopt;
  }
  return text.substr(2);
}

// The handle at the start of the text: "0x" and hexadecimal digits, as X shows window ids, or a
// decimal number; reading stops where the number does.
std::optional<std::int32_t> LeadingHandle(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  const std::string_view number = start == std::string_view::npos ? "" : text.substr(start);
  const auto hex = HexDigits(number);
  if (!hex) {
    return RoundToInt32(LeadingValue(number));
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(hex->data(), hex->data() + hex->size(), value, 16);
  if (error != std::errc() || value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::uint32_t> ReadWindowId(std::string_view text) {
  const auto hex = HexDigits(text);
  const std::string_view digits = hex ? *hex : text;
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      value == 0) {
    return std::nullopt;
  }
  return value;
}

StartDecision ReadPreviewHandle(std::string_view argumentText) {
  const auto blank = argumentText.find(' ');
  const std::string_view handleText =
      blank == std::string_view::npos ? argumentText : argumentText.substr(blank + 1);
  StartDecision decision{StartMode::Preview};
  if (const auto handle = LeadingHandle(handleText)) {
    decision.parentHandle = *handle;
  } else {
    decision.handleOverflow = true;
  }
  return decision;
}

StartDecision DecideStart(std::string_view argumentText) {
  const std::string selector = ModeSelector(argumentText);
  if (selector == "/s") {
    return {StartMode::FullScreen};
  }
  if (selector == "/c") {
    return {StartMode::Settings};
  }
  if (selector == "/p") {
    return ReadPreviewHandle(argumentText);
  }
  return {StartMode::None};
}

namespace {

// True when the text starts with the selector followed by a colon.
bool HasColonForm(std::string_view argumentText, std::string_view selector) {
  return argumentText.size() > 2 && argumentText[2] == ':' &&
         ModeSelector(argumentText) == selector;
}

}  // namespace

std::string HostArgumentText(std::string_view argumentText) {
  if (!HasColonForm(argumentText, "/p")) {
    return std::string(argumentText);
  }
  std::string text(argumentText);
  text[2] = ' ';
  return text;
}

std::int32_t DialogOwnerHandle(std::string_view argumentText) {
  if (!HasColonForm(argumentText, "/c")) {
    return 0;
  }
  return RoundToInt32(LeadingValue(argumentText.substr(3))).value_or(0);
}

}  // namespace quorvane
