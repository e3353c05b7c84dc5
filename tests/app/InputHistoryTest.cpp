#include "app/InputHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

using Lines = std::optional<std::u16string>;

TEST(InputHistoryTest, UpAndDownWalkTheLinesAndGiveBackTheDraft) {
  InputHistory history;
  EXPECT_EQ(history.previous(u"draft"), std::nullopt);
  history.add(u"say a");
  history.add(u"help");
  history.add(u"say b");

  EXPECT_EQ(history.next(), std::nullopt);
  EXPECT_EQ(history.previous(u"dra"), Lines(u"say b"));
  EXPECT_EQ(history.previous(u"say b"), Lines(u"help"));
  EXPECT_EQ(history.previous(u"help"), Lines(u"say a"));
  EXPECT_EQ(history.previous(u"say a"), std::nullopt);
  EXPECT_EQ(history.next(), Lines(u"help"));
  EXPECT_EQ(history.next(), Lines(u"say b"));
  EXPECT_EQ(history.next(), Lines(u"dra"));
  EXPECT_EQ(history.next(), std::nullopt);

  // Running a line ends browsing: Up starts again from the newest.
  EXPECT_EQ(history.previous(u""), Lines(u"say b"));
  EXPECT_EQ(history.previous(u"say b"), Lines(u"help"));
  history.add(u"help x");
  EXPECT_EQ(history.previous(u"new"), Lines(u"help x"));
  history.reset();
  EXPECT_EQ(history.previous(u""), Lines(u"help x"));
  EXPECT_EQ(history.next(), Lines(u""));
}

TEST(InputHistoryTest, KeepsWhatRanOnceInARowAndNotBlankLines) {
  InputHistory history;
  for (const std::u16string_view line :
       {u"", u"   ", u" help", u" help", u"\t", u"say a", u"say a", u"say a ", u" help"}) {
    history.add(line);
  }
  ASSERT_EQ(history.size(), 5u);
  std::u16string walked;
  while (const auto line = history.previous(u"")) {
    walked += *line + u"|";
  }
  EXPECT_EQ(walked, u" help|say a |say a|\t| help|");
}

TEST(InputHistoryTest, DropsTheOldestBeyondTheLimit) {
  InputHistory history;
  for (std::size_t i = 0; i < InputHistory::kLimit + 2; ++i) {
    history.add(u"say " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                std::u16string(i / 26, u'.'));
  }
  EXPECT_EQ(history.size(), InputHistory::kLimit);
  Lines oldest;
  while (const auto line = history.previous(u"")) {
    oldest = line;
  }
  // Lines 0 and 1 are gone; line 2 is "say C".
  EXPECT_EQ(oldest, Lines(u"say C"));
}

}  // namespace
}  // namespace zor::test
