// The fonts the windows ask for by their Windows names, and what stands in for them here.
#pragma once

#include <QFont>
#include <string_view>

#include "core/platform/font_names.h"

namespace quorvane {

// Maps "MS UI Gothic" to installed fonts with Japanese glyphs (Noto Sans CJK JP first) and
// "Times New Roman" to a serif face (Liberation Serif first, which has its metrics), so the
// choice does not depend on fontconfig's order.
void InstallFontSubstitutions();

// The font, made smaller where needed, in which the text is no wider than `width` pixels on the
// device: a face standing in for a missing one may be wider than the layout allows.
QFont FontFittingWidth(const QFont& font, const QString& text, int width,
                       const QPaintDevice* device);

// A font of the family at a point size such as 11.25, with the given weight.
QFont MakeFont(std::string_view family, double pointSize, QFont::Weight weight);
QFont MakeFont(const FontRequest& request);

}  // namespace quorvane
