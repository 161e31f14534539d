// The command line of a Linux saver: the host conventions of xscreensaver (--root, --window-id
// and the settings its dialog may pass), --help and --version, read with QCommandLineParser
// beside the Windows-style "/s", "/c", "/p <id>", whose mode and handle the core reads, and
// --snapshot. The settings go with every full-screen orrery (/s, --root, --window-id, a
// snapshot) and with nothing else.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "core/startup/settings.h"
#include "qt/startup/snapshot.h"

namespace quorvane {

struct CommandLineOptions {
  enum class Action { Start, PrintHelp, PrintVersion, Snapshot, Fail };
  Action action = Action::Start;
  std::string error;         // for Fail: what was wrong, one line, options quoted as typed
  std::string argumentText;  // the Windows-style part, for DecideStart

  // Draw into another program's window rather than into windows of our own: the root window
  // (hostWindow 0) or the window named by the environment or --window-id.
  bool hosted = false;
  unsigned long hostWindow = 0;

  // For Snapshot: the file and the picture's size, ticks and seed.
  SnapshotRequest snapshot;

  // Settings given on the command line, which win over the stored ones.
  std::optional<std::int32_t> focus;
  std::optional<float> zoom;
  std::optional<bool> orbits;
  std::optional<std::int16_t> language;
};

// Reads the arguments after the program's path. `saverWindow` is $XSCREENSAVER_WINDOW, which
// --root draws into when it is set. Needs no application object and no display.
CommandLineOptions ReadCommandLine(const QStringList& arguments,
                                   const std::optional<QString>& saverWindow);

// The settings with the command line's values put in.
void ApplyOptions(const CommandLineOptions& options, Settings& settings);

// What --help prints.
std::string UsageText();

// What --version prints: "quorvane 1.01.0000".
std::string VersionLine();

}  // namespace quorvane
