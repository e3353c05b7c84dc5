#include "app/KeyHandler.h"

#include "app/ConsoleCommands.h"
#include "interpreter/KeyPress.h"
#include "interpreter/Output.h"
#include "platform/SystemError.h"
#include "platform/Utf8.h"

#include <exception>
#include <new>
#include <string>

namespace zor {

namespace {

// The reason a command gave up, in the words the log shows.
std::u16string reasonOf(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return systemMessage(std::make_error_code(std::errc::not_enough_memory));
  } catch (const std::exception& error) {
    return fromUtf8(error.what());
  } catch (...) {
    return u"Unknown error";
  }
}

}  // namespace

// A command that fails in a way it did not foresee ends with one report
// line; the window keeps running and the log keeps what it holds.
void handleKey(Console& console, char16_t keyCode) {
  try {
    text2KeyPress(console, consoleCommands(), keyCode);
  } catch (...) {
    try {
      writeLine(console, linePrefix(console),
                u"命令执行失败！" + reasonOf(std::current_exception()));
    } catch (...) {  // not even the report fits in memory: the log stays as it is
    }
  }
}

}  // namespace zor
