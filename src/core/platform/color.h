// Colours as the program stores them: 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace quorvane {

using Color = std::uint32_t;  // 0x00BBGGRR

}  // namespace quorvane
