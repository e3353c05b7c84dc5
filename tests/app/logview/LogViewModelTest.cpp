#include "app/logview/LogViewModel.h"
#include "tests/app/logview/FakeMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor::test {
namespace {

constexpr int m = LogViewModel::kMargin;

// A view of ten columns and three rows over `text`, the caret at `caret`.
class ModelTest : public ::testing::Test {
 protected:
  void show(std::u16string_view text, std::size_t caret) {
    log.replace(std::u16string(text));
    log.setCaret(caret);
    model.resize(2 * m + 100, m + 30);
    model.mirror(log);
  }
  std::u16string selected() const { return model.selection().selectedText(); }

  FakeMetrics metrics;
  Log log;
  LogViewModel model{metrics};
};

struct MotionCase {
  const char* name;
  std::u16string_view text;
  std::size_t caret;
  std::vector<CaretMotion> motions;
  bool extend;
  std::size_t anchor;
  std::size_t expected;
};

// Lines: "one two  three" wraps into "one two  " and "three"; then "ab", an
// empty line, "x".
constexpr std::u16string_view kText = u"one two  three\r\nab\r\n\r\nx";

TEST_F(ModelTest, CaretMotions) {
  using enum CaretMotion;
  const MotionCase cases[] = {
      {"right", kText, 0, {NextCharacter, NextCharacter}, false, 2, 2},
      {"right over a CR LF", kText, 14, {NextCharacter}, false, 16, 16},
      {"left over a CR LF", kText, 16, {PreviousCharacter}, false, 14, 14},
      {"right at the end", kText, 23, {NextCharacter}, false, 23, 23},
      {"shift+right", kText, 0, {NextCharacter, NextCharacter}, true, 0, 2},
      {"word right", kText, 0, {NextWord, NextWord}, false, 9, 9},
      {"word right to the line end", kText, 9, {NextWord}, false, 14, 14},
      {"word right over a line end", kText, 14, {NextWord}, false, 16, 16},
      {"word left", kText, 9, {PreviousWord}, false, 4, 4},
      {"word left over a line end", kText, 16, {PreviousWord, PreviousWord}, true, 16, 9},
      {"down into the wrapped row", kText, 2, {NextRow}, false, 11, 11},
      {"down to a shorter line", kText, 7, {NextRow, NextRow}, false, 18, 18},
      {"down past the last row", kText, 23, {NextRow}, false, 23, 23},
      {"up past the first row", kText, 3, {PreviousRow}, false, 0, 0},
      {"row end of a wrapped row", kText, 1, {RowEnd}, false, 8, 8},
      {"row end of the last row", kText, 10, {RowEnd}, false, 14, 14},
      {"row start", kText, 12, {RowStart}, true, 12, 9},
      {"start and end", kText, 5, {Start, End}, false, 23, 23},
      {"shift+ctrl+home", kText, 5, {Start}, true, 5, 0},
      {"page down", kText, 0, {NextPage}, false, 20, 20},
      {"page up", kText, 23, {PreviousPage}, false, 10, 10},
      {"right over a pair",
       u"a\xD83D\xDE00"
       u"b",
       1,
       {NextCharacter},
       false,
       3,
       3},
      {"word right over Chinese and a sign", u"天地，玄黄", 0, {NextWord}, false, 2, 2},
  };
  for (const MotionCase& c : cases) {
    SCOPED_TRACE(c.name);
    show(c.text, c.caret);
    for (CaretMotion motion : c.motions) {
      model.move(motion, c.extend);
    }
    EXPECT_EQ(model.selection().anchor(), c.anchor);
    EXPECT_EQ(model.selection().caret(), c.expected);
  }
}

std::u16string lines(int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    text += u"line " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"\r\n";
  }
  return text;
}

struct ShowCase {
  int covered;
  long fromLine;
  std::size_t position;
  RowSpot top;
  int caretTop;
};

