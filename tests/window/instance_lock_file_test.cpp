// The instance lock: one per display whatever the environment, and never one that another user
// could have made or hold.
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>
#include <vector>

#include "qt/platform/instance_lock_file.h"

using quorvane::InstanceLock;
using quorvane::InstanceLockFile;

namespace {

constexpr uid_t kOtherUser = 65534;

std::string ScopeWith(const QByteArray& display, const QByteArray& wayland = {}) {
  qputenv("DISPLAY", display);
  wayland.isEmpty() ? qunsetenv("WAYLAND_DISPLAY") : qputenv("WAYLAND_DISPLAY", wayland);
  return InstanceLockFile::DisplayScope();
}

// A listening socket at `path`, as a compositor keeps one; -1 when it cannot be made.
int ListenAt(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

class InstanceLockFileTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  std::string Folder(const char* name) const { return dir_.filePath(name).toStdString(); }

 private slots:
  void cleanup() {
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
  }

  // Spellings of one X display share a scope; other displays and hosts do not.
  void eachDisplayHasItsOwnScope() {
    const std::string local = ScopeWith(":0");
    QCOMPARE(ScopeWith(":0.1"), local);
    QCOMPARE(ScopeWith("unix:0.0"), local);
    QVERIFY(ScopeWith(":1") != local);
    QVERIFY(ScopeWith("remote:0") != local);
    QVERIFY(ScopeWith("localhost:10.0") != ScopeWith("localhost:11.0"));
    QVERIFY(ScopeWith("../../etc/x:0").find('/') == std::string::npos);

    // A compositor is known by its socket, however WAYLAND_DISPLAY reaches it.
    const QString runtime = dir_.filePath("runtime");
    QVERIFY(QDir().mkpath(runtime));
    const int socket = ListenAt(runtime + "/wayland-7");
    QVERIFY(socket >= 0);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    const std::string compositor = ScopeWith(":0", "wayland-7");
    QVERIFY(compositor != local);
    QCOMPARE(ScopeWith(":5", (runtime + "/wayland-7").toUtf8()), compositor);
    QCOMPARE(ScopeWith(":0", "wayland-8"), local);  // no such socket: the X display decides
    ::close(socket);
    qunsetenv("XDG_RUNTIME_DIR");
  }

  void aRunBlocksItsOwnDisplayOnly() {
    InstanceLockFile running(Folder("locks"), "x11--0");
    QVERIFY(running.Acquire(InstanceLock::Exclusive));
    QVERIFY(!InstanceLockFile(Folder("locks"), "x11--0").Acquire(InstanceLock::Exclusive));
    QVERIFY(!InstanceLockFile(Folder("locks"), "x11--0").Acquire(InstanceLock::Probe));
    QVERIFY(InstanceLockFile(Folder("locks"), "x11--1").Acquire(InstanceLock::Exclusive));
    struct stat status {};
    QCOMPARE(::stat(Folder("locks").c_str(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0700U);
  }

  // What another user made in the lock's place is never taken as a lock: a start it would
  // otherwise stop runs (the window search still keeps out a second one).
  void anotherUsersLockDoesNotStopAStart() {
    if (::geteuid() != 0) {
      QSKIP("making files of another user needs root");
    }
    // Their folder (as a user would make it in /tmp first), a file of theirs planted in ours,
    // and a link to their folder: each holds a lock file of theirs, locked by their saver.
    const std::string theirFolder = Folder("theirs");
    const std::string ourFolder = Folder("ours");
    QVERIFY(::mkdir(theirFolder.c_str(), 0777) == 0 && ::chmod(theirFolder.c_str(), 0777) == 0);
    QCOMPARE(::chown(theirFolder.c_str(), kOtherUser, kOtherUser), 0);
    QCOMPARE(::mkdir(ourFolder.c_str(), 0700), 0);
    QCOMPARE(::symlink(theirFolder.c_str(), Folder("link").c_str()), 0);
    std::vector<std::unique_ptr<QFile>> held;
    for (const std::string& folder : {theirFolder, ourFolder}) {
      held.push_back(std::make_unique<QFile>(QString::fromStdString(folder + "/x11--0.lock")));
      QFile& file = *held.back();
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(::fchmod(file.handle(), 0666) == 0 && ::fchown(file.handle(), kOtherUser, 0) == 0);
      QCOMPARE(::flock(file.handle(), LOCK_EX), 0);
    }
    for (const std::string& folder : {theirFolder, ourFolder, Folder("link")}) {
      QVERIFY2(InstanceLockFile(folder, "x11--0").Acquire(InstanceLock::Exclusive), folder.c_str());
    }
  }
};

QTEST_GUILESS_MAIN(InstanceLockFileTest)
#include "instance_lock_file_test.moc"
