#include "orrery/show_frm_main.h"

#include "orrery/frm_main.h"
#include "platform/screen_metrics.h"

namespace quorvane {

void ShowFrmMain(ModPublic& modPublic) {
  auto* window = new frmMain(modPublic, PrimaryScreenMetrics());
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

}  // namespace quorvane
