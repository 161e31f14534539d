#include "win32/platform/win32_screen.h"

namespace quorvane {

ScreenMetrics PrimaryScreenMetrics() {
  constexpr float kTwipsPerInch = 1440;
  HDC screen = GetDC(nullptr);
  ScreenMetrics metrics;
  metrics.TwipsPerPixelX = kTwipsPerInch / static_cast<float>(GetDeviceCaps(screen, LOGPIXELSX));
  metrics.TwipsPerPixelY = kTwipsPerInch / static_cast<float>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  metrics.Width = static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * metrics.TwipsPerPixelX;
  metrics.Height = static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * metrics.TwipsPerPixelY;
  return metrics;
}

}  // namespace quorvane
