#include "qt/platform/fonts.h"

#include <QStringList>

namespace quorvane {

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(QString::fromLatin1(kUiGothic),
                             {"Noto Sans CJK JP", "IPAGothic", "VL Gothic"});
  QFont::insertSubstitutions(QString::fromLatin1(kTimesNewRoman),
                             {"Liberation Serif", "DejaVu Serif", "Noto Serif"});
}

QFont MakeFont(std::string_view family, double pointSize, QFont::Weight weight) {
  QFont font(QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size())));
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  return font;
}

}  // namespace quorvane
