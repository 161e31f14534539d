#include "core/platform/raster/colour_palette.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::size_t kMaxColours = 256;
// The byte beyond 0x00BBGGRR carries no colour.
constexpr Color kColourBits = 0xFFFFFF;

int Component(Color color, int shift) {
  return static_cast<int>((color >> shift) & 0xFF);
}

int Distance(Color a, Color b) {
  int sum = 0;
  for (const int shift : {0, 8, 16}) {
    const int difference = Component(a, shift) - Component(b, shift);
    sum += difference * difference;
  }
  return sum;
}

}  // namespace

ColourPalette::ColourPalette(Color background) : colours_{background & kColourBits} {
  colours_.reserve(kMaxColours);
}

std::uint8_t ColourPalette::IndexOf(Color color) {
  color &= kColourBits;
  const auto found = std::find(colours_.begin(), colours_.end(), color);
  if (found != colours_.end()) {
    return static_cast<std::uint8_t>(found - colours_.begin());
  }
  if (colours_.size() < kMaxColours) {
    colours_.push_back(color);
    return static_cast<std::uint8_t>(colours_.size() - 1);
  }
  const auto nearest = std::min_element(
      colours_.begin(), colours_.end(),
      [color](Color a, Color b) { return Distance(color, a) < Distance(color, b); });
  return static_cast<std::uint8_t>(nearest - colours_.begin());
}

}  // namespace quorvane
