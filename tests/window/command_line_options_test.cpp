// The Linux command line as xscreensaver and users write it: which mode and window it selects,
// which settings it replaces, and that the Windows-style switches keep the core's reading.
#include <QtTest>

#include "core/startup/settings.h"
#include "qt/startup/command_line_options.h"

using namespace quorvane;
using Action = CommandLineOptions::Action;

class CommandLineOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void hosts_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("saverWindow");  // empty: not set
    QTest::addColumn<bool>("hosted");
    QTest::addColumn<qulonglong>("window");
    QTest::addRow("--root draws into the root window")
        << QStringList{"--root"} << "" << true << 0ULL;
    QTest::addRow("-root into xscreensaver's window")
        << QStringList{"-root"} << "0x2a00007" << true << 0x2a00007ULL;
    QTest::addRow("--window-id in hex")
        << QStringList{"--window-id", "0x1a"} << "" << true << 26ULL;
    QTest::addRow("-window-id in decimal, beside a saver window")
        << QStringList{"-window-id", "4242"} << "0x99" << true << 4242ULL;
    QTest::addRow("the saver window alone selects nothing")
        << QStringList{"--focus", "3"} << "0x99" << false << 0ULL;
  }
  void hosts() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, saverWindow);
    QFETCH(bool, hosted);
    QFETCH(qulonglong, window);
    const CommandLineOptions options = ReadCommandLine(
        arguments, saverWindow.isEmpty() ? std::nullopt : std::optional(saverWindow));
    QCOMPARE(options.action, Action::Start);
    QCOMPARE(options.hosted, hosted);
    QCOMPARE(static_cast<qulonglong>(options.hostWindow), window);
  }

  // The host's switches reach the core untouched, whatever follows them.
  void windowsSwitchesKeepTheirText() {
    for (const QStringList& arguments :
         {QStringList{"/p", "-7"}, QStringList{"/s", "--bogus"}, QStringList{"/P", "  12 "}}) {
      const CommandLineOptions options = ReadCommandLine(arguments, std::nullopt);
      QCOMPARE(options.action, Action::Start);
      QVERIFY(!options.hosted);
      QCOMPARE(QString::fromStdString(options.argumentText), arguments.join(' '));
    }
    QCOMPARE(ReadCommandLine({}, std::nullopt).argumentText, std::string());
  }

  void settingsReplaceTheStoredOnes() {
    const CommandLineOptions options = ReadCommandLine(
        {"--root", "--focus", "11", "--zoom", "12.5", "--orbits", "--language", "ja"},
        std::nullopt);
    QCOMPARE(options.action, Action::Start);
    Settings settings;  // Mars, English, 5, no orbits
    ApplyOptions(options, settings);
    QCOMPARE(settings.CenterId, 9);  // the inward change starts at Pluto
    QCOMPARE(settings.AutoChange, std::int16_t{-1});
    QCOMPARE(settings.Zoom, 12.5F);
    QCOMPARE(settings.Orbit, std::int16_t{-1});
    QCOMPARE(settings.Language, std::int16_t{1});

    Settings untouched{7, 1, 3, -1, 0};
    ApplyOptions(ReadCommandLine({"--root", "--no-orbits"}, std::nullopt), untouched);
    QCOMPARE(untouched.CenterId, 7);
    QCOMPARE(untouched.Zoom, 3.0F);
    QCOMPARE(untouched.Orbit, std::int16_t{0});
    QCOMPARE(untouched.Language, std::int16_t{1});
  }

  void helpAndVersionWinOverEverythingElse() {
    QCOMPARE(ReadCommandLine({"--root", "-h"}, std::nullopt).action, Action::PrintHelp);
    QCOMPARE(ReadCommandLine({"--version", "--focus", "99"}, std::nullopt).action,
             Action::PrintVersion);
    QCOMPARE(ReadCommandLine({"--root", "/s"}, std::nullopt).action, Action::Fail);
    QVERIFY(QString::fromStdString(VersionLine()).startsWith("quorvane 1."));
  }
};

QTEST_MAIN(CommandLineOptionsTest)
#include "command_line_options_test.moc"
