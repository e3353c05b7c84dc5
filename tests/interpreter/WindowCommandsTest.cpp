#include "tests/support/ConsoleHarness.h"

namespace zor::test {
namespace {

using WindowCommandsTest = ConsoleTest;

TEST_F(WindowCommandsTest, ClearLeavesAnEmptyLogWithTheCaretAtZero) {
  enter(u"say a");
  enter(u"clear");
  EXPECT_EQ(console.log.text(), u"");
  EXPECT_EQ(console.log.caret(), 0u);
  enter(u"say b");
  EXPECT_EQ(console.log.text(), std::u16string(P) + u">>>say b\r\n" + std::u16string(P) + u"b\r\n");
}

TEST_F(WindowCommandsTest, TitleTakesTheArgumentAsTyped) {
  enter(u"title ");
  EXPECT_EQ(console.window.caption, u"");
  enter(u"title   a b  ");
  EXPECT_EQ(console.window.caption, u"  a b  ");
  EXPECT_EQ(fresh(),
            std::u16string(P) + u">>>title \r\n" + std::u16string(P) + u">>>title   a b  \r\n");
}

TEST_F(WindowCommandsTest, TopMovesOnlyTheCaretUntilTheNextLine) {
  enter(u"top");
  const std::u16string before = console.log.text();
  EXPECT_EQ(console.log.caret(), 0u);
  enter(u"say x");
  EXPECT_EQ(console.log.caret(), console.log.text().size());
  EXPECT_TRUE(console.log.text().starts_with(before));
}

TEST_F(WindowCommandsTest, SayKeepsEveryBlank) {
  enter(u"say  a  b  ");
  enter(u"say ");
  EXPECT_EQ(fresh(), std::u16string(P) + u">>>say  a  b  \r\n" + std::u16string(P) +
                         u" a  b  \r\n" + std::u16string(P) + u">>>say \r\n" + std::u16string(P) +
                         u"\r\n");
}

TEST_F(WindowCommandsTest, HideWritesItsMessageThenHides) {
  enter(u"hide");
  EXPECT_FALSE(console.window.visible);
  EXPECT_EQ(fresh(), std::u16string(P) + u">>>hide\r\n" + std::u16string(P) + u"隐藏窗口...\r\n");
}

TEST_F(WindowCommandsTest, StopAsksForTheEndWithoutUnloading) {
  enter(u"stop");
  EXPECT_TRUE(console.window.stopRequested);
  EXPECT_TRUE(media.commands.empty());
  EXPECT_EQ(fresh(), std::u16string(P) + u">>>stop\r\n");
}

}  // namespace
}  // namespace zor::test
