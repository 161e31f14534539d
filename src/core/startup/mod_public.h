// The values every window shares: the product texts, the settings read at start, Pi, the body
// table and the random generator seeded at start.
#pragma once

#include <functional>
#include <string_view>

#include "core/startup/body_catalogue.h"
#include "core/startup/settings.h"

namespace quorvane {

// The maker's notice; it follows the product name in the full-screen title and the dialog footer.
inline constexpr std::string_view kMakersNotice = " (C) 2026 Quorvane Works";
// The full-screen window's title and the first key of the single-instance search.
inline constexpr std::string_view MainTitle = "Quorvane (C) 2026 Quorvane Works";
static_assert(MainTitle.substr(std::string_view("Quorvane").size()) == kMakersNotice);
// The settings dialog's title in both languages and the second key of the search.
inline constexpr std::string_view kConfigTitle = "Quorvaneの設定";
inline constexpr std::string_view kPreviewTitle = "Quorvane Preview";
// The maker's home page, opened from the dialog's footer.
inline constexpr std::string_view kHomePage = "https://quorvane.example.org/";

struct ModPublic {
  double Pi = 0;
  Settings settings;
  BodyTable Bodies{};
  // A uniform random number in [0, 1).
  std::function<double()> Rnd;
};

}  // namespace quorvane
