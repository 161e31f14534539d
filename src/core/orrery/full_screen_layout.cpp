#include "core/orrery/full_screen_layout.h"

#include <algorithm>

namespace quorvane {

FullScreenLayout LayOutFullScreen(const std::vector<MonitorArea>& monitors) {
  FullScreenLayout layout;
  if (monitors.empty()) {
    return layout;
  }
  for (const MonitorArea& monitor : monitors) {
    layout.window = PixelRect::United(layout.window, monitor.area);
  }
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const MonitorArea& monitor) { return monitor.primary; });
  const PixelRect& picture = (primary != monitors.end() ? *primary : monitors.front()).area;
  const PixelRect& w = layout.window;
  layout.orrery = picture.Translated(-w.left, -w.top);
  const PixelRect& o = layout.orrery;
  // Full-width bands above and below the orrery, then the parts beside it.
  const PixelRect bands[] = {
      {0, 0, w.width, o.top},
      {0, o.top + o.height, w.width, w.height - o.top - o.height},
      {0, o.top, o.left, o.height},
      {o.left + o.width, o.top, w.width - o.left - o.width, o.height},
  };
  for (const PixelRect& band : bands) {
    if (!band.IsEmpty()) {
      layout.black.push_back(band);
    }
  }
  return layout;
}

}  // namespace quorvane
