// Preloaded into a process, makes one file-system call on the settings store fail, as a full
// disk or a failing device would: QUORVANE_FAULT="<call>:<n>" fails the n-th open, write, fdatasync
// ("fsync"), fsync ("dirsync", which a save makes of the folder), rename or close on a path that
// contains QUORVANE_FAULT_PATH, and says so on stderr.
// A failing read is a short one, as a bad block, NFS or FUSE give: the n-th read returns at most
// 16 bytes (4096 with QUORVANE_FAULT_SHORT_BYTES) and every later read of that file fails.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The store's descriptor whose reads fail after a short one, until it is closed.
int cutDescriptor = -1;

bool OnStore(const char* path) {
  const char* watched = std::getenv("QUORVANE_FAULT_PATH");
  return path && watched && *watched && std::strstr(path, watched);
}

bool OnStore(int fd) {
  char path[4096] = {};
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  return ::readlink(link.c_str(), path, sizeof path - 1) > 0 && OnStore(path);
}

// True when this call is the one chosen to fail.
bool Fails(const char* call) {
  static int counts[8];
  static const char* const kCalls[] = {"open",  "write", "fsync",  "rename",
                                       "close", "read",  "dirsync"};
  const char* fault = std::getenv("QUORVANE_FAULT");
  const std::size_t length = std::strlen(call);
  if (!fault || std::strncmp(fault, call, length) != 0 || fault[length] != ':') {
    return false;
  }
  for (int i = 0; i < 7; ++i) {
    if (std::strcmp(kCalls[i], call) == 0 && ++counts[i] == std::atoi(fault + length + 1)) {
      std::fprintf(stderr, "fault injected: %s\n", fault);
      return true;
    }
  }
  return false;
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

int Open(const char* name, const char* path, int flags, mode_t mode) {
  if (OnStore(path) && Fails("open")) {
    errno = EIO;
    return -1;
  }
  return Next<int (*)(const char*, int, ...)>(name)(path, flags, mode);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const auto mode = static_cast<mode_t>(va_arg(args, int));  // only meaningful when creating
  va_end(args);
  return Open("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const auto mode = static_cast<mode_t>(va_arg(args, int));  // only meaningful when creating
  va_end(args);
  return Open("open64", path, flags, mode);
}

ssize_t read(int fd, void* data, size_t size) {
  const auto next = Next<ssize_t (*)(int, void*, size_t)>("read");
  if (fd == cutDescriptor) {
    errno = EIO;
    return -1;
  }
  if (OnStore(fd) && Fails("read")) {
    cutDescriptor = fd;
    const char* cut = std::getenv("QUORVANE_FAULT_SHORT_BYTES");
    const size_t most = cut ? std::strtoul(cut, nullptr, 10) : 16;
    return next(fd, data, size < most ? size : most);
  }
  return next(fd, data, size);
}

ssize_t write(int fd, const void* data, size_t size) {
  if (OnStore(fd) && Fails("write")) {
    errno = ENOSPC;
    return -1;
  }
  return Next<ssize_t (*)(int, const void*, size_t)>("write")(fd, data, size);
}

int fdatasync(int fd) {
  if (OnStore(fd) && Fails("fsync")) {
    errno = EIO;
    return -1;
  }
  return Next<int (*)(int)>("fdatasync")(fd);
}

int fsync(int fd) {
  if (OnStore(fd) && Fails("dirsync")) {
    errno = EIO;
    return -1;
  }
  return Next<int (*)(int)>("fsync")(fd);
}

int rename(const char* from, const char* to) {
  if (OnStore(to) && Fails("rename")) {
    errno = EIO;
    return -1;
  }
  return Next<int (*)(const char*, const char*)>("rename")(from, to);
}

// Linux releases the descriptor even when close reports an error.
int close(int fd) {
  if (fd == cutDescriptor) {
    cutDescriptor = -1;
  }
  const bool fails = OnStore(fd) && Fails("close");
  const int result = Next<int (*)(int)>("close")(fd);
  if (fails) {
    errno = EIO;
    return -1;
  }
  return result;
}

}  // extern "C"
