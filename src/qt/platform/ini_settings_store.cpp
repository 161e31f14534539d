#include "qt/platform/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <thread>

namespace quorvane {

namespace {

// Far above any file the program writes; a larger one is not ours to rewrite.
constexpr qint64 kMaxStoreBytes = 1 << 20;
// Another copy of the program holds the lock only while it writes a few hundred bytes.
constexpr auto kLockWait = std::chrono::milliseconds(300);
constexpr auto kLockPoll = std::chrono::milliseconds(5);

enum class StoreState { Missing, Read, Unusable };

struct StoreContents {
  StoreState state = StoreState::Unusable;
  std::string bytes;
};

// A FIFO or device in the store's place must not block the start, so the file is opened without
// waiting and read only when it is a regular file.
StoreContents ReadStore(const QString& path) {
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    return {errno == ENOENT ? StoreState::Missing : StoreState::Unusable, {}};
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {};
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxStoreBytes) {
    return {};
  }
  const QByteArray bytes = file.read(kMaxStoreBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxStoreBytes) {
    return {};
  }
  return {StoreState::Read, bytes.toStdString()};
}

// flock on a file beside the store: the kernel drops it when its holder ends, however it ends, so
// a killed save never leaves a lock behind to wait for.
class StoreLock {
 public:
  explicit StoreLock(const QString& storePath) {
    const QFileInfo store(storePath);
    const QString path = store.dir().filePath(store.completeBaseName() + ".lock");
    fd_ = ::open(QFile::encodeName(path).constData(),
                 O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp) {
        ::close(fd_);
        fd_ = -1;
        break;
      }
      std::this_thread::sleep_for(kLockPoll);
    }
  }
  ~StoreLock() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// QSaveFile renames only after every write succeeded; the data is also forced to disk first, so
// the old file is replaced by nothing less than the whole new one.
bool ReplaceStore(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return false;
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() || ::fdatasync(file.handle()) != 0) {
    return false;  // the temporary file goes with `file`
  }
  return file.commit();
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       "/Quorvane/Quorvane.ini") {}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : filePath_(filePath), document_(ReadStore(filePath).bytes) {}

std::optional<std::string> IniSettingsStore::Value(std::string_view section,
                                                   std::string_view key) const {
  return document_.Value(section, key);
}

void IniSettingsStore::SetValue(std::string_view section, std::string_view key,
                                std::string_view text) {
  document_.SetValue(section, key, text);
  unsaved_.emplace_back(section, key, text);
}

bool IniSettingsStore::Sync() {
  if (unsaved_.empty()) {
    return true;
  }
  if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) {
    return false;
  }
  const StoreLock lock(filePath_);
  if (!lock.Held()) {
    return false;
  }
  // Another process may have saved since this one read the file: its values are kept.
  const StoreContents current = ReadStore(filePath_);
  if (current.state == StoreState::Unusable) {
    return false;
  }
  IniDocument document(current.bytes);
  for (const auto& [section, key, text] : unsaved_) {
    document.SetValue(section, key, text);
  }
  const std::string bytes = document.Bytes();
  if ((current.state == StoreState::Missing || bytes != current.bytes) &&
      !ReplaceStore(filePath_, bytes)) {
    return false;
  }
  document_ = std::move(document);
  unsaved_.clear();
  return true;
}

}  // namespace quorvane
