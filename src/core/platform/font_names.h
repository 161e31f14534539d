// The fonts the windows ask for, by their Windows names. Each front end maps them to what its
// system has installed.
#pragma once

namespace quorvane {

inline constexpr const char* kUiGothic = "MS UI Gothic";
inline constexpr const char* kTimesNewRoman = "Times New Roman";

// A font as a window asks for it.
struct FontRequest {
  const char* face;
  double points;
  bool bold;
};

// The full-screen orrery's labels and lines of information.
inline constexpr FontRequest kOrreryFont{kUiGothic, 11.25, true};

}  // namespace quorvane