// The view moves as little as it must to show a position below the covered
// rows and never further down than the screen that ends with the last row;
// at the log's start, blank rows above the first row bring it below them.
// Lines 0 to 9 ("line n", from 8 * n), then line 10, 35 characters on four
// rows, from 80 to 115.
TEST_F(ModelTest, ShowingAPositionKeepsItClearOfTheCoveredRows) {
  for (const ShowCase& c : std::vector<ShowCase>{
           {0, 5, 48, {5, 0, 0}, m + 10},
           {0, 5, 56, {5, 0, 0}, m + 20},
           {0, 5, 64, {6, 0, 0}, m + 20},
           {0, 5, 16, {2, 0, 0}, m},
           {0, 5, 105, {10, 0, 0}, m + 20},
           {0, 5, 115, {10, 0, 1}, m + 20},
           {m + 10, 5, 40, {4, 0, 0}, m + 10},
           {m + 10, 5, 48, {5, 0, 0}, m + 10},
           {m + 10, 5, 16, {1, 0, 0}, m + 10},
           {m + 10, 5, 64, {6, 0, 0}, m + 20},
           {m + 10, 0, 0, {}, m + 10},
           {m + 1, 0, 8, {}, m + 10},
           {m + 11, 0, 8, {}, m + 20},
           {m + 11, 0, 0, {}, m + 20},
           {m + 11, 5, 115, {10, 0, 1}, m + 20},
           {1000, 0, 0, {}, m + 20},
       }) {
    show(lines(10) + std::u16string(35, u'x'), 0);
    model.cover(c.covered);
    model.scrollToLine(c.fromLine);
    model.showPosition(c.position);
    EXPECT_EQ(model.top(), c.top) << c.covered << " " << c.position;
    EXPECT_EQ(model.caretBoxAt(c.position).value_or(ViewBox{}).top, c.caretTop)
        << c.covered << " " << c.position;
  }
}

// Blank rows above the first row: painted, pointed at and announced as
// such; they scroll away first, and go when nothing covers them.
TEST_F(ModelTest, BlankRowsAboveTheFirstRow) {
  show(lines(3), 0);
  model.cover(m + 10);
  model.showPosition(0);
  EXPECT_EQ(model.piecesIn(0, m + 30).front().y, m + 10);
  EXPECT_EQ(model.positionAt(30, m + 15), 3u);
  EXPECT_EQ(model.positionAt(30, m + 25), 11u);
  EXPECT_EQ(model.onScreen(), (TextRange{0, 16}));
  model.scrollRows(1);
  EXPECT_EQ(model.piecesIn(0, m + 30).front().y, m);
  EXPECT_EQ(model.top(), RowSpot{});
  model.showPosition(0);
  model.cover(0);
  EXPECT_EQ(model.piecesIn(0, m + 30).front().y, m);
}

// New output shows the end, the caret moved by the log shows it, and the
// user's reading is left alone while the log stays as it is.
TEST_F(ModelTest, FollowsTheLogAndKeepsTheScrollBarInStep) {
  show(lines(20), 8 * 20);
  // The empty row after the last line end is the last row.
  EXPECT_EQ(model.top(), (RowSpot{18, 0, 0}));
  EXPECT_EQ(model.scrollBar(), (ScrollBarState{18, 3, 18}));
  model.scrollToLine(4);
  EXPECT_EQ(model.top(), (RowSpot{4, 0, 0}));
  EXPECT_EQ(model.mirror(log), LogSelection::Change::None);
  EXPECT_EQ(model.top(), (RowSpot{4, 0, 0}));
  log.setCaret(0);
  EXPECT_EQ(model.mirror(log), LogSelection::Change::Moved);
  EXPECT_EQ(model.scrollBar(), (ScrollBarState{18, 3, 0}));
  model.scrollToLine(1000);
  EXPECT_EQ(model.top(), (RowSpot{18, 0, 0}));
  log.truncate(log.lineStart(2));
  log.caretToEnd();
  EXPECT_EQ(model.mirror(log), LogSelection::Change::Replaced);
  EXPECT_EQ(model.top(), RowSpot{});
  EXPECT_EQ(model.scrollBar(), (ScrollBarState{0, 3, 0}));

  // A last screen that starts inside a wrapped line is one step further.
  show(lines(3) + std::u16string(35, u'x'), 0);
  EXPECT_EQ(model.scrollBar(), (ScrollBarState{4, 3, 0}));
  model.scrollToLine(4);
  EXPECT_EQ(model.top(), (RowSpot{3, 0, 1}));
  EXPECT_EQ(model.scrollBar().value, 4);
  // Narrower, the same text wraps into more rows.
  model.resize(2 * m + 50, m + 30);
  EXPECT_EQ(model.top(), (RowSpot{3, 0, 1}));
  EXPECT_EQ(model.scrollBar(), (ScrollBarState{4, 3, 3}));
}

