// A plain X window for the end-to-end tests: a stand-in for another instance's window or for the
// host's preview pane. Prints its window id in decimal on standard output, then stays until it is
// killed or receives a ClientMessage. An input-only window is one nothing can be drawn in.
//   x11_test_window [--title TEXT] [--size WxH] [--unmapped] [--input-only]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  std::string title = "x11_test_window";
  unsigned int width = 200;
  unsigned int height = 150;
  bool mapped = true;
  bool inputOnly = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--title") == 0 && i + 1 < argc) {
      title = argv[++i];
    } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
      std::sscanf(argv[++i], "%ux%u", &width, &height);
    } else if (std::strcmp(argv[i], "--unmapped") == 0) {
      mapped = false;
    } else if (std::strcmp(argv[i], "--input-only") == 0) {
      inputOnly = true;
    }
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("x11_test_window: cannot open the display\n", stderr);
    return 1;
  }
  const int screen = DefaultScreen(display);
  const Window window =
      inputOnly ? XCreateWindow(display, RootWindow(display, screen), 0, 0, width, height, 0, 0,
                                InputOnly, CopyFromParent, 0, nullptr)
                : XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                      BlackPixel(display, screen), WhitePixel(display, screen));
  const auto* text = reinterpret_cast<const unsigned char*>(title.c_str());
  const int length = static_cast<int>(title.size());
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace, text, length);
  XChangeProperty(display, window, XA_WM_NAME, XInternAtom(display, "UTF8_STRING", False), 8,
                  PropModeReplace, text, length);
  if (mapped) {
    XMapWindow(display, window);
  }
  XSync(display, False);
  std::printf("%lu\n", window);
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == ClientMessage) {
      break;
    }
  }
  XCloseDisplay(display);
  return 0;
}
