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

namespace {

// True when the text starts with the selector followed by a colon.
bool HasColonForm(std::string_view argumentText, std::string_view selector) {
  return argumentText.size() > 2 && argumentText[2] == ':' &&
         ModeSelector(argumentText) == selector;
}

// The text that names the preview's pane; "/p" on its own names none.
std::string_view PaneText(std::string_view argumentText) {
  if (HasColonForm(argumentText, "/p")) {
    return argumentText.substr(3);
  }
  const auto blank = argumentText.find(' ');
  if (blank != std::string_view::npos) {
    return argumentText.substr(blank + 1);
  }
  return argumentText.size() > 2 ? argumentText : std::string_view();
}

// True when a number starts the text after its blanks: an optional sign, then a digit or a point
// and a digit.
bool StartsWithNumber(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    return false;
  }
  text.remove_prefix(start);
  if (text.starts_with('+') || text.starts_with('-')) {
    text.remove_prefix(1);
  }
  const auto digit = [&text](std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
  };
  return digit(0) || (text.starts_with('.') && digit(1));
}

}  // namespace

StartDecision ReadPreviewHandle(std::string_view argumentText) {
  const std::string_view paneText = PaneText(argumentText);
  StartDecision decision{StartMode::Preview};
  if (paneText.find_first_not_of(' ') == std::string_view::npos) {
    return decision;  // no pane: a preview of its own
  }
  if (!StartsWithNumber(paneText)) {
    return {StartMode::None};
  }
  const auto handle = LeadingHandle(paneText);
  if (!handle) {
    decision.handleOverflow = true;
  } else if (*handle < 0) {
    return {StartMode::None};
  } else {
    decision.parentHandle = *handle;
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

std::int32_t DialogOwnerHandle(std::string_view argumentText) {
  if (!HasColonForm(argumentText, "/c")) {
    return 0;
  }
  return RoundToInt32(LeadingValue(argumentText.substr(3))).value_or(0);
}

}  // namespace quorvane
