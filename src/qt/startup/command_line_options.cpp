#include "qt/startup/command_line_options.h"

#include <QCommandLineParser>
#include <algorithm>

#include "core/settings_dialog/config_rules.h"
#include "core/startup/command_line.h"
#include "core/startup/version.h"

namespace quorvane {

namespace {

constexpr std::int32_t kFirstFocus = 1;
constexpr std::int32_t kLastFocus = 11;  // 10 and 11: the automatic changes

struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
  QCommandLineOption version{QStringLiteral("version")};
  QCommandLineOption root{QStringLiteral("root")};
  QCommandLineOption windowId{QStringLiteral("window-id"), QString(), QStringLiteral("id")};
  QCommandLineOption focus{QStringLiteral("focus"), QString(), QStringLiteral("n")};
  QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("x")};
  QCommandLineOption orbits{QStringLiteral("orbits")};
  QCommandLineOption noOrbits{QStringLiteral("no-orbits")};
  QCommandLineOption language{QStringLiteral("language"), QString(), QStringLiteral("ja|en")};
  QCommandLineOption snapshot{QStringLiteral("snapshot"), QString(), QStringLiteral("file")};
  QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("WxH")};
  QCommandLineOption ticks{QStringLiteral("ticks"), QString(), QStringLiteral("n")};
  QCommandLineOption seed{QStringLiteral("seed"), QString(), QStringLiteral("n")};
  QCommandLineOption preview{QStringLiteral("preview")};
};

constexpr int kMinSnapshotSide = 16;
constexpr int kMaxSnapshotSide = 16384;
constexpr int kMaxTicks = 100000;

CommandLineOptions Failure(const QString& error) {
  CommandLineOptions options;
  options.action = CommandLineOptions::Action::Fail;
  options.error = error.toStdString();
  return options;
}

// The first argument that names one of the options `names` (without dashes), as it was typed:
// "-focus" or "--focus", without a value given with "=".
QString TypedOption(const QStringList& arguments, const QStringList& names) {
  for (const QString& argument : arguments) {
    if (!argument.startsWith(QLatin1Char('-'))) {
      continue;
    }
    const QString typed = argument.section(QLatin1Char('='), 0, 0);
    const qsizetype dashes = typed.startsWith(QStringLiteral("--")) ? 2 : 1;
    if (names.contains(typed.mid(dashes))) {
      return typed;
    }
  }
  return {};
}

// The parser's complaint, with an unknown option quoted as the user typed it.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments) {
  const QStringList unknown = parser.unknownOptionNames();
  if (unknown.isEmpty()) {
    return parser.errorText();
  }
  const QString typed = TypedOption(arguments, {unknown.front()});
  return QStringLiteral("Unknown option '%1'").arg(typed.isEmpty() ? unknown.front() : typed);
}

// Reads the values of the settings options into `options`; an error text when one is wrong.
QString ReadSettingsOptions(const QCommandLineParser& parser, const Options& known,
                            CommandLineOptions& options) {
  if (parser.isSet(known.focus)) {
    bool ok = false;
    const int focus = parser.value(known.focus).toInt(&ok);
    if (!ok || focus < kFirstFocus || focus > kLastFocus) {
      return QStringLiteral("--focus takes a number from 1 to 11");
    }
    options.focus = focus;
  }
  if (parser.isSet(known.zoom)) {
    bool ok = false;
    const double zoom = parser.value(known.zoom).toDouble(&ok);
    if (!ok || !(zoom >= kMinZoom && zoom <= kMaxZoom)) {
      return QStringLiteral("--zoom takes a number from 1 to 50");
    }
    options.zoom = static_cast<float>(zoom);
  }
  if (parser.isSet(known.orbits) && parser.isSet(known.noOrbits)) {
    return QStringLiteral("--orbits and --no-orbits exclude each other");
  }
  if (parser.isSet(known.orbits) || parser.isSet(known.noOrbits)) {
    options.orbits = parser.isSet(known.orbits);
  }
  if (parser.isSet(known.language)) {
    const QString language = parser.value(known.language);
    if (language != QStringLiteral("ja") && language != QStringLiteral("en")) {
      return QStringLiteral("--language takes ja or en");
    }
    options.language = static_cast<std::int16_t>(language == QStringLiteral("ja") ? 1 : 2);
  }
  return {};
}

