// The fonts the windows ask for by their Windows names, and what stands in for them here.
#pragma once

#include <QFont>
#include <string_view>

#include "core/platform/font_names.h"

namespace quorvane {

// Maps "MS UI Gothic" to installed fonts with Japanese glyphs (Noto Sans CJK JP first) and
// "Times New Roman" to a serif face, so the choice does not depend on fontconfig's order.
void InstallFontSubstitutions();

// A font of the family at a point size such as 11.25, with the given weight.
QFont MakeFont(std::string_view family, double pointSize, QFont::Weight weight);

}  // namespace quorvane
