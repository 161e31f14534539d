#include "core/settings_dialog/caption_fit.h"

#include <algorithm>

namespace quorvane {

PixelRect FitToCaption(const ControlEntry& entry, const PixelRect& tableBox, int neededWidth,
                       int neededHeight) {
  if (entry.autoSize) {
    return {tableBox.left, tableBox.top, neededWidth, neededHeight};
  }
  if (entry.kind != ControlKind::OptionButton) {
    return tableBox;
  }
  const int height = std::max(tableBox.height, neededHeight);
  return {tableBox.left, tableBox.top - (height - tableBox.height) / 2,
          std::max(tableBox.width, neededWidth), height};
}

}  // namespace quorvane
