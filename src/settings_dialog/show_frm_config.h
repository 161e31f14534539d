// Creates the settings dialog and shows it modeless; its load sequence runs inside the show.
#pragma once

#include "startup/mod_public.h"
#include "startup/settings_store.h"

namespace quorvane {

void ShowFrmConfig(ModPublic& modPublic, SettingsStore& store);

}  // namespace quorvane
