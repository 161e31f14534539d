// The process-wide settings values, the version record and their loading from the store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/settings_store.h"
#include "core/startup/language.h"

namespace quorvane {

// What a store without the key, or with a value the program never writes, gives.
inline constexpr std::int32_t kDefaultCenterId = 4;  // Mars
inline constexpr float kDefaultZoom = 5;

struct Settings {
  std::int32_t CenterId = kDefaultCenterId;  // focus body, index into Bodies (1 to 9)
  std::int16_t Language = kEnglish;          // 1 Japanese, 2 English
  float Zoom = kDefaultZoom;                 // magnification of the drawn diameters
  std::int16_t Orbit = 0;                    // 0 false, -1 true: draw the orbit rings
  std::int16_t AutoChange = 0;               // 0 fixed focus, 1 outwards, -1 inwards
};

// "1.01.0000" for major 1, minor 1, revision 0.
std::string VersionText(int major, int minor, int revision);

// Writes the folder of the program file and the version text to [UpdateInfo], when they differ
// from what is stored.
void WriteVersionInfo(SettingsStore& store, std::string_view applicationPath);

// The magnification a stored "Zoom" text loads as: a number with "." as the decimal point, or
// with one decimal comma as the dialog stores it under such a locale. Anything else, and values
// that are not finite and above zero as a float, give the default 5.
float ZoomFromStoredText(std::string_view text);

// Reads [Config]. `country` is the English name of the system's country in any letter case; it
// picks the default language. Values a hand-edited store may hold outside the ranges the dialog
// writes are corrected here, so every window can rely on the ranges.
Settings LoadSettings(const SettingsStore& store, std::string_view country);

// Sets the focus as the store writes it: 1 to 9 a body, 10 the automatic change outwards from
// Mercury, 11 inwards from Pluto.
void SelectFocus(Settings& settings, std::int32_t focus);

}  // namespace quorvane
