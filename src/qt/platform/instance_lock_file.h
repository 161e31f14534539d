// The per-user lock that keeps a second full-screen run or settings dialog from starting beside
// the first even when both start at the same instant, before either has a window to be found.
// One lock per display: each X display, and each Wayland compositor, has its own saver.
// On flock(2): the kernel lets go when the process ends, however it ends, so no stale lock stays.
// The lock lives in a folder only its user can write, found the same way by every start whatever
// its environment; a folder or file another user could have made is never used.
#pragma once

#include <string>

#include "core/platform/system_services.h"

namespace quorvane {

class InstanceLockFile {
 public:
  // `folder` is made if missing (its parent must exist); `scope` names the display.
  explicit InstanceLockFile(std::string folder = DefaultFolder(),
                            std::string scope = DisplayScope());
  ~InstanceLockFile();
  InstanceLockFile(const InstanceLockFile&) = delete;
  InstanceLockFile& operator=(const InstanceLockFile&) = delete;

  // An exclusive lock is kept until this object ends; a probe only checks. False when another
  // holder refuses this kind; true as well when no safe lock file can be had at all.
  bool Acquire(InstanceLock kind);

  // /tmp/quorvane-<user id>: not $XDG_RUNTIME_DIR nor $TMPDIR, which one start may have and
  // another not.
  static std::string DefaultFolder();
  // The display this start's windows go to, as a file name: the Wayland compositor's socket
  // (by its identity, however its path is spelled) when WAYLAND_DISPLAY names one, else the X
  // display of DISPLAY without its screen number.
  static std::string DisplayScope();

 private:
  int Open() const;

  std::string folder_;
  std::string scope_;
  int fd_ = -1;
};

}  // namespace quorvane