// Reads --snapshot and the options that go with it into `options`; an error text when one is
// wrong or stands without --snapshot.
QString ReadSnapshot(const QCommandLineParser& parser, const Options& known,
                     const QStringList& arguments, CommandLineOptions& options) {
  if (!parser.isSet(known.snapshot)) {
    const QString typed =
        TypedOption(arguments, {QStringLiteral("size"), QStringLiteral("ticks"),
                                QStringLiteral("seed"), QStringLiteral("preview")});
    return typed.isEmpty() ? QString() : typed + QStringLiteral(" applies to --snapshot only");
  }
  if (!parser.positionalArguments().isEmpty() || parser.isSet(known.root) ||
      parser.isSet(known.windowId)) {
    return QStringLiteral("--snapshot takes no /s, /c, /p, --root or --window-id");
  }
  SnapshotRequest& request = options.snapshot;
  request.file = parser.value(known.snapshot).toStdString();
  if (request.file.empty()) {
    return QStringLiteral("--snapshot takes the name of the PNG file to write");
  }
  request.preview = parser.isSet(known.preview);
  if (request.preview) {
    // The miniature is one fixed picture: only its ticks can change.
    const QString typed = TypedOption(
        arguments, {QStringLiteral("size"), QStringLiteral("seed"), QStringLiteral("focus"),
                    QStringLiteral("zoom"), QStringLiteral("orbits"), QStringLiteral("no-orbits"),
                    QStringLiteral("language")});
    if (!typed.isEmpty()) {
      return typed + QStringLiteral(" does not go with --preview, whose picture is fixed");
    }
  }
  if (parser.isSet(known.size)) {
    const QStringList sides = parser.value(known.size).split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const int width = sides.size() == 2 ? sides[0].toInt(&widthOk) : 0;
    const int height = sides.size() == 2 ? sides[1].toInt(&heightOk) : 0;
    if (!widthOk || !heightOk || std::min(width, height) < kMinSnapshotSide ||
        std::max(width, height) > kMaxSnapshotSide) {
      return QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each from %1 to %2")
          .arg(kMinSnapshotSide)
          .arg(kMaxSnapshotSide);
    }
    request.width = width;
    request.height = height;
  }
  if (parser.isSet(known.ticks)) {
    bool ok = false;
    const int ticks = parser.value(known.ticks).toInt(&ok);
    if (!ok || ticks < 0 || ticks > kMaxTicks) {
      return QStringLiteral("--ticks takes a number from 0 to %1").arg(kMaxTicks);
    }
    request.ticks = ticks;
  }
  if (parser.isSet(known.seed)) {
    bool ok = false;
    request.seed = parser.value(known.seed).toULongLong(&ok);
    if (!ok || parser.value(known.seed).startsWith(QLatin1Char('-'))) {
      return QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615");
    }
  }
  options.action = CommandLineOptions::Action::Snapshot;
  return {};
}

// Where --root and --window-id draw: an error text when the window id is not one.
QString ReadHost(const QCommandLineParser& parser, const Options& known,
                 const std::optional<QString>& saverWindow, CommandLineOptions& options) {
  const bool root = parser.isSet(known.root);
  // Hosts may pass both, as xscreensaver's settings preview does: the named window wins.
  const bool window = parser.isSet(known.windowId);
  if (!root && !window) {
    return {};
  }
  if (!parser.positionalArguments().isEmpty()) {
    return QStringLiteral("--root and --window-id take no /s, /c or /p");
  }
  options.hosted = true;
  if (root && !saverWindow) {
    return {};  // the root window itself
  }
  const QString text = window ? parser.value(known.windowId) : *saverWindow;
  const auto id = ReadWindowId(text.toStdString());
  if (!id) {
    return (window ? QStringLiteral("--window-id") : QStringLiteral("XSCREENSAVER_WINDOW")) +
           QStringLiteral(" is not a window id (decimal or 0x hexadecimal): \"") + text +
           QLatin1Char('"');
  }
  options.hostWindow = *id;
  return {};
}

}  // namespace

