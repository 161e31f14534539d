// Keeps Qt from printing the X errors it gets about windows that may vanish at any moment: another
// program's window and the windows inside it, which the server destroys along with it.
//
// Implements: BadWindow and BadDrawable errors on Qt's xcb connection naming one of the given
// windows are dropped; every other error is printed as usual. Does nothing on other platforms.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QWindow>
#include <vector>

namespace quorvane {

class WindowErrorFilter : public QObject, public QAbstractNativeEventFilter {
 public:
  // Filters from construction until destruction (the base class then removes it).
  WindowErrorFilter(std::vector<WId> windows, QObject* parent);

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  std::vector<WId> windows_;
};

}  // namespace quorvane
