// The preview window on the offscreen platform: its fixed size and design, the picture at load,
// the ring kept wherever the planet has passed, and repaints limited to the planet's two places.
#include <QPaintEvent>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <vector>

#include "qt/preview/frm_prev.h"

using namespace quorvane;

namespace {

const QColor kNavy(0, 0, 64);
const QColor kSun(255, 112, 0);
const QColor kPlanet(0, 96, 192);
const QColor kRing(64, 64, 64);

// Keeps the region of every paint event the window receives.
class PaintRecorder : public QObject {
 public:
  std::vector<QRegion> regions;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      regions.push_back(static_cast<QPaintEvent*>(event)->region());
    }
    return false;
  }
};

// Stops the window's own timer and makes its ticks happen here, so a test knows how many passed.
class TickDriver {
 public:
  explicit TickDriver(QWidget& window)
      : timer_(window.findChild<QTimer*>(QStringLiteral("Timer1"))) {
    timer_->stop();
  }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      QMetaObject::invokeMethod(timer_, "timeout");
    }
  }

 private:
  QTimer* timer_;
};

int CountColor(const QImage& image, const QColor& color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixelColor(x, y) == color ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class FrmPrevTest : public QObject {
  Q_OBJECT

 private:
  ModPublic mod;

 private slots:
  void init() { mod.Pi = 4 * std::atan(1.0); }

  void IsASmallBorderlessWindowWithARunningTimer() {
    frmPrev window(mod);
    const auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    QVERIFY(timer->isActive());  // from creation, before any load
    QCOMPARE(timer->interval(), 100);
    window.Show();
    QCOMPARE(window.size(), QSize(155, 115));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Preview"));
  }

  void LoadDrawsTheSunTheRingAndThePlanetAtItsDesignPosition() {
    frmPrev window(mod);
    window.Show();
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), kNavy);
    QCOMPARE(image.pixelColor(152, 112), kNavy);
    QCOMPARE(image.pixelColor(77, 57), kSun);
    QVERIFY(CountColor(image, kSun) > 450);
    // Design position Left 1875, Top 885 twips: a circle of 11 pixels round (131.5, 64.5).
    QCOMPARE(image.pixelColor(131, 64), kPlanet);
    QCOMPARE(image.pixelColor(125, 64), kNavy);
    QVERIFY(CountColor(image, kPlanet) > 80);
    QVERIFY(CountColor(image, kRing) > 250);
  }

  void RingStaysWhereThePlanetHasPassed() {
    frmPrev window(mod);
    TickDriver ticks(window);
    window.Show();
    const QImage loaded = window.grab().toImage();
    ticks.Tick(12);  // more than a third of a turn
    const QImage later = window.grab().toImage();
    int restored = 0;
    int hidden = 0;
    for (int y = 0; y < loaded.height(); ++y) {
      for (int x = 0; x < loaded.width(); ++x) {
        if (loaded.pixelColor(x, y) != kRing) {
          continue;
        }
        if (later.pixelColor(x, y) == kRing) {
          ++restored;
        } else {
          QCOMPARE(later.pixelColor(x, y), kPlanet);  // only where the planet stands now
          ++hidden;
        }
      }
    }
    QVERIFY(hidden > 0);
    QVERIFY(hidden < 20);
    QVERIFY(restored > 250);
  }

  void EachTickRepaintsOnlyWhereThePlanetWasAndIs() {
    frmPrev window(mod);
    TickDriver ticks(window);
    PaintRecorder recorder;
    window.installEventFilter(&recorder);
    window.Show();
    // The picture at load is painted first, whole.
    QTRY_COMPARE(recorder.regions.size(), std::size_t{1});
    recorder.regions.clear();
    for (std::size_t tick = 1; tick <= 6; ++tick) {
      ticks.Tick();
      QTRY_COMPARE(recorder.regions.size(), tick);
    }
    window.removeEventFilter(&recorder);
    const QRect sun(64, 44, 27, 27);
    for (const QRegion& region : recorder.regions) {
      int area = 0;
      for (const QRect& rect : region) {
        area += rect.width() * rect.height();
      }
      QVERIFY2(area <= 2 * 11 * 11, qPrintable(QString::number(area)));
      QVERIFY(!region.intersects(sun));
    }
  }
};

QTEST_MAIN(FrmPrevTest)
#include "frm_prev_test.moc"
