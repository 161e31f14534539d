// What the settings dialog selects at load, what it accepts as a magnification and what it
// writes to [Config], apart from the window that shows it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/startup/number_text.h"
#include "core/startup/settings.h"

namespace quorvane {

inline constexpr int kAutoOutwardsPosition = 9;
inline constexpr int kAutoInwardsPosition = 10;

// The cboFocus position for the loaded settings: 0 to 8 for bodies 1 to 9, 9 and 10 for the
// automatic changes outwards and inwards, -1 (nothing) for CenterId 0.
int FocusPosition(const Settings& settings);

// The magnification limits, both included.
inline constexpr double kMinZoom = 1.0;
inline constexpr double kMaxZoom = 50.0;

// True when the whole text is a number in the user's locale whose value lies within the limits
// and is the value the text loads as once stored, so that what the check saw is what runs.
bool ZoomTextAcceptable(std::string_view text, const NumericLocale& locale);

// What the dialog's controls hold when the settings are saved.
struct DialogChoice {
  int focusPosition = -1;  // -1 when nothing is selected
  bool japaneseSelected = true;
  std::string zoomText;
  bool orbitOn = false;
};

// The [Config] keys and texts SaveConfig writes, in the order written.
std::vector<std::pair<std::string_view, std::string>> ConfigEntries(const DialogChoice& choice);

}  // namespace quorvane
