#include "tests/support/ConsoleHarness.h"

namespace zor::test {

ConsoleTest::ConsoleTest() : console(Services{clock, media, *codePage, directory}) {
  formLoad(console);
  seen_ = console.log.text().size();
}

void ConsoleTest::enter(std::u16string_view line) {
  console.input = std::u16string(line);
  text2KeyPress(console, consoleCommands(), kEnter);
}

std::u16string ConsoleTest::fresh() {
  const std::u16string& text = console.log.text();
  std::u16string added = seen_ <= text.size() ? text.substr(seen_) : text;
  seen_ = text.size();
  return added;
}

}  // namespace zor::test
