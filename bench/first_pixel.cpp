// Times a program's first picture from outside: runs the command (its output discarded), prints
// the milliseconds from its start until the root window's pixel at X, Y has the colour, then
// waits for the command to end. Ends the command and exits 1 when the colour has not come within
// 20 s.
//   first_pixel X Y RRGGBB COMMAND [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: first_pixel X Y RRGGBB COMMAND [ARGUMENT...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_pixel: no display\n");
    return 2;
  }
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  const unsigned long wanted = std::strtoul(argv[3], nullptr, 16);
  const auto start = std::chrono::steady_clock::now();
  const pid_t command = fork();
  if (command == 0) {
    // Nothing of the command may hold our output open.
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execvp(argv[4], argv + 4);
    _exit(127);
  }
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    if (pixel == wanted) {
      const std::chrono::duration<double, std::milli> elapsed =
          std::chrono::steady_clock::now() - start;
      std::printf("%.0f\n", elapsed.count());
      std::fflush(stdout);
      waitpid(command, nullptr, 0);
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(command, SIGTERM);
  waitpid(command, nullptr, 0);
  return 1;
}
