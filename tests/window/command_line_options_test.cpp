// The Linux command line as xscreensaver and users write it: which mode and window it selects,
// which settings it replaces, and that the Windows-style switches keep the core's reading.
#include <QtTest>

#include "core/startup/command_line.h"
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
        << QStringList{"--focus", "3", "/s"} << "0x99" << false << 0ULL;
    // xscreensaver's settings preview appends its window to the hack's own command line.
    QTest::addRow("the preview of xscreensaver's settings")
        << QStringList{"--root", "--window-id", "0x40080A"} << "0x40080A" << true << 0x40080AULL;
    QTest::addRow("--window-id wins over --root and the saver window")
        << QStringList{"-window-id", "0x1a", "-root"} << "0x99" << true << 26ULL;
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
    for (const QStringList& arguments : {QStringList{"/p", "-7"}, QStringList{"/s", "extra"},
                                         QStringList{"/P", "  12 "}, QStringList{"/C:1234"}}) {
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

  // Options after or before "/s" reach the full-screen orrery as they reach --root.
  void settingsGoWithTheFullScreenRun() {
    for (const QStringList& arguments : {QStringList{"/s", "--focus", "9", "--language", "ja"},
                                         QStringList{"-focus", "9", "/S", "--language=ja"}}) {
      const CommandLineOptions options = ReadCommandLine(arguments, std::nullopt);
      QCOMPARE(options.action, Action::Start);
      QVERIFY(!options.hosted);
      QCOMPARE(DecideStart(options.argumentText).mode, StartMode::FullScreen);
      QCOMPARE(options.focus, std::optional<std::int32_t>(9));
      QCOMPARE(options.language, std::optional<std::int16_t>(1));
    }
  }

  // Wrong command lines name the option as it was typed: never ignored, never reworded.
  void refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QString onlyFullScreen = " applies to /s, --root, --window-id and --snapshot only";
    QTest::addRow("a setting alone opens no dialog")
        << QStringList{"--focus", "9"} << "--focus" + onlyFullScreen;
    QTest::addRow("the dialog takes no settings")
        << QStringList{"/c", "-zoom", "3"} << "-zoom" + onlyFullScreen;
    QTest::addRow("nor does the preview")
        << QStringList{"/p", "0x12", "--orbits"} << "--orbits" + onlyFullScreen;
    QTest::addRow("nor the host's own dialog switch")
        << QStringList{"/c:1234", "--language=ja"} << "--language" + onlyFullScreen;
    QTest::addRow("unknown, with two dashes")
        << QStringList{"--bogus"} << "Unknown option '--bogus'";
    QTest::addRow("unknown, with one dash") << QStringList{"-s"} << "Unknown option '-s'";
    QTest::addRow("unknown after /s, with a value")
        << QStringList{"/s", "--bogus=1"} << "Unknown option '--bogus'";
    const QString sizeError = "--size takes WIDTHxHEIGHT in pixels, each from 16 to 16384";
    QTest::addRow("a snapshot's option without it")
        << QStringList{"/s", "-ticks", "3"} << "-ticks applies to --snapshot only";
    QTest::addRow("a snapshot with a mode")
        << QStringList{"--snapshot", "a.png", "/s"}
        << "--snapshot takes no /s, /c, /p, --root or --window-id";
    QTest::addRow("a snapshot into a host")
        << QStringList{"--snapshot=a.png", "--root"}
        << "--snapshot takes no /s, /c, /p, --root or --window-id";
    QTest::addRow("a snapshot without a file")
        << QStringList{"--snapshot="} << "--snapshot takes the name of the PNG file to write";
    QTest::addRow("a size without a height")
        << QStringList{"--snapshot", "a.png", "--size", "640"} << sizeError;
    QTest::addRow("a size too small")
        << QStringList{"--snapshot", "a.png", "--size", "15x100"} << sizeError;
    QTest::addRow("a size too large")
        << QStringList{"--snapshot", "a.png", "--size", "100x16385"} << sizeError;
    QTest::addRow("negative ticks") << QStringList{"--snapshot", "a.png", "--ticks", "-1"}
                                    << "--ticks takes a number from 0 to 100000";
    QTest::addRow("a negative seed")
        << QStringList{"--snapshot", "a.png", "--seed", "-1"}
        << "--seed takes a whole number from 0 to 18446744073709551615";
    QTest::addRow("the preview without a snapshot")
        << QStringList{"/p", "5", "--preview"} << "--preview applies to --snapshot only";
    QTest::addRow("the preview at a size")
        << QStringList{"--snapshot", "a.png", "--preview", "--size", "640x480"}
        << "--size does not go with --preview, whose picture is fixed";
    QTest::addRow("the preview with a setting")
        << QStringList{"--snapshot", "a.png", "-zoom", "5", "--preview"}
        << "-zoom does not go with --preview, whose picture is fixed";
  }
  void refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CommandLineOptions options = ReadCommandLine(arguments, std::nullopt);
    QCOMPARE(options.action, Action::Fail);
    QCOMPARE(QString::fromStdString(options.error), error);
  }

  void snapshotTakesItsOptionsAndTheSettings() {
    const CommandLineOptions defaults = ReadCommandLine({"--snapshot", "a.png"}, std::nullopt);
    QCOMPARE(defaults.action, Action::Snapshot);
    QCOMPARE(defaults.snapshot.width, 1280);
    QCOMPARE(defaults.snapshot.height, 720);
    const CommandLineOptions options =
        ReadCommandLine({"--snapshot=out/b.png", "--size", "16x16384", "--ticks", "0", "--seed",
                         "18446744073709551615", "--focus", "5", "--language", "ja"},
                        std::nullopt);
    QCOMPARE(options.action, Action::Snapshot);
    QCOMPARE(options.snapshot.file, std::string("out/b.png"));
    QCOMPARE(options.snapshot.width, 16);
    QCOMPARE(options.snapshot.height, 16384);
    QCOMPARE(options.snapshot.ticks, 0);
    QCOMPARE(options.snapshot.seed, 18446744073709551615ULL);
    QCOMPARE(options.focus, std::optional<std::int32_t>(5));
    QCOMPARE(options.language, std::optional<std::int16_t>(1));
    QVERIFY(!options.snapshot.preview);
    const CommandLineOptions preview =
        ReadCommandLine({"--snapshot", "p.png", "--preview", "--ticks", "7"}, std::nullopt);
    QCOMPARE(preview.action, Action::Snapshot);
    QVERIFY(preview.snapshot.preview);
    QCOMPARE(preview.snapshot.ticks, 7);
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
