#include "interpreter/Log.h"
#include "tests/support/ConsoleHarness.h"

#include <gtest/gtest.h>

#include <vector>

namespace zor::test {
namespace {

// Each line as [start, end) of its text, line ends left out.
std::vector<std::pair<std::size_t, std::size_t>> lines(const Log& log) {
  std::vector<std::pair<std::size_t, std::size_t>> out;
  for (std::size_t i = 0; i < log.lineCount(); ++i) {
    out.emplace_back(log.lineStart(i), log.lineEnd(i));
  }
  return out;
}

using Lines = std::vector<std::pair<std::size_t, std::size_t>>;

TEST(LogTest, LinesEndAtCrLfLoneCrAndLoneLf) {
  Log log;
  EXPECT_EQ(lines(log), (Lines{{0, 0}}));
  log.replace(u"ab\r\nc\rd\ne\r\n\r\n");
  EXPECT_EQ(lines(log), (Lines{{0, 2}, {4, 5}, {6, 7}, {8, 9}, {11, 11}, {13, 13}}));
  EXPECT_EQ(log.lineOf(0), 0u);
  EXPECT_EQ(log.lineOf(3), 0u);  // the LF of a CR LF belongs to the line it ends
  EXPECT_EQ(log.lineOf(4), 1u);
  EXPECT_EQ(log.lineOf(13), 5u);
}

TEST(LogTest, AppendsExtendTheIndexEvenWhenTheyCutACrLfInTwo) {
  Log log;
  log.append(u"a\r");
  EXPECT_EQ(lines(log), (Lines{{0, 1}, {2, 2}}));
  log.append(u"\nb");
  EXPECT_EQ(lines(log), (Lines{{0, 1}, {3, 4}}));
  log.appendLine(u"[p]", u"c");
  log.append(u"\n");
  EXPECT_EQ(lines(log), (Lines{{0, 1}, {3, 8}, {10, 10}, {11, 11}}));
  EXPECT_EQ(log.generation(), 0u);
}

TEST(LogTest, TruncateAndReplaceRebuildWhatTheyTouchAndMoveTheGeneration) {
  Log log;
  log.append(u"one\r\ntwo\r\nthree");
  log.setCaret(12);
  log.truncate(9);  // between the CR and the LF after "two"
  EXPECT_EQ(log.text(), u"one\r\ntwo\r");
  EXPECT_EQ(lines(log), (Lines{{0, 3}, {5, 8}, {9, 9}}));
  EXPECT_EQ(log.caret(), 9u);
  EXPECT_EQ(log.generation(), 1u);
  log.append(u"\nx");
  EXPECT_EQ(lines(log), (Lines{{0, 3}, {5, 8}, {10, 11}}));
  log.truncate(20);  // nothing to take back
  EXPECT_EQ(log.generation(), 1u);
  log.replace(u"z");
  EXPECT_EQ(lines(log), (Lines{{0, 1}}));
  EXPECT_EQ(log.generation(), 2u);
}

// Line ends among units that share a byte or a low value with CR or LF, cut
// into appends at every offset and with room made between them, against a
// plain count of the same text.
TEST(LogTest, IndexFindsEveryLineEndWhateverSurroundsIt) {
  const std::u16string units = {u'a',   u'\r',  u'\n',  0x000E, 0x000C,
                                0x0000, 0x800D, 0xFF0D, 0x0D0D, 0x0A00};
  std::u16string text;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 4000; ++i) {
    seed = seed * 1103515245 + 12345;
    text += units[(seed >> 16) % units.size()];
  }
  Log whole;
  whole.replace(text);
  Lines expected{{0, 0}};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      expected.back().second = i;
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
        ++i;
      }
      expected.emplace_back(i + 1, text.size());
    }
  }
  expected.back().second = text.size();
  EXPECT_EQ(lines(whole), expected);
  for (std::size_t cut = 1; cut < 40; ++cut) {
    Log pieces;
    for (std::size_t at = 0; at < text.size(); at += cut) {
      pieces.append(std::u16string_view(text).substr(at, cut));
      pieces.reserve(cut * 97);
    }
    ASSERT_EQ(pieces.text(), text);
    ASSERT_EQ(lines(pieces), expected) << "appends of " << cut;
  }
}

#ifdef __linux__
// A file that opens but cannot be read (Linux's view of a process's memory):
// the lines already taken into the log go again, and the log's lines are
// those of its text.
class LogRollBackTest : public ConsoleTest {};

TEST_F(LogRollBackTest, LoadThatFailsWhileReadingTakesItsLinesBack) {
  std::filesystem::create_symlink("/proc/self/mem", directory / "mem.txt");
  const std::u16string before = console.log.text();
  const std::uint64_t generation = console.log.generation();
  enter(u"load mem");
  EXPECT_EQ(console.log.text(), before + std::u16string(P) + u">>>load mem\r\n" +
                                    std::u16string(P) +
                                    u"文件操作失败！mem.txt: Input/output error\r\n");
  EXPECT_NE(console.log.generation(), generation);
  Log fresh;
  fresh.replace(console.log.text());
  EXPECT_EQ(lines(console.log), lines(fresh));
}
#endif

}  // namespace
}  // namespace zor::test
