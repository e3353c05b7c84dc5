#include "tests/support/ConsoleHarness.h"

namespace zor::test {
namespace {

using KeyPressTest = ConsoleTest;

constexpr std::u16string_view kUnrecognised = u"无法识别的命令！请仔细检查你的命令！";

TEST_F(KeyPressTest, BlankOnlyLinesAndOtherKeysLeaveEverythingAlone) {
  for (const std::u16string_view line : {u"", u" ", u"   "}) {
    console.input = std::u16string(line);
    text2KeyPress(console, consoleCommands(), kEnter);
    EXPECT_EQ(console.input, line);
  }
  console.input = u"say hi";
  text2KeyPress(console, consoleCommands(), u'x');
  text2KeyPress(console, consoleCommands(), u'\n');
  EXPECT_EQ(console.input, u"say hi");
  EXPECT_EQ(fresh(), u"");
}

TEST_F(KeyPressTest, EchoThenOutputThenNothingElse) {
  enter(u"say hello");
  EXPECT_EQ(console.input, u"");
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

TEST_F(KeyPressTest, PrefixIsTakenOnceAtTheKeyPress) {
  enter(u"say a");
  clock.time = {23, 59, 9};
  enter(u"nonsense");
  EXPECT_EQ(fresh(), u"[09:05:07]>>>say a\r\n[09:05:07]a\r\n[23:59:09]>>>nonsense\r\n[23:59:09]" +
                         std::u16string(kUnrecognised) + u"\r\n");
}

TEST_F(KeyPressTest, InAiModeTheLineGoesToTheAiProcedureOnly) {
  static std::u16string asked;
  const CommandSet commands{consoleCommands().table,
                            [](Console&, std::u16string_view question) { asked = question; }};
  console.vars.aii = u"1";
  console.input = u" say x ";
  text2KeyPress(console, commands, kEnter);
  EXPECT_EQ(asked, u" say x ");
  EXPECT_EQ(console.input, u"");
  EXPECT_EQ(fresh(), u"[09:05:07]>>> say x \r\n");
}

}  // namespace
}  // namespace zor::test
