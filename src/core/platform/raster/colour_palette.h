// The palette behind the canvas's one byte per pixel: the program draws in a dozen colours, and a
// 4K screen then costs 8 MB instead of 33. Beyond 256 distinct colours each further colour is
// drawn in the nearest one already used.
#pragma once

#include <cstdint>
#include <vector>

#include "core/platform/color.h"

namespace quorvane {

class ColourPalette {
 public:
  // Entry 0 is `background`.
  explicit ColourPalette(Color background);

  // The colour's index, added when new.
  std::uint8_t IndexOf(Color color);
  const std::vector<Color>& Colours() const { return colours_; }

 private:
  std::vector<Color> colours_;
};

}  // namespace quorvane
