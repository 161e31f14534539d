// The display check, on Xlib: Qt's own attempt to open a missing display aborts the process.
#include "qt/platform/x11_display.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace quorvane {

namespace {

// The first line with any text in it, without surrounding blanks.
std::string FirstLine(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    const std::size_t first = text.find_first_not_of(" \t\r", start);
    if (first < end) {
      const std::size_t last = text.find_last_not_of(" \t\r", end - 1);
      return text.substr(first, last - first + 1);
    }
    start = end + 1;
  }
  return {};
}

// Qt draws its windows into images of the window's visual, and has none for fewer than 15 bits.
constexpr int kLeastToolkitDepth = 15;

const char* VisualClassName(int visualClass) {
  switch (visualClass) {
    case StaticGray:
      return "StaticGray";
    case GrayScale:
      return "GrayScale";
    case StaticColor:
      return "StaticColor";
    case PseudoColor:
      return "PseudoColor";
    case TrueColor:
      return "TrueColor";
    default:
      return "DirectColor";
  }
}

}  // namespace

Display* OpenX11Display(std::string* refusal) {
  int pipeFds[2] = {-1, -1};
  if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
    return XOpenDisplay(nullptr);
  }
  std::fflush(stderr);
  const int savedError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
  const bool redirected = savedError >= 0 && ::dup2(pipeFds[1], STDERR_FILENO) >= 0;
  Display* display = XOpenDisplay(nullptr);
  if (redirected) {
    std::fflush(stderr);
    ::dup2(savedError, STDERR_FILENO);
  }
  if (savedError >= 0) {
    ::close(savedError);
  }
  ::close(pipeFds[1]);
  std::string said;
  char buffer[512];
  for (ssize_t got = 0; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeFds[0]);
  if (refusal != nullptr) {
    *refusal = FirstLine(said);
  }
  return display;
}

std::optional<std::string> X11DisplayProblem() {
  std::string refusal;
  if (Display* display = OpenX11Display(&refusal)) {
    XCloseDisplay(display);
    return std::nullopt;
  }
  const std::string name = XDisplayName(nullptr);
  if (name.empty()) {
    return "cannot open display: DISPLAY is not set";
  }
  return "cannot open display \"" + name + "\"" + (refusal.empty() ? "" : ": " + refusal);
}

std::optional<std::string> X11DialogVisualProblem() {
  Display* display = OpenX11Display();
  if (display == nullptr) {
    return std::nullopt;  // the display check says why
  }
  const int screen = DefaultScreen(display);
  const int depth = DefaultDepth(display, screen);
  const int visualClass = DefaultVisual(display, screen)->c_class;
  const std::string name = DisplayString(display);
  XCloseDisplay(display);
  if (depth >= kLeastToolkitDepth && (visualClass == TrueColor || visualClass == DirectColor)) {
    return std::nullopt;
  }
  return "display \"" + name + "\" shows " + std::to_string(depth) + "-bit " +
         VisualClassName(visualClass) +
         "; the settings dialog and the preview need TrueColor of 15 bits or more (the "
         "full-screen run works)";
}

}  // namespace quorvane
