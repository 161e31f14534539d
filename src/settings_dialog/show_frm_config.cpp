// Placeholder until the settings dialog is built: says so and fails.
#include "settings_dialog/show_frm_config.h"

#include <cstdio>
#include <cstdlib>

namespace quorvane {

void ShowFrmConfig(ModPublic&, SettingsStore&) {
  std::fputs("quorvane: the settings dialog is not part of this build yet\n", stderr);
  std::exit(1);
}

}  // namespace quorvane
