#include "win32/platform/win32_screen.h"

namespace quorvane {

ScreenMetrics PrimaryScreenMetrics() {
  HDC screen = GetDC(nullptr);
  ScreenMetrics metrics;
  metrics.TwipsPerPixelX = static_cast<float>(kTwipsPerInch / GetDeviceCaps(screen, LOGPIXELSX));
  metrics.TwipsPerPixelY = static_cast<float>(kTwipsPerInch / GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  metrics.Width = static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * metrics.TwipsPerPixelX;
  metrics.Height = static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * metrics.TwipsPerPixelY;
  return metrics;
}

double PrimaryPixelRatio() {
  HDC screen = GetDC(nullptr);
  const double ratio = DevicePixelRatio(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return ratio;
}

}  // namespace quorvane
