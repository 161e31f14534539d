#include "qt/platform/instance_lock_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace quorvane {

namespace {

// Ours, and writable by nobody else: another user cannot have made it nor swap it.
bool OwnedAndPrivate(const struct stat& status) {
  return status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string FileNamePart(std::string_view text) {
  std::string part;
  for (const char c : text.substr(0, 64)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    part += plain ? c : '_';
  }
  return part;
}

std::string WaylandScope() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (name == nullptr || *name == '\0') {
    return {};
  }
  std::string socket = name;
  if (socket.front() != '/') {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') {
      return {};
    }
    socket = std::string(runtime) + '/' + socket;
  }
  struct stat status {};
  if (::stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) {
    return {};
  }
  return "wayland-" + std::to_string(status.st_dev) + '-' + std::to_string(status.st_ino);
}

// [host]:number[.screen]; no host and "unix" both mean the local socket.
std::string X11Scope() {
  const char* name = std::getenv("DISPLAY");
  const std::string_view display = name != nullptr ? name : "";
  const std::size_t colon = display.rfind(':');
  if (colon == std::string_view::npos) {
    return "x11-" + FileNamePart(display);
  }
  std::string_view host = display.substr(0, colon);
  std::string_view number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  if (host == "unix") {
    host = {};
  }
  return "x11-" + FileNamePart(host) + '-' + FileNamePart(number);
}

}  // namespace

InstanceLockFile::InstanceLockFile(std::string folder, std::string scope)
    : folder_(std::move(folder)), scope_(std::move(scope)) {}

InstanceLockFile::~InstanceLockFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

std::string InstanceLockFile::DefaultFolder() {
  return "/tmp/quorvane-" + std::to_string(::geteuid());
}

std::string InstanceLockFile::DisplayScope() {
  const std::string wayland = WaylandScope();
  return wayland.empty() ? X11Scope() : wayland;
}

int InstanceLockFile::Open() const {
  ::mkdir(folder_.c_str(), 0700);
  // Not inherited by programs started later (the browser the dialog opens would keep the lock),
  // and no symbolic link followed: the folder's parent is shared.
  const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder < 0) {
    return -1;
  }
  struct stat status {};
  int fd = -1;
  if (::fstat(folder, &status) == 0 && OwnedAndPrivate(status)) {
    fd = ::openat(folder, (scope_ + ".lock").c_str(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
  }
  ::close(folder);
  if (fd >= 0 &&
      (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || !OwnedAndPrivate(status))) {
    ::close(fd);
    fd = -1;
  }
  return fd;
}

bool InstanceLockFile::Acquire(InstanceLock kind) {
  if (fd_ < 0) {
    fd_ = Open();
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

}  // namespace quorvane
