#include "core/startup/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/startup/number_text.h"
#include "core/startup/version.h"

namespace quorvane {

namespace {

constexpr std::int32_t kAutoOutwards = 10;
constexpr std::int32_t kAutoInwards = 11;

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The value of a text that is one number as a whole ("." decimal point, no grouping).
std::optional<double> WholeNumber(std::string_view text) {
  if (!IsNumeric(text, NumericLocale{".", ""})) {
    return std::nullopt;
  }
  return LeadingValue(text);
}

std::int32_t ReadCenterId(const SettingsStore& store) {
  const auto value = WholeNumber(store.ReadSetting(kConfigSection, "CenterId", ""));
  if (!value || *value != std::trunc(*value) || *value < 1 || *value > kAutoInwards) {
    return kDefaultCenterId;
  }
  return static_cast<std::int32_t>(*value);
}

std::int16_t ReadLanguage(const SettingsStore& store, std::int16_t defaultLanguage) {
  const auto value = WholeNumber(store.ReadSetting(kConfigSection, "Language", ""));
  if (value && (*value == 1 || *value == 2)) {
    return static_cast<std::int16_t>(*value);
  }
  return defaultLanguage;
}

std::int16_t ReadOrbit(const SettingsStore& store) {
  const std::string text = store.ReadSetting(kConfigSection, "Orbit", "False");
  std::string_view trimmed = text;
  while (!trimmed.empty() && trimmed.front() == ' ') {
    trimmed.remove_prefix(1);
  }
  while (!trimmed.empty() && trimmed.back() == ' ') {
    trimmed.remove_suffix(1);
  }
  if (Lower(trimmed) == "true") {
    return -1;
  }
  const auto value = WholeNumber(trimmed);
  return value && *value != 0 ? -1 : 0;
}

}  // namespace

float ZoomFromStoredText(std::string_view text) {
  auto value = WholeNumber(text);
  if (!value && std::count(text.begin(), text.end(), ',') == 1 &&
      text.find('.') == std::string_view::npos) {
    std::string withPoint(text);
    std::replace(withPoint.begin(), withPoint.end(), ',', '.');
    value = WholeNumber(withPoint);
  }
  const float zoom = value ? static_cast<float>(*value) : 0.0F;
  return std::isfinite(zoom) && zoom > 0 ? zoom : kDefaultZoom;
}

std::string VersionText(int major, int minor, int revision) {
  char text[48];
  std::snprintf(text, sizeof text, "%d.%02d.%04d", major, minor, revision);
  return text;
}

void WriteVersionInfo(SettingsStore& store, std::string_view applicationPath) {
  const std::string version = VersionText(kVersionMajor, kVersionMinor, kVersionRevision);
  bool changed = false;
  for (const auto& [key, text] :
       {std::pair<std::string_view, std::string_view>{"ApplicationPath", applicationPath},
        {"CurrentVersion", version}}) {
    // Every start runs this: a record that is already current costs no write.
    if (store.Value(kUpdateInfoSection, key) != text) {
      store.WriteSetting(kUpdateInfoSection, key, text);
      changed = true;
    }
  }
  if (changed) {
    store.Sync();  // a store that cannot be written must not keep the program from starting
  }
}

Settings LoadSettings(const SettingsStore& store, std::string_view country) {
  const std::int16_t defaultLanguage = Lower(country) == "japan" ? 1 : 2;
  Settings settings;
  settings.CenterId = ReadCenterId(store);
  settings.Language = ReadLanguage(store, defaultLanguage);
  settings.Zoom = ZoomFromStoredText(store.ReadSetting(kConfigSection, "Zoom", ""));
  settings.Orbit = ReadOrbit(store);
  SelectFocus(settings, settings.CenterId);
  return settings;
}

void SelectFocus(Settings& settings, std::int32_t focus) {
  settings.CenterId = focus;
  settings.AutoChange = 0;
  if (focus == kAutoOutwards) {
    settings.AutoChange = 1;
    settings.CenterId = 1;
  } else if (focus == kAutoInwards) {
    settings.AutoChange = -1;
    settings.CenterId = 9;
  }
}

}  // namespace quorvane
