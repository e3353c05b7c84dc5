#include "app/ConsoleCommands.h"
#include "interpreter/CommandTable.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

void noAction(Console&, const Invocation&) {}

TEST(MatchRowTest, ExactRowsTakeTheWholeLineOnly) {
  const CommandRow row{{u"help"}, CommandKind::Exact, noAction};
  EXPECT_TRUE(matchRow(row, u"help"));
  for (const std::u16string_view line : {u"hel", u"help ", u"help x", u"Help", u" help", u""}) {
    EXPECT_FALSE(matchRow(row, line)) << testing::PrintToString(std::u16string(line));
  }
}

TEST(MatchRowTest, ArgumentRowsNeedOneBlankAndKeepTheRestAsTyped) {
  const CommandRow row{{u"load"}, CommandKind::Argument, noAction};
  EXPECT_EQ(matchRow(row, u"load "), u"");
  EXPECT_EQ(matchRow(row, u"load  a b "), u" a b ");
  EXPECT_FALSE(matchRow(row, u"load"));
  EXPECT_FALSE(matchRow(row, u"loadaddsave x"));
  EXPECT_FALSE(matchRow(row, u"load\tx"));
}

TEST(MatchRowTest, AlternativeKeywordsAreExactAndCaseSensitive) {
  const CommandRow row{{u"MC", u"mc", u"Mc"}, CommandKind::Exact, noAction};
  EXPECT_TRUE(matchRow(row, u"MC"));
  EXPECT_TRUE(matchRow(row, u"mc"));
  EXPECT_TRUE(matchRow(row, u"Mc"));
  EXPECT_FALSE(matchRow(row, u"mC"));
  EXPECT_FALSE(matchRow(row, u"mc "));
}

// Every keyword of the console's table reaches its own row and no other.
TEST(CommandTableTest, EachKeywordMatchesExactlyOneRow) {
  const auto table = consoleCommands().table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (const std::u16string_view keyword : table[i].keywords) {
      if (keyword.empty()) {
        continue;
      }
      std::u16string line(keyword);
      if (table[i].kind == CommandKind::Argument) {
        line += u" x";
      }
      for (std::size_t j = 0; j < table.size(); ++j) {
        EXPECT_EQ(matchRow(table[j], line).has_value(), i == j)
            << testing::PrintToString(line) << " against row " << j + 1;
      }
    }
  }
}

}  // namespace
}  // namespace zor
