// Draws frames of the full-screen scene on the pixel canvas and takes each frame's changes, with
// no window: what callgrind counts per frame in frame_instructions.sh. Focus Pluto, so every
// planet is on show; text as plain boxes the size of the real labels.
// Usage: scene_frames WIDTH HEIGHT ZOOM ORBIT(0|1) FRAMES [SLEEP_MS]
// Prints the pixels sent. With SLEEP_MS it sleeps that long before each frame, as the saver does
// between ticks, and prints the median microseconds a frame took after the first five, once with
// the caches and branch predictors as a sleep leaves them, and once for frames drawn back to back.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/still_host.h"
#include "core/platform/pixel_canvas.h"

namespace {

using namespace quorvane;

constexpr float kTwips = 15;

// Each byte a 6 x 9 box on an 8-pixel advance, about as the window's bold font draws.
class BoxGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view text) override {
    const int width = 8 * static_cast<int>(text.size());
    GlyphMask mask{
        0, 3, width, 9, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 9), width};
    for (int y = 0; y < 9; ++y) {
      for (int x = 0; x < width; ++x) {
        mask.coverage[static_cast<std::size_t>(y * width + x)] = x % 8 < 6 ? 255 : 0;
      }
    }
    return mask;
  }
  int LineHeight() const override { return 15; }
};

// Median microseconds of a frame after the first five; sleeps `pause` before each one.
double MedianFrameMicroseconds(OrreryScene& scene, PixelCanvas& canvas, int frames,
                               std::chrono::milliseconds pause) {
  constexpr int kWarmUp = 5;
  std::vector<double> times;
  for (int frame = 0; frame < kWarmUp + frames; ++frame) {
    std::this_thread::sleep_for(pause);
    const auto start = std::chrono::steady_clock::now();
    scene.Tick();
    canvas.TakeDirtyRegion();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (frame >= kWarmUp) {
      times.push_back(took.count());
    }
  }
  std::nth_element(times.begin(), times.begin() + frames / 2, times.end());
  return times[static_cast<std::size_t>(frames / 2)];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: %s WIDTH HEIGHT ZOOM ORBIT FRAMES [SLEEP_MS]\n", argv[0]);
    return 2;
  }
  const int width = std::atoi(argv[1]);
  const int height = std::atoi(argv[2]);
  const int frames = std::max(std::atoi(argv[5]), 1);
  ModPublic mod;
  mod.Pi = 4 * std::atan(1.0);
  InitBodies(mod.Bodies);
  mod.settings = {9, 2, static_cast<float>(std::atof(argv[3])),
                  static_cast<std::int16_t>(std::atoi(argv[4]) != 0 ? -1 : 0), 0};
  double seed = 0;
  mod.Rnd = [&seed] {
    seed = std::fmod(seed + 0.37, 1.0);
    return seed;
  };
  const ScreenMetrics screen{static_cast<float>(width) * kTwips,
                             static_cast<float>(height) * kTwips, kTwips, kTwips};
  StillHost host;
  PixelCanvas canvas(width, height, kTwips, kTwips, 0, std::make_unique<BoxGlyphs>());
  OrreryScene scene(mod, canvas, screen, host);
  scene.Load();
  if (argc == 7) {
    const std::chrono::milliseconds pause(std::atoi(argv[6]));
    const double afterSleep = MedianFrameMicroseconds(scene, canvas, frames, pause);
    const double backToBack =
        MedianFrameMicroseconds(scene, canvas, frames, std::chrono::milliseconds(0));
    std::printf("%.1f us a frame after a sleep, %.1f back to back\n", afterSleep, backToBack);
    return 0;
  }
  long long sent = 0;
  for (int frame = frames; frame > 0; --frame) {
    scene.Tick();
    for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
      sent += rect.Area();
    }
  }
  std::printf("%lld\n", sent);
  return 0;
}
