#pragma once

namespace zor {

// Gives a program built without a console of its own (a Windows GUI
// program) standard streams for a run without a window: those it was
// started with (a pipe, a file) are kept, the missing ones are opened on the
// console of the process that started it, which is set to show UTF-8.
// Nothing to do elsewhere.
void useParentConsole();

}  // namespace zor
