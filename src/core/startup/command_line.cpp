#include "core/startup/command_line.h"

#include <cctype>

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

StartDecision ReadPreviewHandle(std::string_view argumentText) {
  const auto blank = argumentText.find(' ');
  const std::string_view handleText =
      blank == std::string_view::npos ? argumentText : argumentText.substr(blank + 1);
  StartDecision decision{StartMode::Preview};
  if (const auto handle = RoundToInt32(LeadingValue(handleText))) {
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
