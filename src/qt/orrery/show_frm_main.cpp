#include "qt/orrery/show_frm_main.h"

#include "qt/orrery/frm_main.h"
#include "qt/orrery/screen_covers.h"
#include "qt/platform/qt_screen.h"

namespace quorvane {

void ShowFrmMain(ModPublic& modPublic) {
  auto* window = new frmMain(modPublic, PrimaryScreenMetrics());
  window->setAttribute(Qt::WA_DeleteOnClose);
  // The orrery on the primary monitor, black on the others.
  new ScreenCovers(window);
  window->show();
}

}  // namespace quorvane
