// Creates the settings dialog and shows it modeless; ending it ends the program at once.
#include "qt/settings_dialog/show_frm_config.h"

#include "qt/platform/qt_system_services.h"
#include "qt/settings_dialog/frm_config.h"

namespace quorvane {

void ShowFrmConfig(ModPublic& modPublic, SettingsStore& store) {
  auto* form = new frmConfig(modPublic, store, [] { EndProgramAtOnce(); });
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->show();
}

}  // namespace quorvane
