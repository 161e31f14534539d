// System services on Linux through Qt: the cursor, the locale and the desktop.
#include "qt/platform/qt_system_services.h"

#include <QCursor>
#include <QDesktopServices>
#include <QLocale>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace quorvane {

CursorPoint GetCursorPos() {
  const QPoint position = QCursor::pos();
  return {position.x(), position.y()};
}

std::string SystemCountryName() {
  return QLocale::territoryToString(QLocale::system().territory()).toStdString();
}

std::string ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
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
