// Another program's X window that this process lives in: whether it exists and when it goes.
//
// Implemented on Xlib over a connection of its own, so that errors about a missing window are
// caught here and never reach standard error. Qt does not report the end of a foreign window;
// this watch sees its DestroyNotify, and for a window this process draws into its size changes and
// exposures as well. Limits: X11 only; the watch reads its connection only when
// asked (Gone), so the caller polls it or waits for its descriptor to become readable.
#pragma once

#include <memory>
#include <utility>

struct _XDisplay;

namespace quorvane {

class ForeignWindowWatch {
 public:
  // Starts watching the window; null when there is no display. A window id that names no window
  // is watched as one already gone: it cannot be told apart from a window destroyed just now.
  // With `contents`, also follows the window's size and the exposures of its contents.
  static std::unique_ptr<ForeignWindowWatch> Start(unsigned long windowId, bool contents = false);
  ~ForeignWindowWatch();
  ForeignWindowWatch(const ForeignWindowWatch&) = delete;
  ForeignWindowWatch& operator=(const ForeignWindowWatch&) = delete;

  // False for an input-only window, which cannot hold a drawing window.
  bool CanHoldWindows() const { return canHoldWindows_; }
  // The connection's socket: readable when an event about the window may have come in.
  int Descriptor() const;
  // Reads what has come in; true once the window has been destroyed.
  bool Gone();

  // The window's size in pixels as last reported (0 x 0 when it is gone).
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Whether the size changed, or part of the window needs drawing again, since the last call;
  // read what has come in with Gone first.
  bool TakeResized() { return std::exchange(resized_, false); }
  bool TakeExposed() { return std::exchange(exposed_, false); }

 private:
  ForeignWindowWatch(_XDisplay* display, unsigned long windowId, bool gone, bool canHoldWindows,
                     int width, int height);

  _XDisplay* display_;
  unsigned long windowId_;
  bool gone_;
  bool canHoldWindows_;
  int width_;
  int height_;
  bool resized_ = false;
  bool exposed_ = false;
};

}  // namespace quorvane
