// One picture as both builds draw it, for comparing the Windows program's pixels with the Linux
// program's: the colours, and the boxes its text may have touched (each text's glyphs and each
// label's erased box, over every frame). The two systems' fonts differ, so their pixels may differ
// inside those boxes and nowhere else. Core only: the Linux and the Windows test programs share it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/color.h"
#include "core/platform/glyph_source.h"
#include "core/platform/pixel_rect.h"
#include "core/platform/screen_metrics.h"
#include "core/startup/settings.h"

namespace quorvane::parity {

struct ParityCase {
  const char* name;
  bool preview;  // the miniature instead of the full screen
  int width;     // full screen only
  int height;
  int ticks;
  std::uint64_t seed;
  Settings settings;
  // The options after `quorvane --snapshot FILE` that draw the same picture.
  const char* snapshotOptions;
};

// The pictures compared: English and Japanese with orbits, a large Jupiter, the preview.
const std::vector<ParityCase>& Cases();

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // 0x00BBGGRR, row by row
  std::vector<PixelRect> textBoxes;

  Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The glyphs of the orrery's font for a canvas of `device`, as a front end makes them.
using GlyphFactory = std::function<std::unique_ptr<GlyphSource>(const ScreenMetrics& device)>;

// Draws the case through the core and the canvas with the front end's glyphs, as the program
// does: the full-screen orrery after its first two frames and the case's ticks, or the preview
// after as many moves of its planet.
Picture Draw(const ParityCase& parityCase, const GlyphFactory& glyphs);

// Writes `stem`.ppm (binary RGB) and `stem`.boxes (a "left top width height" line per box);
// false when either cannot be written.
bool Write(const Picture& picture, const std::string& stem);
std::optional<Picture> Read(const std::string& stem);

struct Difference {
  long long outsideText = 0;  // pixels that differ outside every text box: must be none
  long long insideText = 0;   // pixels that differ inside a text box
  long long textArea = 0;     // pixels inside the text boxes of either picture
  int firstX = -1;            // the first pixel that differs outside the text boxes
  int firstY = -1;
};

// Compares two pictures of one size; the text boxes are those of both.
Difference Compare(const Picture& a, const Picture& b);

}  // namespace quorvane::parity
