#include "qt/orrery/show_frm_main.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/orrery/frm_main.h"
#include "qt/orrery/screen_covers.h"
#include "qt/platform/qt_screen.h"

namespace quorvane {

void ShowFrmMain(ModPublic& modPublic) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  auto* window = new frmMain(
      modPublic, DeviceScreenMetrics(primary->geometry().size() * primary->devicePixelRatio()));
  window->setAttribute(Qt::WA_DeleteOnClose);
  // The orrery on the primary monitor, black on every monitor beneath it.
  new ScreenCovers(window);
  window->show();
}

}  // namespace quorvane
