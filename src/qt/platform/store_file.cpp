#include "qt/platform/store_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <random>
#include <string_view>
#include <utility>

namespace quorvane {

namespace {

// The copies a save writes are named after the file with this infix and six letters or digits;
// no other program and no user names a file so, so whatever bears the name is ours to remove.
constexpr std::string_view kCopyInfix = ".saving-";
constexpr std::string_view kCopyLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kCopySuffixLength = 6;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  // Closes now, reporting the error a delayed write may only show here.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// Reads exactly `size` bytes, then expects the end. A read that stops early or fails (a bad
// block, NFS or FUSE can return part of a file and then an error) is no read at all.
bool ReadWhole(int fd, std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(got);
  }
  char beyond = 0;
  ssize_t got = 0;
  do {
    got = ::read(fd, &beyond, 1);
  } while (got < 0 && errno == EINTR);
  return got == 0;
}

bool WriteWhole(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) {
      continue;
    }
    if (wrote <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

bool IsCopyName(std::string_view entry, std::string_view fileName) {
  const std::size_t prefix = fileName.size() + kCopyInfix.size();
  return entry.size() == prefix + kCopySuffixLength &&
         entry.substr(0, fileName.size()) == fileName &&
         entry.substr(fileName.size(), kCopyInfix.size()) == kCopyInfix &&
         entry.find_first_not_of(kCopyLetters, prefix) == std::string_view::npos;
}

// Copies left by saves that ended between creating their copy and renaming it.
void RemoveDeadCopies(const std::filesystem::path& folder, const std::string& fileName) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) {
    return;
  }
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsCopyName(entry->d_name, fileName)) {
      continue;
    }
    struct stat status {};
    if (::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) {
      ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
  }
  ::closedir(listing);
}

// Tries names for a new copy beside `target` until `create` takes one, which it reports by
// returning true; false when it fails otherwise or no name is free. The name is in `copyPath`.
template <typename Create>
bool NameCopy(const std::filesystem::path& target, std::string& copyPath, Create create) {
  std::random_device seed;
  std::mt19937 generator(seed());
  std::uniform_int_distribution<std::size_t> letter(0, kCopyLetters.size() - 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    copyPath = target.string() + std::string(kCopyInfix);
    for (std::size_t i = 0; i < kCopySuffixLength; ++i) {
      copyPath += kCopyLetters[letter(generator)];
    }
    if (create(copyPath.c_str())) {
      return true;
    }
    if (errno != EEXIST) {
      break;
    }
  }
  copyPath.clear();
  return false;
}

enum class CopyResult { Written, Failed, Unsupported };

// Writes `bytes` into a new copy beside `target`, with `mode` unless it is 0, and names it in
// `copyPath`. Where the file system allows, the copy is written before it has a name, so a kill at
// any moment leaves no part of one behind: only, between naming and renaming, a whole copy, which
// the next save removes. Unsupported: the file system has no unnamed files, or there is no /proc
// to name one by; then it is named first.
CopyResult WriteCopy(const std::filesystem::path& target, const std::string& bytes, mode_t mode,
                     bool unnamed, std::string& copyPath) {
  const std::filesystem::path folder = target.parent_path();
  int fd = -1;
  if (unnamed) {
    fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      return CopyResult::Unsupported;
    }
  } else {
    // 0666 less the umask, as any new file; created so that it cannot be anyone else's file.
    NameCopy(target, copyPath, [&fd](const char* name) {
      fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
      return fd >= 0;
    });
  }
  Descriptor copy(fd);
  if (copy.Get() < 0 || (mode != 0 && ::fchmod(copy.Get(), mode) != 0) ||
      !WriteWhole(copy.Get(), bytes) || ::fdatasync(copy.Get()) != 0) {
    return CopyResult::Failed;
  }
  if (unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(copy.Get());
    if (!NameCopy(target, copyPath, [&self](const char* name) {
          return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
        })) {
      return errno == ENOENT ? CopyResult::Unsupported : CopyResult::Failed;
    }
  }
  return copy.Close() ? CopyResult::Written : CopyResult::Failed;
}

// The file a save replaces: the target of a symbolic link (a user may keep the store elsewhere
// and link it in), else the path itself.
std::filesystem::path SaveTarget(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_symlink(path, error)) {
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    if (!error) {
      return target;
    }
  }
  return path;
}

}  // namespace

StoreContents ReadStoreFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    // A file where a folder of the path should be leaves no room for the store: it is missing.
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? StoreState::Missing : StoreState::Unusable, {}};
  }
  const Descriptor file(fd);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    return {};
  }
  if (status.st_size > kMaxStoreReadBytes) {
    return {StoreState::TooLarge, {}};
  }
  std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
  if (!ReadWhole(fd, bytes)) {
    return {};
  }
  const StoreState state =
      status.st_size > kMaxStoreBytes ? StoreState::TooLarge : StoreState::Read;
  return {state, std::move(bytes)};
}

bool ReplaceStoreFile(const std::string& path, const std::string& bytes) {
  const std::filesystem::path target = SaveTarget(path);
  const std::filesystem::path folder = target.parent_path();
  RemoveDeadCopies(folder, target.filename().string());

  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0;
  std::string copyPath;
  CopyResult copy = WriteCopy(target, bytes, mode, true, copyPath);
  if (copy == CopyResult::Unsupported) {
    copy = WriteCopy(target, bytes, mode, false, copyPath);
  }
  if (copy != CopyResult::Written || ::rename(copyPath.c_str(), target.c_str()) != 0) {
    if (!copyPath.empty()) {
      ::unlink(copyPath.c_str());
    }
    return false;
  }
  // The rename itself reaches the disk only with the folder. The new file is in place whatever
  // this says, so it decides nothing.
  const Descriptor folderFd(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folderFd.Get() >= 0) {
    ::fsync(folderFd.Get());
  }
  return true;
}

SaveResult MergeIntoStoreFile(const std::string& path, const std::vector<StoreChange>& changes,
                              IniDocument& saved) {
  const StoreContents current = ReadStoreFile(path);
  if (current.state == StoreState::Unusable) {
    return SaveResult::Unreadable;
  }
  if (current.state == StoreState::TooLarge) {
    return SaveResult::TooLarge;
  }
  IniDocument document(current.bytes);
  for (const auto& [section, key, text] : changes) {
    document.SetValue(section, key, text);
  }
  const std::string bytes = document.Bytes();
  if ((current.state == StoreState::Missing || bytes != current.bytes) &&
      !ReplaceStoreFile(path, bytes)) {
    return SaveResult::NotWritable;
  }
  saved = std::move(document);
  return SaveResult::Saved;
}

}  // namespace quorvane
