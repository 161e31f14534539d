// A frame allocates nothing once the first few frames have sized the canvas's buffers: the
// scene's tick on the pixel canvas, with the changes taken as the window takes them, counted by
// a replaced global operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/still_host.h"
#include "core/platform/pixel_canvas.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) {
    allocations.fetch_add(1, std::memory_order_relaxed);
  }
  if (void* block = std::malloc(size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace quorvane {
namespace {

constexpr float kTwips = 15;

// Each byte a 6 x 9 box of ink.
class BoxGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view text) override {
    const int width = 8 * static_cast<int>(text.size());
    return {0,    3, width, 9, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 9, 255),
            width};
  }
  int LineHeight() const override { return 15; }
};

TEST(TickAllocation, AFrameAllocatesNothingAfterTheFirstFew) {
  struct Case {
    Settings settings;
    int width, height;
  };
  for (const Case& c : {Case{{9, 1, 5, -1, 0}, 1920, 1080}, Case{{3, 2, 100, -1, 0}, 1024, 768}}) {
    ModPublic mod;
    mod.Pi = 4 * std::atan(1.0);
    InitBodies(mod.Bodies);
    mod.settings = c.settings;
    mod.Rnd = [] { return 0.3; };
    const ScreenMetrics screen{static_cast<float>(c.width) * kTwips,
                               static_cast<float>(c.height) * kTwips, kTwips, kTwips};
    StillHost host;
    PixelCanvas canvas(c.width, c.height, kTwips, kTwips, 0, std::make_unique<BoxGlyphs>());
    OrreryScene scene(mod, canvas, screen, host);
    scene.Load();
    const auto frame = [&] {
      scene.Tick();
      return canvas.TakeDirtyRegion().size();
    };
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
      frame();
    }
    allocations = 0;
    counting = true;
    std::size_t rects = 0;
    for (int counted = 0; counted < 50; ++counted) {
      rects += frame();
    }
    counting = false;
    EXPECT_GT(rects, 0u) << c.settings.CenterId;
    EXPECT_EQ(allocations.load(), 0)
        << "focus " << c.settings.CenterId << " zoom " << c.settings.Zoom;
  }
}

}  // namespace
}  // namespace quorvane
