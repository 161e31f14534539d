#include "qt/platform/instance_lock_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace quorvane {

InstanceLockFile::InstanceLockFile(std::string path) : path_(std::move(path)) {}

InstanceLockFile::~InstanceLockFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool InstanceLockFile::Acquire(InstanceLock kind) {
  if (fd_ < 0) {
    // Not inherited by programs started later (the browser the dialog opens would keep the lock),
    // and no symbolic link followed in a shared temporary folder.
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0) {
      return true;  // the window-title search still guards
    }
  }
  const int operation = kind == InstanceLock::Exclusive ? LOCK_EX : LOCK_SH;
  if (::flock(fd_, operation | LOCK_NB) != 0) {
    return errno != EWOULDBLOCK;
  }
  if (kind == InstanceLock::Probe) {
    ::flock(fd_, LOCK_UN);
  }
  return true;
}

std::string InstanceLockFile::DefaultPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') {
    return (std::filesystem::path(runtime) / "quorvane.lock").string();
  }
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  const std::string name = "quorvane-" + std::to_string(::getuid()) + ".lock";
  return ((error ? std::filesystem::path("/tmp") : temp) / name).string();
}

}  // namespace quorvane
