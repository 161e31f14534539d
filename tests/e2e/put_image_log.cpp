// Preloaded into the program by the benchmark scripts: logs every XPutImage as "seconds width
// height" (CLOCK_REALTIME) to the file named by PUT_IMAGE_LOG, and with PUT_IMAGE_EXIT_AREA set
// ends the process once that many pixels have been put and flushed, which times the first
// complete picture from outside.
#include <dlfcn.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

FILE* Log() {
  static FILE* log = [] {
    const char* name = std::getenv("PUT_IMAGE_LOG");
    return name != nullptr ? std::fopen(name, "w") : nullptr;
  }();
  return log;
}

long long putPixels = 0;

}  // namespace

extern "C" int XPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int srcX,
                         int srcY, int destX, int destY, unsigned width, unsigned height) {
  using Real = int (*)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned);
  static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XPutImage"));
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  if (FILE* log = Log()) {
    std::fprintf(log, "%lld.%09ld %u %u\n", static_cast<long long>(now.tv_sec), now.tv_nsec, width,
                 height);
  }
  putPixels += static_cast<long long>(width) * height;
  return real(display, drawable, gc, image, srcX, srcY, destX, destY, width, height);
}

extern "C" int XFlush(Display* display) {
  using Real = int (*)(Display*);
  static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XFlush"));
  static const char* exitArea = std::getenv("PUT_IMAGE_EXIT_AREA");
  if (exitArea != nullptr && putPixels >= std::atoll(exitArea)) {
    // Only once the server has drawn it is the picture on the screen.
    XSync(display, False);
    if (FILE* log = Log()) {
      std::fflush(log);
    }
    _exit(0);
  }
  return real(display);
}
