// The per-user lock that keeps a second full-screen run or settings dialog from starting beside
// the first even when both start at the same instant, before either has a window to be found.
// On flock(2): the kernel lets go when the process ends, however it ends, so no stale lock stays.
#pragma once

#include <string>

#include "core/platform/system_services.h"

namespace quorvane {

class InstanceLockFile {
 public:
  explicit InstanceLockFile(std::string path = DefaultPath());
  ~InstanceLockFile();
  InstanceLockFile(const InstanceLockFile&) = delete;
  InstanceLockFile& operator=(const InstanceLockFile&) = delete;

  // An exclusive lock is kept until this object ends; a probe only checks. False when another
  // holder refuses this kind; true as well when the file cannot be opened or locked at all.
  bool Acquire(InstanceLock kind);

  // quorvane.lock in $XDG_RUNTIME_DIR, or quorvane-<user id>.lock in the temporary folder.
  static std::string DefaultPath();

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace quorvane
