#include "core/startup/body_catalogue.h"

#include "core/startup/language.h"

namespace quorvane {

namespace {
constexpr double kDaysPerYear = 365.26;
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
}  // namespace

void InitBodies(BodyTable& bodies) {
  // The outer planets' periods are years times days per year, computed in double precision:
  // Neptune's product differs from the literal 60194.848 in its last bit.
  bodies = {{
      {"太陽", "Sun", 0, 0, 1392000, 0x000060FF, kFalse},
      {"水星", "Mercury", 87.97, 5791, 4878, 0x00CCCC00, kFalse},
      {"金星", "Venus", 224.7, 10820, 12104, 0x0033CCFF, kFalse},
      {"地球", "Earth", 365.26, 14960, 12756, 0x00CC0000, kFalse},
      {"火星", "Mars", 686.98, 22794, 6787, 0x000000CC, kFalse},
      {"木星", "Jupiter", kDaysPerYear * 11.86, 77833, 142800, 0x000040C0, kTrue},
      {"土星", "Saturn", kDaysPerYear * 29.46, 142940, 120660, 0x00CC6000, kTrue},
      {"天王星", "Uranus", kDaysPerYear * 84, 287099, 51118, 0x00FF8080, kTrue},
      {"海王星", "Neptune", kDaysPerYear * 164.8, 450040, 49528, 0x0000C000, kTrue},
      {"冥王星", "Pluto", kDaysPerYear * 248.5, 591352, 2320, 0x00C0C0C0, kFalse},
  }};
}

const std::string& DisplayName(const Body& body, int language) {
  return ByLanguage(language, body.NameJp, body.NameEn);
}

}  // namespace quorvane
