#include "qt/platform/fonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace quorvane {

void InstallFontSubstitutions() {
  // The Gothic faces of the Japanese font packages the program's package may pull in.
  QFont::insertSubstitutions(
      QString::fromLatin1(kUiGothic),
      {"Noto Sans CJK JP", "IPAexGothic", "IPAGothic", "VL Gothic", "TakaoGothic"});
  QFont::insertSubstitutions(QString::fromLatin1(kTimesNewRoman),
                             {"Liberation Serif", "DejaVu Serif", "Noto Serif"});
}

QFont FontFittingWidth(const QFont& font, const QString& text, int width,
                       const QPaintDevice* device) {
  constexpr double kStep = 0.25;  // points
  constexpr double kSmallest = 6.0;
  QFont fitting = font;
  while (QFontMetricsF(fitting, device).horizontalAdvance(text) > width &&
         fitting.pointSizeF() - kStep >= kSmallest) {
    fitting.setPointSizeF(fitting.pointSizeF() - kStep);
  }
  return fitting;
}

QFont MakeFont(std::string_view family, double pointSize, QFont::Weight weight) {
  QFont font(QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size())));
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  return font;
}

QFont MakeFont(const FontRequest& request) {
  return MakeFont(request.face, request.points, request.bold ? QFont::Bold : QFont::Normal);
}

}  // namespace quorvane
