// The Wayland saver against a compositor in the test process: outputs plugged in, taken away and
// rescaled while it runs, buffers the compositor holds on to, and surfaces it closes.
#include "wayland/orrery/frm_main.h"

#include <gtest/gtest.h>
#include <wayland-client-core.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <thread>

#include "core/startup/body_catalogue.h"
#include "qt/platform/fonts.h"
#include "tests/wayland/fake_compositor.h"

namespace quorvane::wayland {
namespace {

constexpr std::uint32_t kSunXrgb = 0xFF6000;  // the Sun's colour, 255 96 0

class FrmMainTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wayland_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    InstallFontSubstitutions();
  }

  FrmMainTest() {
    mod.Pi = 4 * std::atan(1.0);
    InitBodies(mod.Bodies);
    mod.settings.CenterId = 4;
    mod.Rnd = [] { return 0.25; };
  }

  ~FrmMainTest() override {
    window.reset();
    connection.reset();
  }

  void Start() {
    connection =
        std::make_unique<WaylandConnection>(wl_display_connect_to_fd(compositor.ClientFd()));
    connection->lost = [this](const std::string& message) { lost = message; };
    window = std::make_unique<frmMain>(mod, *connection);
    window->endProgram = [this] { ended = true; };
    window->closeProgram = [this] { closed = true; };
    ASSERT_TRUE(window->Start());
    connection->WatchInEventLoop();
  }

  // Runs the event loop until `condition` holds; false after five seconds.
  template <typename Condition>
  bool WaitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) {
        return false;
      }
      QCoreApplication::processEvents();
      connection->Flush();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  // The surface on the output of that size (device pixels) that has shown a picture.
  std::optional<FakeCompositor::Surface> Shown(int width, int height) {
    for (const FakeCompositor::Surface& surface : compositor.Surfaces()) {
      if (surface.pictures > 0 && surface.width == width && surface.height == height) {
        return surface;
      }
    }
    return std::nullopt;
  }

  static std::uint32_t At(const FakeCompositor::Surface& surface, int x, int y) {
    return surface.pixels[static_cast<std::size_t>(y) * surface.width + x] & 0xFFFFFF;
  }

  static bool AllBlack(const FakeCompositor::Surface& surface) {
    return std::all_of(surface.pixels.begin(), surface.pixels.end(),
                       [](std::uint32_t pixel) { return (pixel & 0xFFFFFF) == 0; });
  }

  // Whether the surface shows the Sun at its centre.
  bool ShowsSun(int width, int height) {
    const auto surface = Shown(width, height);
    return surface && At(*surface, width / 2, height / 2) == kSunXrgb;
  }

  ModPublic mod;
  FakeCompositor compositor;
  std::unique_ptr<WaylandConnection> connection;
  std::unique_ptr<frmMain> window;
  bool ended = false;
  bool closed = false;
  std::string lost;
};

TEST_F(FrmMainTest, FollowsOutputsThatComeAndGo) {
  FakeCompositor::Output* first = compositor.AddOutput(1024, 768, 1);
  compositor.AddOutput(800, 600, 2);
  Start();
  ASSERT_TRUE(WaitFor([&] { return ShowsSun(1024, 768) && Shown(800, 600); }));
  EXPECT_TRUE(AllBlack(*Shown(800, 600)));
  EXPECT_EQ(Shown(800, 600)->scale, 2);

  compositor.AddOutput(640, 480, 1);
  ASSERT_TRUE(WaitFor([&] { return Shown(640, 480).has_value(); }));
  EXPECT_TRUE(AllBlack(*Shown(640, 480)));

  // The first output goes: its surface is closed and the orrery moves to the next output.
  compositor.RemoveOutput(first);
  ASSERT_TRUE(WaitFor([&] { return ShowsSun(800, 600); }));
  // Whatever the compositor sent before it answers, the program has handled.
  ASSERT_TRUE(connection->Roundtrip());
  QCoreApplication::processEvents();
  EXPECT_EQ(compositor.Surfaces().size(), 2u);
  EXPECT_EQ(window->OrrerySurface()->Scale(), 2);
  EXPECT_FALSE(ended || closed) << "the program ended when an output went away";
  EXPECT_TRUE(lost.empty()) << lost;
}

TEST_F(FrmMainTest, DrawsInDevicePixelsAfterAScaleChange) {
  FakeCompositor::Output* output = compositor.AddOutput(1024, 768, 1);
  Start();
  ASSERT_TRUE(WaitFor([&] { return ShowsSun(1024, 768); }));
  const int before = Shown(1024, 768)->pictures;
  compositor.SetScale(output, 2);
  // Logically 512 x 384 now, at two device pixels each: the same buffer size, scale 2.
  ASSERT_TRUE(WaitFor([&] {
    const auto surface = Shown(1024, 768);
    return surface && surface->scale == 2 && surface->pictures > before + 2;
  }));
  EXPECT_TRUE(ShowsSun(1024, 768));
  ASSERT_NE(window->Canvas(), nullptr);
  EXPECT_EQ(window->Canvas()->Width(), 1024);
  EXPECT_EQ(window->OrrerySurface()->Width(), 512);
}

TEST_F(FrmMainTest, NeverWritesABufferTheCompositorHolds) {
  compositor.AddOutput(320, 240, 1);
  Start();
  ASSERT_TRUE(WaitFor([&] { return ShowsSun(320, 240); }));
  // The compositor keeps every buffer: the saver takes new ones up to its limit, then waits.
  compositor.HoldBuffers(true);
  const int before = Shown(320, 240)->pictures;
  ASSERT_TRUE(WaitFor([&] { return compositor.HeldBuffers() >= 3; }));
  // Ten ticks made here, each seen through by the compositor, still send no more pictures.
  auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  timer->stop();
  for (int tick = 0; tick < 10; ++tick) {
    QMetaObject::invokeMethod(timer, "timeout");
    ASSERT_TRUE(connection->Roundtrip());
    QCoreApplication::processEvents();
  }
  timer->start();
  EXPECT_LE(Shown(320, 240)->pictures, before + 3);
  EXPECT_FALSE(compositor.SawHeldBufferReused());

  // Given back, the buffers catch up: what is shown is the canvas, pixel for pixel.
  compositor.HoldBuffers(false);
  const int held = Shown(320, 240)->pictures;
  ASSERT_TRUE(WaitFor([&] { return Shown(320, 240)->pictures > held + 3; }));
  EXPECT_FALSE(compositor.SawHeldBufferReused());
  // Between two ticks the canvas and the last picture are the same.
  window->endProgram = [] {};
  const auto surface = Shown(320, 240);
  const PixelCanvas& canvas = *window->Canvas();
  int differing = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Color colour = canvas.PixelColor(x, y);
      const std::uint32_t xrgb =
          ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
      differing += At(*surface, x, y) != xrgb ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(FrmMainTest, EndsWhenTheCompositorClosesASurfaceWhoseOutputStays) {
  FakeCompositor::Output* output = compositor.AddOutput(320, 240, 1);
  Start();
  ASSERT_TRUE(WaitFor([&] { return ShowsSun(320, 240); }));
  compositor.CloseSurfaces(output);
  EXPECT_TRUE(WaitFor([&] { return closed; }));
  EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace quorvane::wayland
