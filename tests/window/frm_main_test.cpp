// The full-screen window on the offscreen platform: its design-time properties, the state its load
// step leaves, the running frame timer and a close through the window system.
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "core/platform/tick_interval.h"
#include "qt/orrery/frm_main.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_screen.h"

using namespace quorvane;

class FrmMainTest : public QObject {
  Q_OBJECT

 private:
  ModPublic mod;

 private slots:
  void initTestCase() { quorvane::InstallFontSubstitutions(); }

  void init() {
    mod = {};
    mod.Pi = 4 * std::atan(1.0);
    InitBodies(mod.Bodies);
    mod.settings = {3, 2, 5, -1, 0};
    mod.Rnd = [] { return 0.25; };
  }

  void CoversTheScreenWithoutFrameOrTaskbarEntry() {
    frmMain window(mod, PrimaryScreenMetrics());
    QCOMPARE(window.windowTitle(), QString::fromUtf8(MainTitle.data()));
    QCOMPARE(window.geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(window.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(window.cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(window.cursor().pixmap().toImage().pixelColor(16, 16).alpha(), 0);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.font().pointSizeF(), 11.25);
    QCOMPARE(window.font().weight(), QFont::Bold);
  }

  void LoadHidesTheTextBoxAndStartsTheTimer() {
    frmMain window(mod, PrimaryScreenMetrics());
    const auto* txtDummy = window.findChild<QLineEdit*>(QStringLiteral("txtDummy"));
    QVERIFY(txtDummy != nullptr);
    QCOMPARE(txtDummy->pos(), QPoint(2 * window.width(), 2 * window.height()));
    QCOMPARE(txtDummy->size(), QSize(11, 19));
    QVERIFY(!txtDummy->testAttribute(Qt::WA_InputMethodEnabled));
    const auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->intervalAsDuration(), kTickInterval);
    // The load step drew before any show: the overlay is on the canvas already.
    const QImage loaded = window.grab().toImage();
    int white = 0;
    for (int y = 50; y < 66; ++y) {
      for (int x = 50; x < 250; ++x) {
        white += loaded.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
      }
    }
    QVERIFY(white > 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(txtDummy->hasFocus());
  }

  void TicksDrawTheFilledSunAndPlanets() {
    frmMain window(mod, PrimaryScreenMetrics());
    // At load the Sun is an outline; the second frame fills it, and the window first appears
    // with that frame.
    const QPoint centre(window.width() / 2, window.height() / 2);
    QCOMPARE(window.grab().toImage().pixel(centre), qRgb(0, 0, 0));
    window.show();
    QCOMPARE(window.grab().toImage().pixel(centre), ToQColor(mod.Bodies[0].Color).rgb());
  }

  void NoEventIsHandledInsideAFrame() {
    frmMain window(mod, PrimaryScreenMetrics());
    // With the pointer over the window its position comes from the window's own events.
    const QPointF at = QCursor::pos();
    QEnterEvent enter(window.mapFromGlobal(at), window.mapFromGlobal(at), at);
    QCoreApplication::sendEvent(&window, &enter);
    bool handled = false;
    QObject probe;
    QMetaObject::invokeMethod(
        &probe, [&handled] { handled = true; }, Qt::QueuedConnection);
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    // A tick runs the whole frame; the event queued before it waits until the frame is done.
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    QVERIFY(!handled);
    QTRY_VERIFY(handled);
  }

  void CloseThroughTheWindowSystemEndsTheProgram() {
    frmMain window(mod, PrimaryScreenMetrics());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Kept out of the taskbar, it is still the window whose closing ends the event loop.
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
