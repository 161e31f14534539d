// Another program's X window that this process lives in: whether it exists and when it goes.
//
// Implemented on Xlib over a connection of its own, so that errors about a missing window are
// caught here and never reach standard error. Qt does not report the end of a foreign window;
// this watch sees its DestroyNotify. Limits: X11 only; the watch reads its connection only when
// asked (Gone), so the caller polls it or waits for its descriptor to become readable.
#pragma once

#include <memory>

struct _XDisplay;

namespace quorvane {

class ForeignWindowWatch {
 public:
  // Starts watching the window; null when there is no display. A window id that names no window
  // is watched as one already gone: it cannot be told apart from a window destroyed just now.
  static std::unique_ptr<ForeignWindowWatch> Start(unsigned long windowId);
  ~ForeignWindowWatch();
  ForeignWindowWatch(const ForeignWindowWatch&) = delete;
  ForeignWindowWatch& operator=(const ForeignWindowWatch&) = delete;

  // False for an input-only window, which cannot hold a drawing window.
  bool CanHoldWindows() const { return canHoldWindows_; }
  // The connection's socket: readable when an event about the window may have come in.
  int Descriptor() const;
  // Reads what has come in; true once the window has been destroyed.
  bool Gone();

 private:
  ForeignWindowWatch(_XDisplay* display, unsigned long windowId, bool gone, bool canHoldWindows);

  _XDisplay* display_;
  unsigned long windowId_;
  bool gone_;
  bool canHoldWindows_;
};

}  // namespace quorvane
