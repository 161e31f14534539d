// Pixel checks of the Qt canvas: discs, rings, tiny and huge circles, boxes, text, clearing and
// the dirty region that tells the window what to repaint.
#include <QElapsedTimer>
#include <QPainter>
#include <QtTest>

#include "qt/platform/fonts.h"
#include "qt/platform/qt_canvas.h"

using quorvane::Color;
using quorvane::QtCanvas;

namespace {

constexpr float kTwips = 15;  // twips per pixel
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x404040;

QRgb Rgb(Color color) {
  return quorvane::ToQColor(color).rgb();
}

QFont WindowFont() {
  return quorvane::MakeFont(quorvane::kUiGothic, 11.25, QFont::Bold);
}

QtCanvas MakeCanvas(QSize size = {400, 300}) {
  return QtCanvas(size, kTwips, kTwips, Qt::black, WindowFont());
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

int Area(const QRegion& region) {
  int area = 0;
  for (const QRect& rect : region) {
    area += rect.width() * rect.height();
  }
  return area;
}

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { quorvane::InstallFontSubstitutions(); }

  void DiscIsFilledInsideItsOutline() {
    QtCanvas canvas = MakeCanvas();
    canvas.SetFillStyle(quorvane::kFillSolid);
    canvas.SetFillColor(kRed);
    canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, kGreen);
    const QImage& image = canvas.Image();
    QCOMPARE(image.pixel(100, 100), Rgb(kRed));
    QCOMPARE(image.pixel(115, 100), Rgb(kRed));
    QCOMPARE(image.pixel(120, 100), Rgb(kGreen));
    QCOMPARE(image.pixel(100, 80), Rgb(kGreen));
    QCOMPARE(image.pixel(100, 121), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(115, 115), qRgb(0, 0, 0));  // outside the circle, inside its box
    // Erasing in black with the same call leaves nothing behind.
    canvas.SetFillColor(0);
    canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, 0);
    QCOMPARE(CountPixels(image, qRgb(0, 0, 0), image.rect()), image.width() * image.height());
  }

  void TransparentCircleIsAnOutline() {
    QtCanvas canvas = MakeCanvas();
    canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, kGreen);
    const QImage& image = canvas.Image();
    QCOMPARE(image.pixel(100, 100), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(80, 100), Rgb(kGreen));
    // A closed one-pixel line: both sides on every row but the top and bottom ones.
    const int outline = CountPixels(image, Rgb(kGreen), image.rect());
    QVERIFY2(outline > 100 && outline < 180, qPrintable(QString::number(outline)));
    for (int y = 81; y <= 119; ++y) {
      QVERIFY(CountPixels(image, Rgb(kGreen), QRect(0, y, 400, 1)) >= 2);
    }
  }

  void TinyCircleShowsAPixel_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("radius");
    QTest::newRow("pixel centre, 0.54 twips") << 150.f << 150.f << 0.54f;
    QTest::newRow("pixel corner, 0.54 twips") << 157.5f << 157.5f << 0.54f;
    QTest::newRow("pixel corner, 10 twips") << 157.5f << 157.5f << 10.f;
    QTest::newRow("off centre, 14 twips") << 151.f << 163.f << 14.f;
    QTest::newRow("one pixel") << 150.f << 150.f << 15.f;
  }
  void TinyCircleShowsAPixel() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, radius);
    for (const std::int16_t style : {quorvane::kFillSolid, quorvane::kFillTransparent}) {
      QtCanvas canvas = MakeCanvas();
      canvas.SetFillStyle(style);
      canvas.Circle(x, y, radius, kWhite);
      const int lit = CountPixels(canvas.Image(), Rgb(kWhite), canvas.Image().rect());
      QVERIFY2(lit >= 1 && lit <= 5, qPrintable(QString::number(lit)));
    }
  }

  void HugeCirclesAreClippedQuickly_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("radius");
    QTest::addColumn<std::int16_t>("fillStyle");
    QTest::addColumn<int>("filledColumns");  // from the left, in the fill colour, give or take 2
    QTest::newRow("disc covering the image")
        << 200 * kTwips << 1e30f << quorvane::kFillSolid << 400;
    QTest::newRow("ring around the image")
        << 200 * kTwips << 1e30f << quorvane::kFillTransparent << 0;
    QTest::newRow("disc far off the image")
        << -1e9f * kTwips << 10 * kTwips << quorvane::kFillSolid << 0;
    QTest::newRow("edge of a far disc")
        << -1e6f * kTwips << (1e6f + 100) * kTwips << quorvane::kFillSolid << 100;
  }
  void HugeCirclesAreClippedQuickly() {
    QFETCH(float, x);
    QFETCH(float, radius);
    QFETCH(std::int16_t, fillStyle);
    QFETCH(int, filledColumns);
    QtCanvas canvas = MakeCanvas();
    canvas.SetFillStyle(fillStyle);
    canvas.SetFillColor(kRed);
    QElapsedTimer timer;
    timer.start();
    canvas.Circle(x, 150 * kTwips, radius, kBlue);
    QVERIFY(timer.elapsed() < 500);
    const QImage& image = canvas.Image();
    const int red = CountPixels(image, Rgb(kRed), image.rect());
    QVERIFY2(red >= std::max(0, filledColumns - 2) * 300 && red <= filledColumns * 300,
             qPrintable(QString::number(red)));
    if (filledColumns > 0 && filledColumns < 400) {
      QCOMPARE(image.pixel(filledColumns, 150), Rgb(kBlue));
      QCOMPARE(image.pixel(filledColumns + 2, 150), qRgb(0, 0, 0));
    }
  }

  void BoxIncludesBothCorners() {
    QtCanvas canvas = MakeCanvas();
    canvas.Line(30 * kTwips, 20 * kTwips, 10 * kTwips, 40 * kTwips, kBlue);
    const QImage& image = canvas.Image();
    QCOMPARE(CountPixels(image, Rgb(kBlue), image.rect()), 21 * 21);
    QCOMPARE(CountPixels(image, Rgb(kBlue), QRect(10, 20, 21, 21)), 21 * 21);
    // Boxes far off the image draw nothing and take no time.
    canvas.Line(1e30f, 0, 1e30f + 3000, 3000, kRed);
    canvas.Line(-1e30f, -1e30f, -1e29f, -1e29f, kRed);
    QCOMPARE(CountPixels(image, Rgb(kRed), image.rect()), 0);
  }

  void TextIsDrawnInForeColorOverWhatIsThere() {
    QtCanvas canvas = MakeCanvas();
    canvas.Line(0, 0, 399 * kTwips, 299 * kTwips, kBlue);
    canvas.SetForeColor(kWhite);
    canvas.SetCurrentX(50 * kTwips);
    canvas.SetCurrentY(70 * kTwips);
    canvas.Print("focus:Earth");
    const QImage& image = canvas.Image();
    const int width = qRound(canvas.TextWidth("focus:Earth") / kTwips);
    const int height = qRound(canvas.TextHeight("focus:Earth") / kTwips);
    QVERIFY(width > 40 && height >= 12 && height < 30);
    const QRect textBox(50, 70, width, height);
    const int white = CountPixels(image, Rgb(kWhite), textBox);
    QVERIFY(white > 50);
    // No antialiasing: inside the box every pixel is either the text's or the background's.
    QCOMPARE(white + CountPixels(image, Rgb(kBlue), textBox), width * height);
    QCOMPARE(CountPixels(image, Rgb(kWhite), image.rect()), white);
    QCOMPARE(canvas.CurrentX(), 0.f);
    QCOMPARE(canvas.CurrentY(), 70 * kTwips + canvas.TextHeight("focus:Earth"));
  }

  void JapaneseTextHasGlyphs() {
    QtCanvas canvas = MakeCanvas();
    canvas.SetForeColor(kWhite);
    canvas.Print("地球");
    const int width = qRound(canvas.TextWidth("地球") / kTwips);
    QVERIFY(width >= 20);
    // Tofu boxes would be hollow rectangles with few pixels; these glyphs have many strokes.
    QVERIFY(CountPixels(canvas.Image(), Rgb(kWhite), canvas.Image().rect()) > 80);
  }

  void ClearRestoresTheBackgroundEverywhere() {
    QtCanvas canvas({200, 100}, kTwips, kTwips, QColor(0, 0, 64), WindowFont());
    canvas.SetFillStyle(quorvane::kFillSolid);
    canvas.Circle(100 * kTwips, 50 * kTwips, 30 * kTwips, kRed);
    canvas.TakeDirtyRegion();
    canvas.Clear();
    QCOMPARE(CountPixels(canvas.Image(), qRgb(0, 0, 64), canvas.Image().rect()), 200 * 100);
    QCOMPARE(canvas.TakeDirtyRegion(), QRegion(0, 0, 200, 100));
  }

  void DirtyRegionCoversEveryChange() {
    QtCanvas canvas = MakeCanvas();
    QCOMPARE(canvas.TakeDirtyRegion(), QRegion(0, 0, 400, 300));  // the first paint shows all
    QVERIFY(canvas.TakeDirtyRegion().isEmpty());
    QImage before = canvas.Image().copy();
    canvas.SetFillStyle(quorvane::kFillSolid);
    canvas.SetFillColor(kRed);
    canvas.Circle(200 * kTwips, 150 * kTwips, 30 * kTwips, kRed);
    canvas.Line(10 * kTwips, 10 * kTwips, 60 * kTwips, 20 * kTwips, kGreen);
    canvas.SetForeColor(kWhite);
    canvas.SetCurrentX(300 * kTwips);
    canvas.Print("Mars");
    const QRegion dirty = canvas.TakeDirtyRegion();
    const QImage& after = canvas.Image();
    for (int y = 0; y < 300; ++y) {
      for (int x = 0; x < 400; ++x) {
        if (before.pixel(x, y) != after.pixel(x, y)) {
          QVERIFY2(dirty.contains(QPoint(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
      }
    }
    QVERIFY(Area(dirty) < 63 * 63 + 51 * 11 + 60 * 25);
  }

  void RepeatedRingFlushesOnlyWhereItWasDamaged() {
    const QSize size(1600, 1200);
    QtCanvas canvas = MakeCanvas(size);
    QtCanvas fresh = MakeCanvas(size);
    const float cx = 800 * kTwips;
    const float cy = 600 * kTwips;
    const float ring = 500 * kTwips;
    canvas.Circle(cx, cy, ring, kGrey);
    canvas.TakeDirtyRegion();
    // A planet on the ring is erased and the ring drawn again, as in every frame.
    canvas.SetFillStyle(quorvane::kFillSolid);
    canvas.SetFillColor(0);
    canvas.Circle(cx + ring, cy, 8 * kTwips, 0);
    canvas.Line(cx + ring + 18 * kTwips, cy, cx + ring + 60 * kTwips, cy + 15 * kTwips, 0);
    canvas.SetFillStyle(quorvane::kFillTransparent);
    canvas.Circle(cx, cy, ring, kGrey);
    const QRegion dirty = canvas.TakeDirtyRegion();
    QVERIFY2(Area(dirty) < 2 * (19 * 19 + 45 * 18), qPrintable(QString::number(Area(dirty))));
    // The repaired ring is pixel for pixel the one drawn whole.
    fresh.Circle(cx, cy, ring, kGrey);
    QCOMPARE(canvas.Image().convertToFormat(QImage::Format_RGB32),
             fresh.Image().convertToFormat(QImage::Format_RGB32));
    // With nothing drawn near it, drawing the ring again changes and flushes nothing.
    canvas.Circle(cx, cy, ring, kGrey);
    QVERIFY(canvas.TakeDirtyRegion().isEmpty());
  }

  void CrossingRingsRepairEachOther() {
    // Rings that cross share pixels, so each redraw may change the other's.
    QtCanvas canvas = MakeCanvas();
    QImage screen(canvas.Image().size(), QImage::Format_RGB32);
    const auto flush = [&] {
      QPainter painter(&screen);
      for (const QRect& rect : canvas.TakeDirtyRegion()) {
        painter.drawImage(rect.topLeft(), canvas.Image().copy(rect));
      }
    };
    for (int frame = 0; frame < 4; ++frame) {
      canvas.SetFillStyle(quorvane::kFillTransparent);
      canvas.Circle(150 * kTwips, 150 * kTwips, 80 * kTwips, kGrey);
      canvas.Circle(230 * kTwips, 150 * kTwips, 80 * kTwips, kBlue);
      canvas.SetFillStyle(quorvane::kFillSolid);
      canvas.Circle(190 * kTwips, 80 * kTwips, (3 + frame) * kTwips, kRed);
      flush();
      QCOMPARE(screen, canvas.Image().convertToFormat(QImage::Format_RGB32));
    }
    QtCanvas fresh = MakeCanvas();
    fresh.Circle(150 * kTwips, 150 * kTwips, 80 * kTwips, kGrey);
    fresh.Circle(230 * kTwips, 150 * kTwips, 80 * kTwips, kBlue);
    fresh.SetFillStyle(quorvane::kFillSolid);
    fresh.Circle(190 * kTwips, 80 * kTwips, 6 * kTwips, kRed);
    QCOMPARE(canvas.Image().convertToFormat(QImage::Format_RGB32),
             fresh.Image().convertToFormat(QImage::Format_RGB32));
  }
};

QTEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
