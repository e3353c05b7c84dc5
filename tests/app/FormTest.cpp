#include "tests/support/ConsoleHarness.h"
#include "tests/support/Transcript.h"

#include "app/Layout.h"
#include "platform/Utf8.h"

namespace zor::test {
namespace {

using FormTest = ConsoleTest;

// The banner's text is the transcripts' welcome.txt.
TEST_F(FormTest, LoadLeavesTheCaretAfterTheBannerAndTheInputEmpty) {
  EXPECT_EQ(console.log.caret(), console.log.text().size());
  EXPECT_EQ(console.input, u"");
}

TEST_F(FormTest, LoadStartsFromTheSameValuesWhateverCameBefore) {
  console.vars.tof = u"0";
  console.vars.aii = u"1";
  console.vars.addds = u"x";
  formLoad(console);
  const FormVariables& v = console.vars;
  EXPECT_EQ(toUtf8(v.vs), "V" ZOR_PROJECT_VERSION);
  EXPECT_EQ(v.da, u"2021-5-15");
  EXPECT_EQ(v.tof, u"1");
  EXPECT_EQ(v.addds, u"#");
  EXPECT_EQ(v.addde, u"%");
  EXPECT_EQ(v.aii, u"0");
  // The log starts again with the banner.
  EXPECT_EQ(toUtf8(console.log.text()), expectedLog("", toUtf8(P), directory.string(), "\r\n"));
}

TEST_F(FormTest, UnloadClosesTheMusicPathWithItsBlank) {
  formUnload(console);
  console.vars.am = u"/music/a b.mp3";
  formUnload(console);
  EXPECT_EQ(media.commands, (std::vector<std::u16string>{u"close ", u"close /music/a b.mp3"}));
}

TEST(LayoutTest, GrowingTheWindowGrowsTheLogAndMovesTheInputDown) {
  const FormLayout small = layoutForOuterSize(7935, 5415);
  const FormLayout large = layoutForOuterSize(7935 + 500, 5415 + 1000);
  EXPECT_EQ(small.frame1, (Rect{120, 120, 7470, 3920}));
  EXPECT_EQ(small.text1, (Rect{120, 240, 7205, 3535}));
  EXPECT_EQ(small.frame2, (Rect{120, 4145, 7470, 615}));
  EXPECT_EQ(small.text2, (Rect{120, 240, 7205, 270}));
  EXPECT_EQ(large.frame1, (Rect{120, 120, 7970, 4920}));
  EXPECT_EQ(large.text1, (Rect{120, 240, 7705, 4535}));
  EXPECT_EQ(large.frame2, (Rect{120, 5145, 7970, 615}));
  EXPECT_EQ(large.text2, (Rect{120, 240, 7705, 270}));
}

TEST(LayoutTest, TinyWindowsClampAtZero) {
  const FormLayout tiny = layoutForOuterSize(300, 1400);
  EXPECT_EQ(tiny.frame1, (Rect{120, 120, 0, 0}));
  EXPECT_EQ(tiny.text1, (Rect{120, 240, 0, 0}));
  EXPECT_EQ(tiny.frame2, (Rect{120, 130, 0, 615}));
  EXPECT_EQ(tiny.text2, (Rect{120, 240, 0, 270}));
  EXPECT_EQ(layoutForOuterSize(0, 0).frame2.top, 0);
}

}  // namespace
}  // namespace zor::test
