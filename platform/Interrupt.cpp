#include "platform/Interrupt.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace zor {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

#ifdef _WIN32

BOOL WINAPI onControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
    return FALSE;
  }
  // The second one goes on to the default handler, which ends the process.
  return interrupted.exchange(true) ? FALSE : TRUE;
}

#else

extern "C" void onInterrupt(int) { interrupted.store(true); }

#endif

}  // namespace

void catchInterrupt() {
#ifdef _WIN32
  SetConsoleCtrlHandler(onControl, TRUE);
#else
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a read waiting for input returns at once. The handler
  // goes back to the default after the first time.
  action.sa_flags = static_cast<int>(SA_RESETHAND);
  sigaction(SIGINT, &action, nullptr);
#endif
}

const std::atomic<bool>& interruptFlag() { return interrupted; }

void ignoreBrokenPipes() {
#ifndef _WIN32
  std::signal(SIGPIPE, SIG_IGN);
#endif
}

}  // namespace zor
