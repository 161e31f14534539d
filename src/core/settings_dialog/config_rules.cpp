#include "core/settings_dialog/config_rules.h"

namespace quorvane {

int FocusPosition(const Settings& settings) {
  if (settings.AutoChange != 0) {
    return settings.AutoChange == 1 ? kAutoOutwardsPosition : kAutoInwardsPosition;
  }
  return settings.CenterId - 1;
}

bool ZoomTextAcceptable(std::string_view text, const NumericLocale& locale) {
  const auto value = LocaleValue(text, locale);
  return value && *value >= kMinZoom && *value <= kMaxZoom &&
         static_cast<float>(*value) == ZoomFromStoredText(text);
}

std::vector<std::pair<std::string_view, std::string>> ConfigEntries(const DialogChoice& choice) {
  return {
      {"CenterId", std::to_string(choice.focusPosition + 1)},
      {"Language", choice.japaneseSelected ? "1" : "2"},
      {"Zoom", choice.zoomText},
      {"Orbit", choice.orbitOn ? "True" : "False"},
  };
}

}  // namespace quorvane
