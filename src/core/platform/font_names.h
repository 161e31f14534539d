// The fonts the windows ask for, by their Windows names. Each front end maps them to what its
// system has installed.
#pragma once

namespace quorvane {

inline constexpr const char* kUiGothic = "MS UI Gothic";
inline constexpr const char* kTimesNewRoman = "Times New Roman";

}  // namespace quorvane
