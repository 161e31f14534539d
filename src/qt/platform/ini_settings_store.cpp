#include "qt/platform/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <chrono>
#include <thread>

namespace quorvane {

namespace {

// Another copy of the program holds the lock only while it writes a few hundred bytes, but
// forcing them to a slow disk can take a while.
constexpr auto kLockWait = std::chrono::milliseconds(2000);
constexpr auto kLockPoll = std::chrono::milliseconds(5);

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
      const bool held = errno == EWOULDBLOCK || errno == EINTR;
      if (!held || std::chrono::steady_clock::now() > giveUp) {
        busy_ = held;
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
  // Not held because another process kept it for the whole wait.
  bool Busy() const { return busy_; }

 private:
  int fd_ = -1;
  bool busy_ = false;
};

}  // namespace

std::optional<QString> IniSettingsStore::ConfigFolder() {
  // The XDG rules: a path that does not begin with "/" is invalid and ignored.
  const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (configHome.startsWith('/')) {
    return configHome;
  }
  const QString home = qEnvironmentVariable("HOME");
  if (home.startsWith('/')) {
    return home + "/.config";
  }
  return std::nullopt;
}

IniSettingsStore::IniSettingsStore() : IniSettingsStore(DefaultFilePath()) {}

QString IniSettingsStore::DefaultFilePath() {
  const std::optional<QString> folder = ConfigFolder();
  return folder ? *folder + "/Quorvane/Quorvane.ini" : QString();
}

IniSettingsStore::IniSettingsStore(const QString& filePath) : filePath_(filePath) {
  if (!filePath_.isEmpty()) {
    StoreContents contents = ReadStoreFile(QFile::encodeName(filePath_).toStdString());
    loaded_ = contents.state;
    document_ = IniDocument(contents.bytes);
  }
}

std::optional<std::string> IniSettingsStore::Value(std::string_view section,
                                                   std::string_view key) const {
  return document_.Value(section, key);
}

void IniSettingsStore::SetValue(std::string_view section, std::string_view key,
                                std::string_view text) {
  document_.SetValue(section, key, text);
  unsaved_.emplace_back(section, key, text);
}

SaveResult IniSettingsStore::Sync() {
  if (unsaved_.empty()) {
    return SaveResult::Saved;
  }
  if (filePath_.isEmpty()) {
    return SaveResult::NoHome;
  }
  // What this process showed came from a part of the file; saving it would pass for the whole.
  if (loaded_ == StoreState::Unusable) {
    return SaveResult::Unreadable;
  }
  if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) {
    return SaveResult::NotWritable;
  }
  const StoreLock lock(filePath_);
  if (lock.Busy()) {
    return SaveResult::Busy;
  }
  if (!lock.Held()) {
    return SaveResult::NotWritable;
  }
  const SaveResult result =
      MergeIntoStoreFile(QFile::encodeName(filePath_).toStdString(), unsaved_, document_);
  if (result == SaveResult::Saved) {
    unsaved_.clear();
  }
  return result;
}

}  // namespace quorvane
