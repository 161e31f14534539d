#include "qt/platform/application.h"

#include <QApplication>

#include "qt/platform/fonts.h"

namespace quorvane {

Application::Application(int& argc, char** argv)
    : app_(std::make_unique<QApplication>(argc, argv)) {
  InstallFontSubstitutions();
}

Application::~Application() = default;

void Application::PreferSocketImageTransfer() {
  qputenv("QT_XCB_NO_MITSHM", "1");
}

int Application::Exec() {
  return QApplication::exec();
}

}  // namespace quorvane
