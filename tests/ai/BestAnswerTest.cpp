#include "ai/BestAnswer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor::test {
namespace {

using Pieces = std::vector<std::u16string_view>;

// The best answer to the question from lines given in pieces.
std::u16string answer(std::u16string_view question, const std::vector<Pieces>& lines) {
  BestAnswer best(question);
  for (const Pieces& pieces : lines) {
    for (const std::u16string_view piece : pieces) {
      best.add(piece);
    }
    best.endLine();
  }
  const std::string score = std::to_string(best.score());
  return std::u16string(score.begin(), score.end()) + u":" + best.takeAnswer();
}

// A line may come in pieces cut anywhere, through a "###" too; it is split
// as the whole line would be.
TEST(BestAnswerTest, SplitsALineCutIntoPiecesAsTheWholeLine) {
  EXPECT_EQ(answer(u"ab", {{u"ab###an###0"}}), u"2:an");
  EXPECT_EQ(answer(u"ab", {{u"a#", u"#", u"#an#", u"##0"}}), u"1:an");
  EXPECT_EQ(answer(u"ab", {{u"ab", u"##", u"#a", u"n###", u""}}), u"2:an");
  EXPECT_EQ(answer(u"#a", {{u"a##", u"b###x###0"}}), u"3:x");
  EXPECT_EQ(answer(u"a", {{u"a####b###0"}}), u"1:#b");
  EXPECT_EQ(answer(u"a", {{u"a###", u"###0"}}), u"1:");
}

TEST(BestAnswerTest, OnlyACompleteEntryThatScoresHigherWins) {
  EXPECT_EQ(answer(u"a", {{u"a###one"}, {u"a"}, {}, {u"b###two###0"}}), u"0:");
  EXPECT_EQ(answer(u"a", {{u"a###one###0"}, {u"a###two###0"}, {u"aa###three###0###x"}}),
            u"2:three");
  EXPECT_EQ(answer(u"a", {{u"aa###one###0"}, {u"a", u"###two###0"}}), u"2:one");
}

}  // namespace
}  // namespace zor::test
