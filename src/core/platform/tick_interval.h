// The interval of the frame timers of the full-screen window and the preview. The full-screen
// scene's speeds assume it: the focus planet turns once in 600 ticks, one minute.
#pragma once

#include <chrono>

namespace quorvane {

inline constexpr std::chrono::milliseconds kTickInterval{100};

}  // namespace quorvane
