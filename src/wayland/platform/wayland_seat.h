// The input of one seat as the full-screen saver needs it: any key or button pressed, any touch,
// and the pointer's motion over the program's surfaces, where the pointer is hidden.
//
// Implements: wl_keyboard (key presses; keys already down on entry do not count), wl_pointer
// (enter, leave, motion, buttons), wl_touch (touches). Limits: scrolling does not count as
// input, as a wheel turned on X11 is a button but not here.
#pragma once

#include <cstdint>
#include <functional>

#include "wayland/platform/pointer_track.h"

struct wl_keyboard;
struct wl_pointer;
struct wl_pointer_listener;
struct wl_seat;
struct wl_touch;

namespace quorvane::wayland {

class WaylandSeat {
 public:
  // Motion goes to `track`; a key calls `keyDown`, a button or a touch `mouseDown`.
  WaylandSeat(wl_seat* seat, PointerTrack& track, std::function<void()> keyDown,
              std::function<void()> mouseDown);
  ~WaylandSeat();
  WaylandSeat(const WaylandSeat&) = delete;
  WaylandSeat& operator=(const WaylandSeat&) = delete;

 private:
  static void Capabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
  static wl_pointer_listener PointerListener();

  wl_seat* seat_;
  PointerTrack& track_;
  std::function<void()> keyDown_;
  std::function<void()> mouseDown_;
  wl_keyboard* keyboard_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  wl_touch* touch_ = nullptr;
};

}  // namespace quorvane::wayland
