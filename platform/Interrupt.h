#pragma once

#include <atomic>

namespace zor {

// Ctrl+C from now on: the first one sets the flag and cuts short a wait for
// input; a second one ends the process as usual, so nothing can hang.
void catchInterrupt();
const std::atomic<bool>& interruptFlag();

// Writing to a pipe whose reader has gone becomes an error (EPIPE) instead
// of ending the process. Nothing to do on Windows.
void ignoreBrokenPipes();

}  // namespace zor
