// System services on Linux through Qt, Xlib and POSIX.
#include "qt/platform/qt_system_services.h"

#include <QCursor>
#include <QDesktopServices>
#include <QLocale>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "qt/platform/x11_display.h"

namespace quorvane {

bool QtSystemServices::TopLevelWindowExists(std::string_view title) {
  return X11WindowTitledExists(title);
}

std::string QtSystemServices::ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

std::string QtSystemServices::SystemCountryName() {
  return QLocale::territoryToString(QLocale::system().territory()).toStdString();
}

SettingsStore& QtSystemServices::Store() {
  if (!store_) {
    store_.emplace();
  }
  return *store_;
}

std::optional<std::string> QtSystemServices::EnvironmentVariable(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

bool QtSystemServices::AcquireInstanceLock(InstanceLock kind) {
  return lock_.Acquire(kind);
}

namespace {

// Only Qt's xcb platform, the default here, opens the X display.
bool OnX11() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  return platform.isEmpty() || platform.startsWith("xcb");
}

}  // namespace

std::optional<std::string> QtSystemServices::DisplayProblem() {
  return OnX11() ? X11DisplayProblem() : std::nullopt;
}

std::optional<std::string> QtSystemServices::DialogDisplayProblem() {
  return OnX11() ? X11DialogVisualProblem() : std::nullopt;
}

CursorPoint GetCursorPos() {
  const QPoint position = QCursor::pos();
  return {position.x(), position.y()};
}

bool OpenWebPage(std::string_view url) {
  return QDesktopServices::openUrl(QUrl(QString::fromUtf8(url)));
}

void EndProgramAtOnce() {
  std::fflush(nullptr);
  std::_Exit(0);
}

void SetScreenSaverActive(bool) {}

}  // namespace quorvane
