#include "app/logview/CaretEvents.h"
#include "app/logview/TextNavigation.h"
#include "tests/app/logview/FakeMetrics.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zor::test {
namespace {

constexpr int m = LogViewModel::kMargin;
using enum TextUnit;

// Rows of "one two  three\r\nab\r\n\r\nx" ten columns wide: [0, 9) "one two  ",
// [9, 16) "three" and its line end, [16, 20) "ab", [20, 22) the empty line,
// [22, 23) "x"; three rows on screen.
constexpr std::u16string_view kText = u"one two  three\r\nab\r\n\r\nx";
// Six characters beyond the BMP, five to a row, and a line end.
constexpr std::u16string_view kPairs =
    u"\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"
    u"\U0001F600\r\n";

class NavigationTest : public ::testing::Test {
 protected:
  TextNavigation& show(std::u16string_view text) {
    log.replace(std::u16string(text));
    log.setCaret(0);
    model.resize(2 * m + 100, m + 30);
    model.mirror(log);
    return navigation;
  }

  FakeMetrics metrics;
  Log log;
  LogViewModel model{metrics};
  TextNavigation navigation{model};
};

TEST_F(NavigationTest, UnitsAtBeforeAndAfterAnOffset) {
  const struct {
    std::u16string_view text;
    TextUnit unit;
    std::size_t offset;
    TextRange at, before, after, enclosing;
  } cases[] = {
      {kText, Character, 0, {0, 1}, {0, 0}, {1, 2}, {0, 1}},
      {kText, Character, 15, {14, 16}, {13, 14}, {16, 17}, {14, 16}},
      {kText, Word, 5, {4, 9}, {0, 4}, {9, 14}, {4, 9}},
      {kText, Word, 14, {14, 16}, {9, 14}, {16, 18}, {14, 16}},
      {kText, Row, 10, {9, 16}, {0, 9}, {16, 20}, {9, 16}},
      {kText, Row, 23, {23, 23}, {22, 23}, {23, 23}, {22, 23}},
      {kText, Line, 17, {16, 20}, {0, 16}, {20, 22}, {16, 20}},
      {kText, Line, 0, {0, 16}, {0, 0}, {16, 20}, {0, 16}},
      {kText, Line, 99, {23, 23}, {22, 23}, {23, 23}, {22, 23}},
      {kText, Document, 5, {0, 23}, {0, 0}, {23, 23}, {0, 23}},
      {kPairs, Character, 3, {2, 4}, {0, 2}, {4, 6}, {2, 4}},
      {kPairs, Word, 5, {0, 12}, {0, 0}, {12, 14}, {0, 12}},
      {kPairs, Row, 11, {10, 14}, {0, 10}, {14, 14}, {10, 14}},
      {kPairs, Row, 14, {14, 14}, {10, 14}, {14, 14}, {10, 14}},
      {u"", Line, 3, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    TextNavigation& go = show(c.text);
    const auto where = ::testing::Message() << static_cast<int>(c.unit) << " at " << c.offset;
    EXPECT_EQ(go.at(c.offset, c.unit), c.at) << where;
    EXPECT_EQ(go.before(c.offset, c.unit), c.before) << where;
    EXPECT_EQ(go.after(c.offset, c.unit), c.after) << where;
    EXPECT_EQ(go.enclosing(c.offset, c.unit), c.enclosing) << where;
  }
}

// Offsets inside a pair or a line end count as the place before them.
TEST_F(NavigationTest, PlacesAreNeverInsideAPairOrALineEnd) {
  const struct {
    std::u16string_view text;
    std::size_t offset;
    std::size_t place;
  } cases[] = {
      {kPairs, 3, 2},  {kPairs, 4, 4},  {kPairs, 13, 12}, {kPairs, 99, 14},
      {kText, 15, 14}, {kText, 21, 20}, {kText, 14, 14},  {u"", 5, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(show(c.text).placeAt(c.offset), c.place) << c.offset;
  }
}

TEST_F(NavigationTest, MovesAPlaceByUnits) {
  const struct {
    std::u16string_view text;
    TextUnit unit;
    std::size_t from;
    int count;
    int moved;
    std::size_t to;
  } cases[] = {
      {kText, Character, 0, 3, 3, 3},     {kText, Character, 13, 2, 2, 16},
      {kText, Character, 16, -1, -1, 14}, {kText, Character, 4, 0, 0, 4},
      {kText, Word, 23, -2, -2, 20},      {kText, Row, 0, 10, 5, 23},
      {kText, Row, 12, -1, -1, 9},        {kText, Line, 23, -10, -4, 0},
      {kText, Line, 0, 2, 2, 20},         {kText, Document, 5, 1, 1, 23},
      {kText, Document, 5, -3, -1, 0},    {kPairs, Character, 1, 2, 2, 4},
      {kPairs, Character, 3, -1, -1, 0},  {kPairs, Row, 0, 3, 2, 14},
  };
  for (const auto& c : cases) {
    std::size_t at = c.from;
    EXPECT_EQ(show(c.text).moveBy(at, c.unit, c.count), c.moved) << c.from << " by " << c.count;
    EXPECT_EQ(at, c.to) << c.from << " by " << c.count;
  }
}

// A range moves whole, never onto the empty end; an empty one as a place.
TEST_F(NavigationTest, MovesARangeByUnits) {
  show(kText);
  const struct {
    TextUnit unit;
    TextRange range;
    int count;
    int moved;
    TextRange result;
  } cases[] = {
      {Row, {0, 3}, 1, 1, {9, 16}},          {Row, {0, 3}, 9, 4, {22, 23}},
      {Line, {22, 23}, -9, -3, {0, 16}},     {Character, {5, 5}, 2, 2, {7, 7}},
      {Word, {5, 7}, 0, 0, {4, 9}},          {Document, {3, 9}, 1, 0, {0, 23}},
      {Character, {21, 23}, 1, 1, {22, 23}},
  };
  for (const auto& c : cases) {
    TextRange range = c.range;
    EXPECT_EQ(navigation.move(range, c.unit, c.count), c.moved) << c.range.begin;
    EXPECT_EQ(range, c.result) << c.range.begin;
  }
}

TEST_F(NavigationTest, BoxesOfCharactersAndRangesOnScreen) {
  show(kText);
  const struct {
    std::size_t offset;
    std::optional<ViewBox> box;
  } characters[] = {
      {0, ViewBox{m, m, 10, 10}},
      {8, ViewBox{m + 80, m, 10, 10}},  // the last of a wrapped row
      {15, ViewBox{m + 50, m + 10, 10, 10}},
      {22, std::nullopt},
  };
  for (const auto& c : characters) {
    EXPECT_EQ(navigation.characterBox(c.offset), c.box) << c.offset;
  }
  const struct {
    TextRange range;
    std::vector<ViewBox> boxes;
  } ranges[] = {
      {{2, 18}, {{m + 20, m, 70, 10}, {m, m + 10, 60, 10}, {m, m + 20, 20, 10}}},
      {{5, 5}, {{m + 50, m, 1, 10}}},
      {{21, 23}, {}},
      {{23, 23}, {}},
  };
  for (const auto& c : ranges) {
    EXPECT_EQ(navigation.boxes(c.range), c.boxes) << c.range.begin;
  }
  show(kPairs);
  EXPECT_EQ(navigation.characterBox(3), (ViewBox{m + 20, m, 20, 10}));
  EXPECT_EQ(navigation.boxes({3, 13}),
            (std::vector<ViewBox>{{m + 20, m, 80, 10}, {m, m + 10, 20, 10}}));
}

// The caret is told first; an empty selection moving with it is no news.
TEST_F(NavigationTest, CaretEventsTellOnlyWhatChanged) {
  show(kText);
  CaretEvents events;
  const struct {
    std::size_t caret;
    bool extend;
    CaretNews news;
    bool focused = true;
  } steps[] = {
      {0, false, {}},
      {20, false, {20, std::nullopt}},
      {22, true, {22, TextRange{20, 22}}},
      {22, true, {}},
      {16, true, {16, TextRange{16, 20}}},
      {16, false, {std::nullopt, TextRange{16, 16}}},
      {9, false, {9, std::nullopt}},
      // Unfocused: output moves the caret unheard; a selection is heard.
      {13, false, {}, false},
      {8, true, {std::nullopt, TextRange{8, 13}}, false},
      {8, true, {}},
  };
  for (const auto& s : steps) {
    model.select(s.extend ? model.selection().anchor() : s.caret, s.caret);
    EXPECT_EQ(events.update(model.selection(), s.focused), s.news) << s.caret;
  }
}

}  // namespace
}  // namespace zor::test
