// A pointer for the end-to-end tests under a wlroots compositor, which has no input devices of
// its own when headless: it stays in the seat while the test runs and, for each line on standard
// input, moves or clicks, then prints "done" once the compositor has handled it.
//   move DX DY    relative motion in logical pixels
//   click         the left button pressed and released
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
  wl_seat* seat = nullptr;
  zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
  auto* globals = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
    globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

std::uint32_t Now() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "virtual_pointer: no Wayland display\n");
    return 1;
  }
  Globals globals;
  static const wl_registry_listener listener = {&Global, &GlobalRemove};
  wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
  wl_display_roundtrip(display);
  if (globals.manager == nullptr) {
    std::fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
    return 1;
  }
  zwlr_virtual_pointer_v1* pointer =
      zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
  wl_display_roundtrip(display);
  std::cout << "ready" << std::endl;

  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "move") {
      double dx = 0;
      double dy = 0;
      words >> dx >> dy;
      zwlr_virtual_pointer_v1_motion(pointer, Now(), wl_fixed_from_double(dx),
                                     wl_fixed_from_double(dy));
      zwlr_virtual_pointer_v1_frame(pointer);
    } else if (command == "click") {
      zwlr_virtual_pointer_v1_button(pointer, Now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
      zwlr_virtual_pointer_v1_frame(pointer);
      zwlr_virtual_pointer_v1_button(pointer, Now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
      zwlr_virtual_pointer_v1_frame(pointer);
    }
    if (wl_display_roundtrip(display) < 0) {
      return 1;
    }
    std::cout << "done" << std::endl;
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  wl_display_disconnect(display);
  return 0;
}
