// The search for a window by its title, on Xlib directly: it runs before, and without, a Qt
// application object.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <optional>
#include <string>

#include "qt/platform/x11_display.h"

namespace quorvane {

namespace {

// Windows may vanish while the tree is walked; their errors are expected and ignored.
int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

std::optional<std::string> NetWmName(Display* display, Window window) {
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, netWmName, 0, 4096, False, utf8String, &type, &format,
                         &count, &remaining, &data) != Success ||
      data == nullptr) {
    return std::nullopt;
  }
  std::optional<std::string> name;
  if (type == utf8String && format == 8) {
    name = std::string(reinterpret_cast<const char*>(data), count);
  }
  XFree(data);
  return name;
}

std::optional<std::string> WmName(Display* display, Window window) {
  XTextProperty property{};
  if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) {
    return std::nullopt;
  }
  std::optional<std::string> name;
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && count > 0 &&
      list != nullptr) {
    name = std::string(list[0]);
  }
  if (list != nullptr) {
    XFreeStringList(list);
  }
  XFree(property.value);
  return name;
}

bool HasTitle(Display* display, Window window, std::string_view title) {
  if (const auto name = NetWmName(display, window)) {
    return *name == title;
  }
  const auto name = WmName(display, window);
  return name && *name == title;
}

// Window managers put client windows inside frames, so the whole tree is searched.
bool SearchTree(Display* display, Window window, std::string_view title) {
  if (HasTitle(display, window, title)) {
    return true;
  }
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
    return false;
  }
  bool found = false;
  for (unsigned int i = 0; i < count && !found; ++i) {
    found = SearchTree(display, children[i], title);
  }
  if (children != nullptr) {
    XFree(children);
  }
  return found;
}

}  // namespace

bool X11WindowTitledExists(std::string_view title) {
  Display* display = OpenX11Display();
  if (display == nullptr) {
    return false;
  }
  const auto previousHandler = XSetErrorHandler(IgnoreXErrors);
  const bool found = SearchTree(display, DefaultRootWindow(display), title);
  XSync(display, False);
  XSetErrorHandler(previousHandler);
  XCloseDisplay(display);
  return found;
}

}  // namespace quorvane
