// The cost of one frame of the full-screen window: DrawFrame on the pixel canvas plus the flush it
// asks for, the dirty region blitted from the canvas into a window-sized image as the window's
// backing store would be. Pluto as focus (every planet on show) with orbit rings, at three screen
// sizes and at Zoom 5 and 100; a frame should cost about the same on every size. Counters:
// flushed_px, the pixels sent per frame, and changed_px, the pixels that differ between two
// consecutive frames (the least any flush could send).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/still_host.h"
#include "core/platform/pixel_canvas.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_glyph_source.h"

namespace {

using namespace quorvane;

constexpr float kTwips = 15;

void DrawFrameAndFlush(benchmark::State& state) {
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  ModPublic mod;
  mod.Pi = 4 * std::atan(1.0);
  InitBodies(mod.Bodies);
  mod.settings = {9, 2, static_cast<float>(state.range(2)), -1, 0};
  double seed = 0;
  mod.Rnd = [&seed] {
    seed = std::fmod(seed + 0.37, 1.0);
    return seed;
  };
  const ScreenMetrics screen{static_cast<float>(size.width()) * kTwips,
                             static_cast<float>(size.height()) * kTwips, kTwips, kTwips};
  StillHost host;
  PixelCanvas canvas(
      size.width(), size.height(), kTwips, kTwips, 0,
      std::make_unique<QtGlyphSource>(MakeFont(kUiGothic, 11.25, QFont::Bold), kTwips, kTwips));
  OrreryScene scene(mod, canvas, screen, host);
  scene.Load();
  QImage backingStore(size, QImage::Format_RGB32);
  const auto flush = [&] {
    const QRegion dirty = ToQRegion(canvas.TakeDirtyRegion());
    const QImage image = CanvasImage(canvas);
    QPainter painter(&backingStore);
    for (const QRect& rect : dirty) {
      painter.drawImage(rect.topLeft(), image.copy(rect));
    }
    return dirty;
  };
  // The first frames repaint everything once; the steady state is what counts.
  for (int frame = 0; frame < 3; ++frame) {
    scene.DrawFrame();
    flush();
  }
  double flushedPixels = 0;
  double changedPixels = 0;
  std::vector<std::uint8_t> previous(canvas.Pixels(),
                                     canvas.Pixels() + static_cast<std::size_t>(size.width()) *
                                                           static_cast<std::size_t>(size.height()));
  for (auto _ : state) {
    scene.DrawFrame();
    for (const QRect& rect : flush()) {
      flushedPixels += rect.width() * rect.height();
    }
    // Not part of a frame's cost.
    state.PauseTiming();
    for (std::size_t i = 0; i < previous.size(); ++i) {
      changedPixels += previous[i] != canvas.Pixels()[i] ? 1 : 0;
      previous[i] = canvas.Pixels()[i];
    }
    state.ResumeTiming();
  }
  state.counters["flushed_px"] =
      benchmark::Counter(flushedPixels, benchmark::Counter::kAvgIterations);
  state.counters["changed_px"] =
      benchmark::Counter(changedPixels, benchmark::Counter::kAvgIterations);
}

BENCHMARK(DrawFrameAndFlush)
    ->Args({1024, 768, 5})
    ->Args({1920, 1080, 5})
    ->Args({3840, 2160, 5})
    ->Args({7680, 4320, 5})
    ->Args({1024, 768, 100})
    ->Args({1920, 1080, 100})
    ->Args({3840, 2160, 100})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts need the application object; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
