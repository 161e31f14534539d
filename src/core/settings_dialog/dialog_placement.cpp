#include "core/settings_dialog/dialog_placement.h"

#include <algorithm>

namespace quorvane {

namespace {

// The start of a span of `size` centred on [start, start + extent), moved into [low, low + room);
// its start stays inside when it does not fit.
int Within(int size, int start, int extent, int low, int room) {
  const int centred = start + (extent - size) / 2;
  return std::max(low, std::min(centred, low + room - size));
}

}  // namespace

PixelRect PlaceDialog(int width, int height, const PixelRect& around, const PixelRect& workArea) {
  return {Within(width, around.left, around.width, workArea.left, workArea.width),
          Within(height, around.top, around.height, workArea.top, workArea.height), width, height};
}

}  // namespace quorvane
