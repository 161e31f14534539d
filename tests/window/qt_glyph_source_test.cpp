// Text drawn on the pixel canvas with glyphs from Qt's fonts: crisp, in ForeColor, inside the
// measured extent, and with real glyphs for Japanese names.
#include <QtTest>

#include "qt/platform/canvas_image.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_glyph_source.h"

using quorvane::Color;
using quorvane::PixelCanvas;

namespace {

constexpr float kTwips = 15;  // twips per pixel
constexpr Color kBlue = 0xFF0000;
constexpr Color kWhite = 0xFFFFFF;

PixelCanvas MakeCanvas() {
  return PixelCanvas(
      400, 300, kTwips, kTwips, 0,
      std::make_unique<quorvane::QtGlyphSource>(
          quorvane::MakeFont(quorvane::kUiGothic, 11.25, QFont::Bold), kTwips, kTwips));
}

int CountPixels(const QImage& image, QRgb color, QRect within) {
  int count = 0;
  within &= image.rect();
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      count += image.pixel(x, y) == color ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class QtGlyphSourceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { quorvane::InstallFontSubstitutions(); }

  void TextIsDrawnInForeColorOverWhatIsThere() {
    PixelCanvas canvas = MakeCanvas();
    canvas.Line(0, 0, 399 * kTwips, 299 * kTwips, kBlue);
    canvas.SetForeColor(kWhite);
    canvas.SetCurrentX(50 * kTwips);
    canvas.SetCurrentY(70 * kTwips);
    canvas.Print("focus:Earth");
    const QImage image = quorvane::CanvasImage(canvas);
    const int width = qRound(canvas.TextWidth("focus:Earth") / kTwips);
    const int height = qRound(canvas.TextHeight("focus:Earth") / kTwips);
    QVERIFY(width > 40 && height >= 12 && height < 30);
    const QRect textBox(50, 70, width, height);
    const QRgb white = quorvane::ToQColor(kWhite).rgb();
    const int ink = CountPixels(image, white, textBox);
    QVERIFY(ink > 50);
    // No antialiasing: inside the box every pixel is either the text's or the background's.
    QCOMPARE(ink + CountPixels(image, quorvane::ToQColor(kBlue).rgb(), textBox), width * height);
    QCOMPARE(CountPixels(image, white, image.rect()), ink);
    QCOMPARE(canvas.CurrentX(), 0.f);
    QCOMPARE(canvas.CurrentY(), 70 * kTwips + canvas.TextHeight("focus:Earth"));
  }

  void JapaneseTextHasGlyphs() {
    PixelCanvas canvas = MakeCanvas();
    canvas.SetForeColor(kWhite);
    canvas.Print("地球");
    const int width = qRound(canvas.TextWidth("地球") / kTwips);
    QVERIFY(width >= 20);
    // Tofu boxes would be hollow rectangles with few pixels; these glyphs have many strokes.
    const QImage image = quorvane::CanvasImage(canvas);
    QVERIFY(CountPixels(image, quorvane::ToQColor(kWhite).rgb(), image.rect()) > 80);
  }
};

QTEST_MAIN(QtGlyphSourceTest)
#include "qt_glyph_source_test.moc"
