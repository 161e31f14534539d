#include "wayland/platform/wayland_seat.h"

#include <unistd.h>
#include <wayland-client.h>

namespace quorvane::wayland {

namespace {

WaylandSeat& SeatOf(void* data) {
  return *static_cast<WaylandSeat*>(data);
}

// Releases the object with the request its version has, or destroys it.
template <typename Device>
void Drop(Device*& device, std::uint32_t releaseSince, void (*release)(Device*),
          void (*destroy)(Device*)) {
  if (device == nullptr) {
    return;
  }
  if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(device)) >= releaseSince) {
    release(device);
  } else {
    destroy(device);
  }
  device = nullptr;
}

}  // namespace

WaylandSeat::WaylandSeat(wl_seat* seat, PointerTrack& track, std::function<void()> keyDown,
                         std::function<void()> mouseDown)
    : seat_(seat), track_(track), keyDown_(std::move(keyDown)), mouseDown_(std::move(mouseDown)) {
  static const wl_seat_listener listener = {
      &WaylandSeat::Capabilities,
      [](void*, wl_seat*, const char*) {},
  };
  wl_seat_add_listener(seat_, &listener, this);
}

WaylandSeat::~WaylandSeat() {
  Drop(keyboard_, WL_KEYBOARD_RELEASE_SINCE_VERSION, &wl_keyboard_release, &wl_keyboard_destroy);
  Drop(pointer_, WL_POINTER_RELEASE_SINCE_VERSION, &wl_pointer_release, &wl_pointer_destroy);
  Drop(touch_, WL_TOUCH_RELEASE_SINCE_VERSION, &wl_touch_release, &wl_touch_destroy);
}

void WaylandSeat::Capabilities(void* seatData, wl_seat* seat, std::uint32_t capabilities) {
  WaylandSeat& self = SeatOf(seatData);
  static const wl_keyboard_listener keyboardListener = {
      // The key map is not needed: any key ends the saver.
      [](void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) { close(fd); },
      [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
      [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {},
      [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
         std::uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
          SeatOf(data).keyDown_();
        }
      },
      [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
         std::uint32_t) {},
      [](void*, wl_keyboard*, std::int32_t, std::int32_t) {},
  };
  static const wl_pointer_listener pointerListener = PointerListener();
  static const wl_touch_listener touchListener = {
      [](void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*, std::int32_t, wl_fixed_t,
         wl_fixed_t) { SeatOf(data).mouseDown_(); },
      [](void*, wl_touch*, std::uint32_t, std::uint32_t, std::int32_t) {},
      [](void*, wl_touch*, std::uint32_t, std::int32_t, wl_fixed_t, wl_fixed_t) {},
      [](void*, wl_touch*) {},
      [](void*, wl_touch*) {},
      [](void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) {},
      [](void*, wl_touch*, std::int32_t, wl_fixed_t) {},
  };
  const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
  const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
  const bool touch = (capabilities & WL_SEAT_CAPABILITY_TOUCH) != 0;
  if (keyboard && self.keyboard_ == nullptr) {
    self.keyboard_ = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(self.keyboard_, &keyboardListener, &self);
  } else if (!keyboard) {
    Drop(self.keyboard_, WL_KEYBOARD_RELEASE_SINCE_VERSION, &wl_keyboard_release,
         &wl_keyboard_destroy);
  }
  if (pointer && self.pointer_ == nullptr) {
    self.pointer_ = wl_seat_get_pointer(seat);
    wl_pointer_add_listener(self.pointer_, &pointerListener, &self);
  } else if (!pointer) {
    self.track_.Leave();
    Drop(self.pointer_, WL_POINTER_RELEASE_SINCE_VERSION, &wl_pointer_release, &wl_pointer_destroy);
  }
  if (touch && self.touch_ == nullptr) {
    self.touch_ = wl_seat_get_touch(seat);
    wl_touch_add_listener(self.touch_, &touchListener, &self);
  } else if (!touch) {
    Drop(self.touch_, WL_TOUCH_RELEASE_SINCE_VERSION, &wl_touch_release, &wl_touch_destroy);
  }
}

// Filled in by name: newer libwayland versions add events to this struct. Those of versions past
// the one we bind never arrive, so their slots stay empty.
wl_pointer_listener WaylandSeat::PointerListener() {
  wl_pointer_listener listener{};
  listener.enter = [](void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface*,
                      wl_fixed_t x, wl_fixed_t y) {
    // No pointer image over the saver.
    wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
    SeatOf(data).track_.Enter(wl_fixed_to_double(x), wl_fixed_to_double(y));
  };
  listener.leave = [](void* data, wl_pointer*, std::uint32_t, wl_surface*) {
    SeatOf(data).track_.Leave();
  };
  listener.motion = [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
    SeatOf(data).track_.Motion(wl_fixed_to_double(x), wl_fixed_to_double(y));
  };
  listener.button = [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t,
                       std::uint32_t state) {
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
      SeatOf(data).mouseDown_();
    }
  };
  listener.axis = [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {};
  listener.frame = [](void*, wl_pointer*) {};
  listener.axis_source = [](void*, wl_pointer*, std::uint32_t) {};
  listener.axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {};
  listener.axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {};
  return listener;
}

}  // namespace quorvane::wayland
