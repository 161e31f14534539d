// Colours as the program stores them, 0x00BBGGRR, and the few fixed ones shared by the scenes.
#pragma once

#include <cstdint>

namespace quorvane {

using Color = std::uint32_t;  // 0x00BBGGRR

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
// Orbit rings, in the full-screen scene and in the preview.
inline constexpr Color kOrbitGrey = 0x404040;

}  // namespace quorvane
