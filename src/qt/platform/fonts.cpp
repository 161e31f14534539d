#include "qt/platform/fonts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace quorvane {

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(QString::fromLatin1(kUiGothic),
                             {"Noto Sans CJK JP", "IPAGothic", "VL Gothic"});
  QFont::insertSubstitutions(QString::fromLatin1(kTimesNewRoman),
                             {"Liberation Serif", "DejaVu Serif", "Noto Serif"});
}

QFont MakeFont(const char* family, double pointSize, QFont::Weight weight) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  return font;
}

QFont MakeCanvasFont(const char* family, double pointSize, QFont::Weight weight,
                     float twipsPerPixelY) {
  constexpr double kTwipsPerPoint = 20;
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(pointSize * kTwipsPerPoint / twipsPerPixelY))));
  font.setWeight(weight);
  return font;
}

}  // namespace quorvane
