#include "platform/Interrupt.h"

#include <csignal>

namespace zor {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int) { interrupted.store(true); }

}  // namespace

void catchInterrupt() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a read waiting for input returns at once. The handler
  // goes back to the default after the first time.
  action.sa_flags = static_cast<int>(SA_RESETHAND);
  sigaction(SIGINT, &action, nullptr);
}

const std::atomic<bool>& interruptFlag() { return interrupted; }

void ignoreBrokenPipes() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace zor
