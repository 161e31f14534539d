#include "wayland/orrery/show_frm_main.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "qt/platform/fonts.h"
#include "wayland/orrery/frm_main.h"

namespace quorvane::wayland {

namespace {

constexpr int kFailureStatus = 1;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "quorvane: %s\n", message.c_str());
  std::fflush(nullptr);
  std::_Exit(kFailureStatus);
}

}  // namespace

int RunFrmMain(int& argc, char** argv, ModPublic& modPublic) {
  // Glyphs, timers and the event loop need no window system: nothing of X11 is asked for.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
  QGuiApplication application(argc, argv);
  InstallFontSubstitutions();

  const bool layerShell = qEnvironmentVariableIsEmpty(kNoLayerShellVariable);
  const auto connection = WaylandConnection::Connect(layerShell);
  if (!connection) {
    Fail("cannot connect to the Wayland compositor");
  }
  // Without its connection the saver can neither show nor hear anything: the session is gone.
  connection->lost = [](const std::string& message) { Fail(message); };
  frmMain window(modPublic, *connection);
  if (!window.Start()) {
    Fail("the Wayland compositor offers no full-screen surfaces (layer shell or xdg-shell)");
  }
  connection->WatchInEventLoop();
  return QGuiApplication::exec();
}

}  // namespace quorvane::wayland
