// The fonts the windows ask for by their Windows names, and what stands in for them here.
#pragma once

#include <QFont>

namespace quorvane {

inline constexpr const char* kUiGothic = "MS UI Gothic";
inline constexpr const char* kTimesNewRoman = "Times New Roman";

// Maps "MS UI Gothic" to installed fonts with Japanese glyphs (Noto Sans CJK JP first) and
// "Times New Roman" to a serif face, so the choice does not depend on fontconfig's order.
void InstallFontSubstitutions();

// A font of the family at a point size such as 11.25, with the given weight.
QFont MakeFont(const char* family, double pointSize, QFont::Weight weight);

// The same font sized in pixels for a canvas of `twipsPerPixelY` (a point is 20 twips), so text
// keeps its proportion to the picture at any scale.
QFont MakeCanvasFont(const char* family, double pointSize, QFont::Weight weight,
                     float twipsPerPixelY);

}  // namespace quorvane
