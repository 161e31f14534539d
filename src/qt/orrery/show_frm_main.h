// Creates the full-screen window and shows it; its load handler runs inside the show.
#pragma once

#include "core/startup/mod_public.h"

namespace quorvane {

void ShowFrmMain(ModPublic& modPublic);

}  // namespace quorvane
