// Creates the settings dialog and shows it modeless; its load sequence runs inside the show.
#pragma once

#include "core/platform/settings_store.h"
#include "core/startup/mod_public.h"

namespace quorvane {

void ShowFrmConfig(ModPublic& modPublic, SettingsStore& store);

}  // namespace quorvane