// New output is announced as inserted text; a rewritten log, or more than
// a screen reader should be handed at once, as the text now on screen.
TEST_F(ModelTest, ChangesAreAnnouncedInBoundedText) {
  using enum TextChange::Kind;
  show(lines(20), 0);
  EXPECT_EQ(model.lastChange(), (TextChange{Rewritten, {0, 24}}));
  log.appendLine(u"", u"new");
  log.caretToEnd();
  model.mirror(log);
  EXPECT_EQ(model.lastChange(), (TextChange{Inserted, {160, 165}}));
  log.setCaret(0);
  model.mirror(log);
  EXPECT_EQ(model.lastChange(), TextChange{});
  log.append(std::u16string(LogViewModel::kAnnouncedText + 1, u'x'));
  log.caretToEnd();
  model.mirror(log);
  EXPECT_EQ(model.lastChange().kind, Rewritten);
  EXPECT_EQ(model.lastChange().range.end, log.text().size());
  EXPECT_LE(model.lastChange().range.end - model.lastChange().range.begin, 40u);
  model.mirror(log);
  EXPECT_EQ(model.lastChange(), TextChange{});
}

// A notch scrolls the rows asked for; a fine wheel's small steps add up.
TEST_F(ModelTest, WheelTurnsScrollRows) {
  show(lines(20), 0);
  model.wheel(-120, 3);
  EXPECT_EQ(model.top(), (RowSpot{3, 0, 0}));
  model.wheel(40, 3);
  EXPECT_EQ(model.top(), (RowSpot{2, 0, 0}));
  model.wheel(20, 3);
  EXPECT_EQ(model.top(), (RowSpot{2, 0, 0}));
  model.wheel(20, 3);
  EXPECT_EQ(model.top(), (RowSpot{1, 0, 0}));
  model.wheel(120 * 10, 3);
  EXPECT_EQ(model.top(), RowSpot{});
}

TEST_F(ModelTest, PointsAreCaretPlaces) {
  show(kText, 0);
  struct {
    int x, y;
    std::size_t position;
  } const cases[] = {
      {0, 0, 0},               // the margin
      {m + 14, m + 1, 1},      // nearer to the first character's right edge
      {m + 16, m + 9, 2},      // to the second character's
      {m + 95, m + 5, 8},      // past a wrapped row's end: its last place
      {m + 95, m + 15, 14},    // past the line's last row: its end
      {m + 14, m + 25, 17},    // the third row
      {m + 4, -30, 0},         // above the first row
      {m + 15, m + 1000, 23},  // below the last row
  };
  for (const auto& c : cases) {
    EXPECT_EQ(model.positionAt(c.x, c.y), c.position) << c.x << "," << c.y;
  }
  model.selectWordAt(m + 62, m + 5);
  EXPECT_EQ(selected(), u"two");
  model.selectWordAt(m + 75, m + 5);
  EXPECT_EQ(selected(), u"  ");
}

// A drag held below the view goes on scrolling a row at a time and
// selecting; it ends with the button.
TEST_F(ModelTest, DraggingPastTheEdgesScrollsAndSelects) {
  show(lines(20), 0);
  EXPECT_TRUE(model.press(m + 50, m + 5, false));
  EXPECT_FALSE(model.dragTo(m + 10, m + 15));
  EXPECT_EQ(selected(), u"0\r\nl");
  EXPECT_TRUE(model.dragTo(m + 10, m + 40));
  EXPECT_EQ(model.top(), (RowSpot{1, 0, 0}));
  model.dragOn();
  model.dragOn();
  EXPECT_EQ(model.top(), (RowSpot{3, 0, 0}));
  EXPECT_EQ(model.selection().caret(), 8 * 5u + 1);  // the bottom row, under the mouse
  EXPECT_TRUE(model.endDrag());
  model.dragOn();
  EXPECT_EQ(model.top(), (RowSpot{3, 0, 0}));
  EXPECT_FALSE(model.endDrag());
  EXPECT_TRUE(model.dragTo(0, -5) == false);  // no drag, no scrolling
  EXPECT_TRUE(model.press(m, m + 5, true));   // Shift keeps the anchor
  EXPECT_EQ(model.selection().anchor(), 5u);
  EXPECT_EQ(model.selection().caret(), 8 * 3u);
}

