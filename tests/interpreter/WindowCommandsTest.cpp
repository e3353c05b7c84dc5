#include "tests/support/ConsoleHarness.h"

namespace zor::test {
namespace {

using WindowCommandsTest = ConsoleTest;

TEST_F(WindowCommandsTest, ClearLeavesAnEmptyLogWithTheCaretAtZero) {
  enter(u"say a");
  enter(u"clear");
  EXPECT_EQ(console.log.text(), u"");
  EXPECT_EQ(console.log.caret(), 0u);
}

TEST_F(WindowCommandsTest, TitleTakesTheArgumentAsTyped) {
  enter(u"title ");
  EXPECT_EQ(console.window.caption, u"");
  enter(u"title   a b  ");
  EXPECT_EQ(console.window.caption, u"  a b  ");
}

TEST_F(WindowCommandsTest, TopMovesOnlyTheCaretUntilTheNextLine) {
  enter(u"top");
  const std::u16string before = console.log.text();
  EXPECT_EQ(console.log.caret(), 0u);
  enter(u"say x");
  EXPECT_EQ(console.log.caret(), console.log.text().size());
  EXPECT_TRUE(console.log.text().starts_with(before));
}

TEST_F(WindowCommandsTest, HideWritesItsMessageThenHides) {
  enter(u"hide");
  EXPECT_FALSE(console.window.visible);
}

TEST_F(WindowCommandsTest, StopAsksForTheEndWithoutUnloading) {
  enter(u"stop");
  EXPECT_TRUE(console.window.stopRequested);
  EXPECT_TRUE(media.commands.empty());
}

}  // namespace
}  // namespace zor::test
