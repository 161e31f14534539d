// LoadSettings on arbitrary stored texts. The input's lines are CenterId, Language, Zoom, Orbit
// and the system's country; missing lines are missing keys. Every loaded value lies in the range
// the windows rely on, a magnification text the dialog accepts loads as the value it checked,
// and the text the dialog shows for a loaded magnification passes its check and loads back.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_dialog/config_rules.h"
#include "core/startup/number_text.h"
#include "core/startup/settings.h"
#include "fuzz_check.h"
#include "support/memory_settings_store.h"

namespace {

const quorvane::NumericLocale kLocales[] = {
    {".", ","}, {",", "."}, {",", "\u202F"}, {".", "'"}, {".", ""},
};

void CheckRanges(const quorvane::Settings& settings) {
  QUORVANE_FUZZ_CHECK(settings.CenterId >= 1 && settings.CenterId <= 9);
  QUORVANE_FUZZ_CHECK(settings.Language == 1 || settings.Language == 2);
  QUORVANE_FUZZ_CHECK(std::isfinite(settings.Zoom) && settings.Zoom > 0);
  QUORVANE_FUZZ_CHECK(settings.Orbit == 0 || settings.Orbit == -1);
  QUORVANE_FUZZ_CHECK(settings.AutoChange >= -1 && settings.AutoChange <= 1);
  QUORVANE_FUZZ_CHECK(settings.AutoChange != 1 || settings.CenterId == 1);
  QUORVANE_FUZZ_CHECK(settings.AutoChange != -1 || settings.CenterId == 9);
}

void CheckTypedZoom(std::string_view typed, float loaded) {
  for (const auto& locale : kLocales) {
    if (quorvane::ZoomTextAcceptable(typed, locale)) {
      QUORVANE_FUZZ_CHECK(loaded >= quorvane::kMinZoom && loaded <= quorvane::kMaxZoom);
      QUORVANE_FUZZ_CHECK(loaded == static_cast<float>(*quorvane::LocaleValue(typed, locale)));
    }
  }
}

void CheckShownZoom(float zoom) {
  if (zoom < quorvane::kMinZoom || zoom > quorvane::kMaxZoom) {
    return;
  }
  for (const auto& locale : kLocales) {
    const std::string shown = quorvane::FormatNumber(zoom, "0.0#", locale.decimalPoint);
    QUORVANE_FUZZ_CHECK(quorvane::ZoomTextAcceptable(shown, locale));
    // Half a hundredth of rounding, plus the float's own resolution at that size.
    QUORVANE_FUZZ_CHECK(std::abs(quorvane::ZoomFromStoredText(shown) - zoom) <=
                        0.005F + zoom * 1e-6F);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> lines;
  while (!input.empty() && lines.size() < 5) {
    const auto newline = input.find('\n');
    lines.push_back(input.substr(0, newline));
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
  }
  const std::string_view keys[] = {"CenterId", "Language", "Zoom", "Orbit"};
  quorvane::testing::MemorySettingsStore store;
  for (std::size_t i = 0; i < lines.size() && i < std::size(keys); ++i) {
    store.WriteSetting(quorvane::kConfigSection, keys[i], lines[i]);
  }
  const std::string_view country = lines.size() > 4 ? lines[4] : "";
  const quorvane::Settings settings = quorvane::LoadSettings(store, country);

  CheckRanges(settings);
  const std::string storedZoom = store.ReadSetting(quorvane::kConfigSection, "Zoom", "5");
  QUORVANE_FUZZ_CHECK(settings.Zoom == quorvane::ZoomFromStoredText(storedZoom));
  CheckTypedZoom(storedZoom, settings.Zoom);
  CheckShownZoom(settings.Zoom);
  if (lines.size() > 1 && (lines[1] == "1" || lines[1] == "2")) {
    QUORVANE_FUZZ_CHECK(settings.Language == lines[1][0] - '0');
  }
  return 0;
}
