#pragma once

#include "app/ConsoleCommands.h"
#include "app/Form.h"
#include "interpreter/KeyPress.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zor::test {

// A loaded console with a fixed clock (09:05:07), a recording media device,
// the system's code page and an empty program directory of its own.
class ConsoleTest : public ::testing::Test {
 protected:
  ConsoleTest();

  // Types the line into the input box and presses Enter.
  void enter(std::u16string_view line);
  // The log text added since the test's last call to fresh().
  std::u16string fresh();

  FixedClock clock;
  RecordingMediaDevice media;
  const std::unique_ptr<CodePage> codePage = systemCodePage();  // GB18030 here
  TemporaryDirectory temporary;
  const std::filesystem::path& directory = temporary.path();
  Console console;

 private:
  std::size_t seen_ = 0;
};

inline constexpr std::u16string_view P = u"[09:05:07]";

}  // namespace zor::test
