// Turns the signals that end a program from outside (SIGTERM from a host, SIGINT from Ctrl+C in
// a terminal, SIGHUP when the terminal goes) into a call on the event loop, where the program may
// still tidy up on the X server before it ends, which a signal handler may not.
//
// Implements: POSIX only, through a pipe that the handler writes to (the self-pipe pattern Qt
// recommends). Should the event loop not answer, the default end follows two seconds later.
#pragma once

#include <QObject>
#include <functional>

namespace quorvane {

// Calls `end`, once, on the event loop when one of those signals arrives; the notifier lives as
// long as `context`. `end` is to end the process. Call it once per process.
void OnTerminationSignal(QObject* context, std::function<void()> end);

}  // namespace quorvane
