// Standing in for the Windows fonts: a text that a wider substitute would push past its room is
// set smaller until it fits, and a text that fits keeps its size.
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QtTest>

#include "qt/platform/fonts.h"

class FontsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { quorvane::InstallFontSubstitutions(); }

  void fittingWidth_data() {
    QTest::addColumn<double>("share");  // of the text's width at the asked size
    QTest::addRow("room to spare") << 1.5;
    QTest::addRow("exactly as wide") << 1.0;
    QTest::addRow("four fifths") << 0.8;
    QTest::addRow("half") << 0.5;
  }
  void fittingWidth() {
    QFETCH(double, share);
    QLabel device;
    const QFont asked = quorvane::MakeFont(quorvane::kTimesNewRoman, 12, QFont::Bold);
    const QString text = QStringLiteral("Quorvane 1.01 (C) 2026 Quorvane Works");
    const double full = QFontMetricsF(asked, &device).horizontalAdvance(text);
    const int width = static_cast<int>(std::ceil(full * share));

    const QFont fitting = quorvane::FontFittingWidth(asked, text, width, &device);
    QCOMPARE(fitting.family(), asked.family());
    QCOMPARE(fitting.weight(), asked.weight());
    QVERIFY(QFontMetricsF(fitting, &device).horizontalAdvance(text) <= width);
    if (share >= 1.0) {
      QCOMPARE(fitting.pointSizeF(), asked.pointSizeF());
    } else {
      // As large as fits: a quarter point more would not.
      QVERIFY(fitting.pointSizeF() < asked.pointSizeF());
      QFont larger = fitting;
      larger.setPointSizeF(fitting.pointSizeF() + 0.25);
      QVERIFY(QFontMetricsF(larger, &device).horizontalAdvance(text) > width);
    }
  }

  // A width no font could meet ends at the smallest size instead of looping on.
  void fittingNothingStopsAtTheSmallestSize() {
    QLabel device;
    const QFont asked = quorvane::MakeFont(quorvane::kTimesNewRoman, 12, QFont::Bold);
    QCOMPARE(quorvane::FontFittingWidth(asked, QStringLiteral("Quorvane"), 0, &device).pointSizeF(),
             6.0);
  }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
