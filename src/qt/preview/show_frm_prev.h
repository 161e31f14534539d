// Creates the preview window, shows it (running its load handler) and then makes it a child of
// the host's window, at the top-left of the host's client area.
#pragma once

#include <cstdint>

#include "core/startup/mod_public.h"

namespace quorvane {

void ShowFrmPrev(ModPublic& modPublic, std::int32_t parentHandle);

}  // namespace quorvane