// What there is to paint: the pieces in the rows asked for, the selection in
// each, a selected line end one blank wide after the line's text, and the
// caret.
TEST_F(ModelTest, PiecesToPaintCarryTheSelectionAndTheLineEnds) {
  show(kText, 9);
  model.move(CaretMotion::NextRow, true);
  model.move(CaretMotion::RowEnd, true);
  ASSERT_EQ(model.selection().caret(), 18u);  // the end of "ab"
  std::vector<PieceOnScreen> pieces = model.piecesIn(0, m + 30);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].piece->begin, 0u);
  EXPECT_EQ(pieces[0].y, m);
  EXPECT_EQ(pieces[0].selectedFrom, 9u);
  EXPECT_EQ(pieces[0].selectedTo, 14u);
  EXPECT_EQ(pieces[0].selectedLineEnd, (ViewBox{m + 50, m + 10, 10, 10}));
  EXPECT_EQ(pieces[1].y, m + 20);
  EXPECT_EQ(pieces[1].selectedTo - pieces[1].selectedFrom, 2u);
  EXPECT_EQ(pieces[1].selectedLineEnd, std::nullopt);  // the caret is before it
  EXPECT_EQ(model.caretBox(), (ViewBox{m + 20, m + 20, 1, 10}));

  EXPECT_EQ(model.piecesIn(m + 20, m + 21).size(), 1u);
  model.move(CaretMotion::End, false);
  EXPECT_EQ(model.top(), (RowSpot{1, 0, 0}));
  EXPECT_EQ(model.caretBox(), (ViewBox{m + 10, m + 20, 1, 10}));
  model.scrollToLine(0);
  EXPECT_EQ(model.caretBox(), std::nullopt);

  // An open find box marks its matches, cut at the pieces' ends.
  FindBar find;
  model.highlight(find);
  find.press(FindKey::CtrlF, false, log, 0);
  find.edit(u"E", false);
  using Found = std::vector<std::pair<std::size_t, std::size_t>>;
  EXPECT_EQ(model.piecesIn(0, m + 30)[0].found, (Found{{2, 3}, {12, 13}, {13, 14}}));
  find.press(FindKey::Escape, false, log, 0);
  EXPECT_EQ(model.piecesIn(0, m + 30)[0].found, Found{});
}

