#include "app/ConsoleCommands.h"
#include "interpreter/CommandTable.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
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

using UnmatchedLineTest = ConsoleTest;

// Lines that come close to a keyword: a name without its blank, trailing
// text after an exact keyword, another case, a leading blank or a tab. Each
// gets its echo and the one message, and nothing else happens: no file, no
// music, no variable or window change.
TEST_F(UnmatchedLineTest, NearMissesAreReportedAndDoNothing) {
  writeBytes(directory / ".txt", "a\r\n");
  const FormVariables before = console.vars;
  const std::u16string p(P);
  for (const std::u16string_view line :
       {u"html",   u"htmlx",     u"HTML a", u"loadaddsave", u"loadaddsavex", u"loadaddhead",
        u"load",   u"save",      u"loadx",  u"title",       u"say",          u" say x",
        u"Say x",  u"\t",        u"pm",     u"playmusic",   u"sm ",          u"stopmusic x",
        u"clear ", u"CLEAR",     u"hide x", u"stop ",       u"informatio",   u"mC",
        u"mc ",    u"Minecraft", u"th x",   u"bm ",         u"ai on",        u"AI  on",
        u"AI on "}) {
    enter(line);
    EXPECT_EQ(fresh(), p + u">>>" + std::u16string(line) + u"\r\n" + p +
                           u"无法识别的命令！请仔细检查你的命令！\r\n")
        << testing::PrintToString(std::u16string(line));
  }
  EXPECT_EQ(entriesIn(directory), 1u);
  EXPECT_TRUE(media.commands.empty());
  EXPECT_EQ(console.vars.tof, before.tof);
  EXPECT_EQ(console.vars.addds, before.addds);
  EXPECT_EQ(console.vars.addde, before.addde);
  EXPECT_EQ(console.vars.aii, before.aii);
  EXPECT_EQ(console.window.caption, u"ZOR命令符-DEZEZA");
  EXPECT_TRUE(console.window.visible);
  EXPECT_FALSE(console.window.stopRequested);
  EXPECT_EQ(console.window.text1.background, kWhite);
}

}  // namespace
}  // namespace zor::test
