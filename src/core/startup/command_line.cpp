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

}  // namespace quorvane