// What a screen reader reads by, from any offset.
TEST_F(ModelTest, TextUnitsHoldTheirLineEnds) {
  show(kText, 0);
  using enum TextUnit;
  const struct {
    TextUnit unit;
    std::size_t position;
    TextRange range;
  } cases[] = {
      {Character, 0, {0, 1}}, {Character, 14, {14, 16}}, {Character, 23, {23, 23}},
      {Word, 1, {0, 4}},      {Word, 7, {4, 9}},         {Word, 12, {9, 14}},
      {Word, 14, {14, 16}},   {Row, 2, {0, 9}},          {Row, 9, {9, 16}},
      {Row, 17, {16, 20}},    {Row, 20, {20, 22}},       {Row, 22, {22, 23}},
      {Line, 5, {0, 16}},     {Line, 20, {20, 22}},      {Line, 22, {22, 23}},
      {Line, 99, {23, 23}},   {Character, 15, {14, 16}}, {Word, 15, {14, 16}},
      {Row, 15, {9, 16}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(model.unitAt(c.position, c.unit), c.range)
        << static_cast<int>(c.unit) << " at " << c.position;
  }
  EXPECT_EQ(model.onScreen(), (TextRange{0, 20}));
  model.showPosition(23);
  EXPECT_EQ(model.top(), (RowSpot{1, 0, 0}));
  EXPECT_EQ(model.onScreen(), (TextRange{16, 23}));
  EXPECT_EQ(model.caretBoxAt(16), (ViewBox{m, m, 1, 10}));

  // An offset between the halves of a pair counts as the place before it.
  show(u"a\xD83D\xDE00 b", 0);
  EXPECT_EQ(model.unitAt(2, Character), (TextRange{1, 3}));
  EXPECT_EQ(model.unitAt(2, Word), (TextRange{0, 4}));
  model.select(2, 4);
  EXPECT_EQ(selected(), u"\xD83D\xDE00 ");
}

TEST_F(ModelTest, MenuStatesFollowTheSelectionAndTheLog) {
  EXPECT_FALSE(model.canSelectAll());
  EXPECT_FALSE(model.press(0, 0, false));
  EXPECT_TRUE(model.piecesIn(0, 100).empty());
  show(u"", 0);
  EXPECT_FALSE(model.canSelectAll());
  show(kText, 0);
  EXPECT_TRUE(model.canSelectAll());
  EXPECT_FALSE(model.canCopy());
  model.selectAll();
  EXPECT_TRUE(model.canCopy());
  EXPECT_EQ(selected(), kText);
}

// Characters `size` pixels wide in rows `size` pixels high: a font at some
// zoom.
class SizedMetrics final : public TextMetrics {
 public:
  int rowHeight() const override { return size; }
  int blankWidth() const override { return size; }
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                             int width) const override {
    std::vector<int> edges;
    for (std::size_t i = 1; i <= text.size(); ++i) {
      edges.push_back(static_cast<int>(i) * size);
    }
    return std::make_shared<WrappedPiece>(begin, WrappedPiece::drawnText(text), std::move(edges),
                                          width);
  }

  int size = 10;
};

// Eight lines of 30 letters in a view 100 pixels wide and 60 high, the
// first row on screen the second of line 2 (its characters 10 to 19), 70 to
// 77 selected. As the font grows and shrinks, that row's first character
// stays in the first row on screen, unless the log's end comes first; the
// selection stays on its characters and the caret moves with them.
TEST(ModelFontTest, TheFirstRowOnScreenKeepsItsCharacter) {
  SizedMetrics metrics;
  LogViewModel model(metrics);
  metrics.size = 20;
  model.fontChanged();  // without a log
  EXPECT_EQ(model.top(), RowSpot{});
  metrics.size = 10;
  Log log;
  std::u16string text;
  for (char16_t letter = u'a'; letter < u'i'; ++letter) {
    text += std::u16string(30, letter) + u"\r\n";
  }
  log.replace(text);
  model.resize(2 * m + 100, m + 60);
  model.mirror(log);
  model.select(70, 77);
  model.scrollToLine(2);
  model.scrollRows(1);
  ASSERT_EQ(model.top(), (RowSpot{2, 0, 1}));
  const struct {
    int size;
    RowSpot top;
    std::optional<ViewBox> caret;
  } steps[] = {
      {20, {2, 0, 2}, ViewBox{m + 60, m, 1, 20}},       // 5 to a row: 74 starts row 2
      {25, {2, 0, 2}, ViewBox{m + 25, m + 25, 1, 25}},  // 4 to a row: 74 is in row 2
      {15, {2, 0, 1}, ViewBox{m + 15, m + 15, 1, 15}},  // 6 to a row: 74 is in row 1
      {4, {1, 0, 0}, ViewBox{m + 52, m + 8, 1, 4}},     // the last row reaches the bottom
      {10, {2, 0, 1}, ViewBox{m + 30, m, 1, 10}},       // back where it started
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.size);
    metrics.size = step.size;
    model.fontChanged();
    model.cover(0);  // the window places the find box again after each step
    EXPECT_EQ(model.top(), step.top);
    EXPECT_EQ(model.caretBox(), step.caret);
    EXPECT_EQ(model.selection().start(), 70u);
    EXPECT_EQ(model.selection().end(), 77u);
    EXPECT_EQ(model.rowHeight(), step.size);
  }
}

}  // namespace
}  // namespace zor::test
