// Xlib only: its macros (Status, Bool, None ...) clash with Qt's headers.
#include "qt/platform/foreign_window.h"

#include <X11/Xlib.h>

namespace quorvane {

namespace {

// Xlib's error handler is process-wide; it is installed only around the one check below.
bool badWindow = false;

int RecordError(Display*, XErrorEvent*) {
  badWindow = true;
  return 0;
}

}  // namespace

std::unique_ptr<ForeignWindowWatch> ForeignWindowWatch::Start(unsigned long windowId,
                                                              bool contents) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  badWindow = false;
  const auto previousHandler = XSetErrorHandler(RecordError);
  // Selecting first means a destruction right after the check still arrives as an event.
  XSelectInput(display, windowId, StructureNotifyMask | (contents ? ExposureMask : NoEventMask));
  XWindowAttributes attributes;
  const bool exists = XGetWindowAttributes(display, windowId, &attributes) != 0;
  XSync(display, False);
  XSetErrorHandler(previousHandler);
  const bool gone = !exists || badWindow;
  return std::unique_ptr<ForeignWindowWatch>(
      new ForeignWindowWatch(display, windowId, gone, !gone && attributes.c_class == InputOutput,
                             gone ? 0 : attributes.width, gone ? 0 : attributes.height));
}

ForeignWindowWatch::ForeignWindowWatch(Display* display, unsigned long windowId, bool gone,
                                       bool canHoldWindows, int width, int height)
    : display_(display),
      windowId_(windowId),
      gone_(gone),
      canHoldWindows_(canHoldWindows),
      width_(width),
      height_(height) {}

ForeignWindowWatch::~ForeignWindowWatch() {
  XCloseDisplay(display_);
}

int ForeignWindowWatch::Descriptor() const {
  return ConnectionNumber(display_);
}

bool ForeignWindowWatch::Gone() {
  while (!gone_ && XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ConfigureNotify && event.xconfigure.window == windowId_ &&
        (event.xconfigure.width != width_ || event.xconfigure.height != height_)) {
      width_ = event.xconfigure.width;
      height_ = event.xconfigure.height;
      resized_ = true;
    }
    exposed_ = exposed_ || event.type == Expose;
    gone_ = event.type == DestroyNotify && event.xdestroywindow.window == windowId_;
  }
  if (gone_) {
    width_ = 0;
    height_ = 0;
  }
  return gone_;
}

}  // namespace quorvane
