#include "app/logview/LogSelection.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

using Change = LogSelection::Change;

// The view takes the log's caret only when the log changed: output, a moved
// caret or a rewrite; a log that stayed as it was leaves the user's
// selection alone.
TEST(LogSelectionTest, FollowsTheLogCaretOnlyWhenTheLogChanged) {
  Log log;
  log.appendLine(u"", u"one");
  log.caretToEnd();
  LogSelection selection;
  EXPECT_EQ(selection.selectedText(), u"");
  EXPECT_EQ(selection.mirror(log), Change::Replaced);
  EXPECT_EQ(selection.caret(), 5u);
  EXPECT_EQ(selection.log(), &log);

  selection.moveCaret(1, false);
  selection.moveCaret(3, true);
  EXPECT_EQ(selection.mirror(log), Change::None);
  EXPECT_EQ(selection.start(), 1u);
  EXPECT_EQ(selection.end(), 3u);
  EXPECT_EQ(selection.selectedText(), u"ne");

  log.appendLine(u"", u"two");
  EXPECT_EQ(selection.mirror(log), Change::Moved);  // the caret stays at 5
  EXPECT_TRUE(selection.empty());
  EXPECT_EQ(selection.caret(), 5u);

  selection.moveCaret(0, false);
  log.setCaret(0);  // top
  EXPECT_EQ(selection.mirror(log), Change::Moved);
  EXPECT_EQ(selection.caret(), 0u);

  log.truncate(5);
  EXPECT_EQ(selection.mirror(log), Change::Replaced);
  log.replace(u"xyz12");  // as long as before
  EXPECT_EQ(selection.mirror(log), Change::Replaced);
  Log other;
  other.replace(u"xyz12");
  EXPECT_EQ(selection.mirror(other), Change::Replaced);

  selection.selectAll();
  EXPECT_EQ(selection.anchor(), 0u);
  EXPECT_EQ(selection.selectedText(), u"xyz12");
}

// A step never splits a surrogate pair or a CR LF; a lone CR or LF is one
// line end too.
TEST(LogSelectionTest, StepsOverPairsAndLineEnds) {
  Log log;
  log.append(u"a\xD83D\xDE00\r\nb\rc\n");
  LogSelection selection;
  selection.mirror(log);
  const std::size_t forward[] = {1, 3, 5, 6, 7, 8, 9, 9};
  std::size_t at = 0;
  for (std::size_t expected : forward) {
    at = selection.nextPosition(at);
    EXPECT_EQ(at, expected);
  }
  const std::size_t back[] = {8, 7, 6, 5, 3, 1, 0, 0};
  for (std::size_t expected : back) {
    at = selection.previousPosition(at);
    EXPECT_EQ(at, expected);
  }
}

// A double click takes the run of word characters, blanks or signs around
// it, never beyond its line; at a line's end it takes the run before.
TEST(LogSelectionTest, DoubleClickTakesTheRunAroundAPosition) {
  Log log;
  log.append(u"[12:00:01]say foo_bar  你好，世界\r\nnext\r\n");
  LogSelection selection;
  selection.mirror(log);
  const auto wordAt = [&](std::size_t position) {
    selection.selectWordAt(position);
    return selection.selectedText();
  };
  EXPECT_EQ(wordAt(0), u"[");
  EXPECT_EQ(wordAt(1), u"12");
  EXPECT_EQ(wordAt(3), u":");
  EXPECT_EQ(wordAt(11), u"say");
  EXPECT_EQ(wordAt(14), u"foo_bar");
  EXPECT_EQ(wordAt(21), u"  ");
  EXPECT_EQ(wordAt(24), u"你好");
  EXPECT_EQ(wordAt(25), u"，");
  EXPECT_EQ(wordAt(28), u"世界");  // the line's end: the word before it
  EXPECT_EQ(wordAt(29), u"世界");  // between CR and LF
  EXPECT_EQ(wordAt(30), u"next");
  EXPECT_EQ(wordAt(log.text().size()), u"");
  EXPECT_EQ(selection.caret(), log.text().size());
}

}  // namespace
}  // namespace zor::test
