#include "tests/support/ConsoleHarness.h"

namespace zor::test {
namespace {

using DisplayModesTest = ConsoleTest;

// What they write is in the transcript display-modes.txt.
TEST_F(DisplayModesTest, TimeDisplayTogglesAndLeavesTheCaretAtTheEnd) {
  for (const std::u16string_view keyword : {u"th", u"timehide"}) {
    enter(keyword);
    EXPECT_EQ(console.vars.tof, u"0");
    EXPECT_EQ(console.log.caret(), console.log.text().size());
    clock.time = {18, 30, 0};
    enter(keyword);
    EXPECT_EQ(console.vars.tof, u"1");
    EXPECT_TRUE(console.log.text().ends_with(u"\r\n[18:30:00]时间显示已开启!\r\n"));
    EXPECT_EQ(console.log.caret(), console.log.text().size());
  }
}

TEST_F(DisplayModesTest, AnyTimeDisplayValueButOneCountsAsOff) {
  console.vars.tof = u"yes";
  enter(u"th");
  EXPECT_EQ(console.vars.tof, u"1");
  EXPECT_EQ(fresh(), u">>>th\r\n[09:05:07]时间显示已开启!\r\n");
}

TEST_F(DisplayModesTest, BlackmodeTogglesBothBoxesAndWritesNothing) {
  const BoxColours dark{kDesktopColour, kWhite};
  const BoxColours light{kWhite, kBlack};
  const auto scheme = [&](const BoxColours& expected) {
    const WindowState& w = console.window;
    return w.text1.background == expected.background && w.text1.text == expected.text &&
           w.text2.background == expected.background && w.text2.text == expected.text;
  };
  ASSERT_TRUE(scheme(light));
  enter(u"bm");
  EXPECT_TRUE(scheme(dark));
  enter(u"blackmode");
  EXPECT_TRUE(scheme(light));
  enter(u"bm");
  EXPECT_TRUE(scheme(dark));
  EXPECT_EQ(console.log.caret(), console.log.text().size());
  EXPECT_EQ(console.vars.tof, u"1");
  enter(u"th");
  EXPECT_TRUE(scheme(dark));
}

// Only the log box's background decides; anything but white counts as dark.
TEST_F(DisplayModesTest, BlackmodeReadsTheLogBoxBackgroundOnly) {
  console.window.text1.background = 0x00FFFFFE;
  enter(u"bm");
  EXPECT_EQ(console.window.text1.background, kWhite);
  EXPECT_EQ(console.window.text2.text, kBlack);
  console.window.text2.background = kDesktopColour;
  enter(u"bm");
  EXPECT_EQ(console.window.text1.background, kDesktopColour);
  EXPECT_EQ(console.window.text2.background, kDesktopColour);
}

}  // namespace
}  // namespace zor::test