CommandLineOptions ReadCommandLine(const QStringList& arguments,
                                   const std::optional<QString>& saverWindow) {
  // The handle after a host's "/p" is the core's to read, even where it looks like an option
  // ("-7"); everything else may carry options, so that "/s --focus 9" is read as typed.
  QStringList optionArguments = arguments;
  std::optional<QString> previewHandle;
  if (arguments.size() >= 2 &&
      arguments.front().compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0) {
    previewHandle = optionArguments.takeAt(1);
  }

  const Options known;
  QCommandLineParser parser;
  // xscreensaver writes its switches with one dash as well as two: -root, -window-id.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({known.help, known.version, known.root, known.windowId, known.focus, known.zoom,
                     known.orbits, known.noOrbits, known.language, known.snapshot, known.size,
                     known.ticks, known.seed, known.preview});
  if (!parser.parse(QStringList{QStringLiteral("quorvane")} + optionArguments)) {
    return Failure(ParseError(parser, optionArguments));
  }
  CommandLineOptions options;
  if (parser.isSet(known.help)) {
    options.action = CommandLineOptions::Action::PrintHelp;
    return options;
  }
  if (parser.isSet(known.version)) {
    options.action = CommandLineOptions::Action::PrintVersion;
    return options;
  }
  for (const QString& error : {ReadSettingsOptions(parser, known, options),
                               ReadSnapshot(parser, known, optionArguments, options),
                               ReadHost(parser, known, saverWindow, options)}) {
    if (!error.isEmpty()) {
      return Failure(error);
    }
  }
  if (options.action == CommandLineOptions::Action::Snapshot) {
    return options;
  }
  std::vector<std::string> texts;
  for (const QString& argument : parser.positionalArguments()) {
    texts.push_back(argument.toStdString());
    if (previewHandle && texts.size() == 1) {
      texts.push_back(previewHandle->toStdString());
    }
  }
  options.argumentText = ArgumentText(texts);

  // Only the full-screen orrery takes settings: the dialog edits the saved ones and the preview
  // shows none. Saying so beats starting without them.
  const bool settingsGiven = options.focus || options.zoom || options.orbits || options.language;
  if (settingsGiven && !options.hosted &&
      DecideStart(options.argumentText).mode != StartMode::FullScreen) {
    return Failure(
        TypedOption(optionArguments,
                    {QStringLiteral("focus"), QStringLiteral("zoom"), QStringLiteral("orbits"),
                     QStringLiteral("no-orbits"), QStringLiteral("language")}) +
        QStringLiteral(" applies to /s, --root, --window-id and --snapshot only"));
  }
  return options;
}

void ApplyOptions(const CommandLineOptions& options, Settings& settings) {
  if (options.focus) {
    SelectFocus(settings, *options.focus);
  }
  if (options.zoom) {
    settings.Zoom = *options.zoom;
  }
  if (options.orbits) {
    settings.Orbit = *options.orbits ? -1 : 0;
  }
  if (options.language) {
    settings.Language = *options.language;
  }
}

std::string UsageText() {
  return "Usage: quorvane [/s [settings] | /c | /p <id>]\n"
         "       quorvane --root | --window-id <id> [settings]\n"
         "       quorvane --snapshot <file> [--size <W>x<H>] [--ticks <n>] [--seed <n>] "
         "[settings]\n"
         "       quorvane --snapshot <file> --preview [--ticks <n>]\n"
         "An orrery screen saver: the Sun and nine planets on their orbits.\n"
         "\n"
         "  /s                 full screen on every monitor; a key, a mouse button or a mouse\n"
         "                     move ends it\n"
         "  /c                 the settings dialog (also with no arguments)\n"
         "  /p <id>            the miniature preview inside the X window <id>\n"
         "  --root, -root      draw into $XSCREENSAVER_WINDOW, or into the root window when it\n"
         "                     is not set, as xscreensaver runs its hacks; SIGTERM ends it\n"
         "  --window-id <id>   draw into the X window <id>; beside --root, the window wins\n"
         "  --snapshot <file>  write the full-screen picture to a PNG file, without a display;\n"
         "                     with --size <W>x<H> (1280x720), --ticks <n> (30) frames after\n"
         "                     the first two, --seed <n> (1) for the planets' start angles, and\n"
         "                     the settings below over the defaults, not the saved ones\n"
         "  --preview          with --snapshot: the 155x115 miniature /p shows, after --ticks\n"
         "                     <n> (30) moves of its planet\n"
         "  -h, --help         this text\n"
         "  --version          the version\n"
         "\n"
         "Settings for /s, --root and --window-id (default: those saved by the dialog):\n"
         "  --focus <n>        1 Mercury ... 9 Pluto; 10 automatic change outwards, 11 inwards\n"
         "  --zoom <x>         magnification of the planets' diameters, 1 to 50\n"
         "  --orbits, --no-orbits   draw the orbit circles or not\n"
         "  --language <ja|en> Japanese or English labels\n"
         "\n"
         "As the screen saver:\n"
         "  xscreensaver       add this line to the programs: list in ~/.xscreensaver:\n"
         "                       quorvane --root \\n\\\n"
         "  xautolock          xautolock -time 10 -locker 'quorvane /s'\n"
         "  xss-lock           xset s 600; xss-lock -- quorvane /s\n"
         "  swayidle (Wayland) swayidle -w timeout 600 'quorvane /s'\n"
         "\n"
         "Exit status: 0 when done, also when another instance is running and this one ends\n"
         "at once; 1 when there is no display to open; 2 for a wrong option or value.\n"
         "\n"
         "Window ids are decimal or hexadecimal with 0x (0x1a00007). Settings are kept in\n"
         "$XDG_CONFIG_HOME/Quorvane/Quorvane.ini.\n";
}

std::string VersionLine() {
  return "quorvane " + VersionText(kVersionMajor, kVersionMinor, kVersionRevision);
}

}  // namespace quorvane
