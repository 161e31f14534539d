// `quorvane --snapshot FILE`: the full-screen orrery drawn off screen as "/s" shows it after a
// number of ticks, or with --preview the miniature "/p" shows, written as a PNG file. It needs no display or compositor, and reads and writes
// no settings, so the same options give the same file on every machine.
#pragma once

#include <cstdint>
#include <string>

#include "core/startup/settings.h"

namespace quorvane {

struct SnapshotRequest {
  std::string file;
  int width = 1280;  // device pixels, at 100 %
  int height = 720;
  int ticks = 30;          // frames after the first two
  std::uint64_t seed = 1;  // the planets' start angles
  bool preview = false;    // the miniature instead, 155 x 115, after `ticks` moves
};

// Draws the picture for the default settings with the command line's put in, and writes it.
// Returns the exit status: 0, or 2 with a line on standard error when the file cannot be written.
int WriteSnapshot(int& argc, char** argv, const SnapshotRequest& request, const Settings& settings);

}  // namespace quorvane
