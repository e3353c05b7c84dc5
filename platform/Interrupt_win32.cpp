#include "platform/Interrupt.h"

#include <windows.h>

namespace zor {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from the console's handler thread");

BOOL WINAPI onControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
    return FALSE;
  }
  // The second one goes on to the default handler, which ends the process.
  return interrupted.exchange(true) ? FALSE : TRUE;
}

}  // namespace

void catchInterrupt() { SetConsoleCtrlHandler(onControl, TRUE); }

const std::atomic<bool>& interruptFlag() { return interrupted; }

// Windows sends no signal for a closed pipe: the write fails.
void ignoreBrokenPipes() {}

}  // namespace zor
