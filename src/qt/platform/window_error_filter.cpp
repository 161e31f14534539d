#include "qt/platform/window_error_filter.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace quorvane {

WindowErrorFilter::WindowErrorFilter(std::vector<WId> windows, QObject* parent)
    : QObject(parent), windows_(std::move(windows)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowErrorFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") {
    return false;
  }
  // Errors come through as events of response type 0.
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if (event->response_type != 0) {
    return false;
  }
  const auto* error = static_cast<const xcb_window_error_t*>(message);
  return (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE) &&
         std::find(windows_.begin(), windows_.end(), error->bad_value) != windows_.end();
}

}  // namespace quorvane
