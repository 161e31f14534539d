#include "qt/platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace quorvane {

namespace {

constexpr unsigned kGraceSeconds = 2;

// The handler's way into the event loop: it may only make async-signal-safe calls.
int signalPipe[2] = {-1, -1};

void NotifyEventLoop(int) {
  const char byte = 0;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
  // A loop that never answers must not keep the process alive: SIGALRM's default ends it.
  ::alarm(kGraceSeconds);
}

}  // namespace

void OnTerminationSignal(QObject* context, std::function<void()> end) {
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    return;  // the signals keep their default action: an end without tidying up
  }
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
  QObject::connect(notifier, &QSocketNotifier::activated, context,
                   [notifier, end = std::move(end)] {
                     notifier->setEnabled(false);
                     end();
                   });
  struct sigaction action {};
  action.sa_handler = NotifyEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace quorvane
