// What the core asks of the system around it, free of any window system.
#pragma once

#include <cstdint>

namespace quorvane {

// A mouse cursor position in screen pixels.
struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

}  // namespace quorvane
