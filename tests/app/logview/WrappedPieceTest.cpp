#include "app/logview/WrappedPiece.h"
#include "platform/Surrogates.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace zor::test {
namespace {

using namespace std::literals;

// Right edges of characters ten pixels wide each, wide characters twenty.
std::vector<int> edgesOf(std::u16string_view text) {
  std::vector<int> edges;
  int x = 0;
  for (char16_t c : text) {
    x += c >= 0x2E80 && (c < 0xD800 || c >= 0xE000) ? 20 : 10;
    edges.push_back(x);
  }
  return edges;
}

std::vector<std::u16string> rowsOf(const WrappedPiece& piece) {
  std::vector<std::u16string> rows;
  for (int row = 0; row < piece.rows(); ++row) {
    rows.push_back(
        piece.text().substr(piece.rowBegin(row), piece.rowEnd(row) - piece.rowBegin(row)));
  }
  return rows;
}

using Rows = std::vector<std::u16string>;

WrappedPiece wrapped(const std::u16string& text, int width) {
  return WrappedPiece(0, text, edgesOf(text), width);
}

// Rows break after a blank where one fits, else anywhere but inside a pair;
// blanks at a row's end hang past the width.
TEST(WrappedPieceTest, RowsBreakAfterBlanksElseAnywhereButInsideAPair) {
  EXPECT_EQ(rowsOf(wrapped(u"", 50)), Rows{u""});
  EXPECT_EQ(rowsOf(wrapped(u"abcde", 50)), Rows{u"abcde"});
  EXPECT_EQ(rowsOf(wrapped(u"ab cd efgh", 50)), (Rows{u"ab cd ", u"efgh"}));
  EXPECT_EQ(rowsOf(wrapped(u"ab cdefgh", 50)), (Rows{u"ab ", u"cdefg", u"h"}));
  EXPECT_EQ(rowsOf(wrapped(u"abcd    efgh", 50)), (Rows{u"abcd    ", u"efgh"}));
  EXPECT_EQ(rowsOf(wrapped(u"abcdefghijkl", 50)), (Rows{u"abcde", u"fghij", u"kl"}));
  EXPECT_EQ(rowsOf(wrapped(u"你好世界", 50)), (Rows{u"你好", u"世界"}));
  // A pair would straddle the edge: it goes to the next row whole.
  EXPECT_EQ(rowsOf(wrapped(u"abcd\xD83D\xDE00xy", 50)), (Rows{u"abcd", u"\xD83D\xDE00xy"}));
  // Narrower than one character: one character, or one pair, a row.
  EXPECT_EQ(rowsOf(wrapped(u"a\xD83D\xDE00", 5)), (Rows{u"a", u"\xD83D\xDE00"}));
  EXPECT_EQ(rowsOf(wrapped(u"你好", 0)), (Rows{u"你", u"好"}));
}

// Caret places: a row's end is the next row's start; a click past the end
// of a wrapped row lands on its last place; a click never splits a pair.
TEST(WrappedPieceTest, CaretPlacesAndClicksMapBothWays) {
  const WrappedPiece piece = wrapped(u"ab cd\xD83D\xDE00", 50);  // "ab cd", pair
  ASSERT_EQ(piece.rows(), 2);
  EXPECT_EQ(rowsOf(piece), (Rows{u"ab ", u"cd\xD83D\xDE00"}));
  EXPECT_EQ(piece.rowOf(0), 0);
  EXPECT_EQ(piece.rowOf(2), 0);
  EXPECT_EQ(piece.rowOf(3), 1);
  EXPECT_EQ(piece.rowOf(7), 1);
  EXPECT_EQ(piece.xOf(2), 20);
  EXPECT_EQ(piece.xOf(3), 0);
  EXPECT_EQ(piece.xOf(5), 20);
  EXPECT_EQ(piece.xOf(7), 40);
  EXPECT_EQ(piece.left(4), 40);

  EXPECT_EQ(piece.offsetAt(0, -10), 0u);
  EXPECT_EQ(piece.offsetAt(0, 4), 0u);
  EXPECT_EQ(piece.offsetAt(0, 5), 1u);
  EXPECT_EQ(piece.offsetAt(0, 1000), 2u);              // before the blank that ends the row
  EXPECT_EQ(piece.offsetAt(1, 24), 5u);                // left of the pair's middle
  EXPECT_EQ(piece.offsetAt(1, 31), 5u);                // inside the pair: before it
  EXPECT_EQ(piece.offsetAt(1, 1000), 7u);              // the last row's end
  EXPECT_EQ(piece.offsetAt(1, INT_MAX / 2), 7u);       // as far right as a window asks
  EXPECT_EQ(piece.offsetAt(9, 0), 3u);                 // rows past the last are the last
  const WrappedPiece odd(0, u"abc", {5, 12, 20}, 50);  // b's middle is at 8.5
  EXPECT_EQ(odd.offsetAt(0, 8), 1u);
  EXPECT_EQ(odd.offsetAt(0, 9), 2u);

  EXPECT_EQ(WrappedPiece::drawnText(u"a\tb\0c\x7F\x1B字"sv), u"a b c  字");
}

// How a toolkit may give the edges of a pair that it draws as one glyph:
// GDI puts the whole width on both halves; a toolkit that measures a caret
// place inside the pair puts part of it on the first.
enum class PairEdges { WholeOnBoth, HalfOnFirst };

std::vector<int> toolkitEdges(std::u16string_view text, PairEdges pairs) {
  std::vector<int> edges = edgesOf(text);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (startsSurrogatePair(text, i)) {
      const int before = i == 0 ? 0 : edges[i - 1];
      edges[i] = pairs == PairEdges::WholeOnBoth ? edges[i + 1] : (before + edges[i + 1]) / 2;
    }
  }
  return edges;
}

// Both windows wrap by this rule, each with its toolkit's edges: the same
// text with the same advances gives the same rows, the same caret places
// and the same clicks, whichever way the toolkit splits a pair's width.
TEST(WrappedPieceTest, EitherToolkitsEdgesGiveTheSameRowsCaretsAndClicks) {
  struct Case {
    std::u16string text;
    int width;
    Rows rows;
  };
  const Case cases[] = {
      {u"ab cd efgh", 50, {u"ab cd ", u"efgh"}},
      {u"abcd\xD83D\xDE00xy", 50, {u"abcd", u"\xD83D\xDE00xy"}},
      {u"abc\xD83D\xDE00\xD83D\xDE00 xy", 45, {u"abc", u"\xD83D\xDE00\xD83D\xDE00 ", u"xy"}},
      {u"你\xD83D\xDE00好 世界", 50, {u"你\xD83D\xDE00", u"好 ", u"世界"}},
      {u"\xD83D\xDE00\xD83D\xDE00\xD83D\xDE00",
       5,
       {u"\xD83D\xDE00", u"\xD83D\xDE00", u"\xD83D\xDE00"}},
  };
  for (const Case& c : cases) {
    const WrappedPiece gdi(0, c.text, toolkitEdges(c.text, PairEdges::WholeOnBoth), c.width);
    const WrappedPiece split(0, c.text, toolkitEdges(c.text, PairEdges::HalfOnFirst), c.width);
    EXPECT_EQ(rowsOf(gdi), c.rows) << c.width;
    EXPECT_EQ(rowsOf(split), c.rows) << c.width;
    for (std::size_t offset = 0; offset <= c.text.size(); ++offset) {
      EXPECT_EQ(split.xOf(offset), gdi.xOf(offset)) << offset;
    }
    for (int row = 0; row < gdi.rows(); ++row) {
      for (int x = -5; x < c.width + 30; ++x) {
        EXPECT_EQ(split.offsetAt(row, x), gdi.offsetAt(row, x)) << row << " " << x;
      }
    }
  }
}

// Edges that step back, as right-to-left text gives them in a left-to-right
// row, count as the furthest before them.
TEST(WrappedPieceTest, EdgesThatStepBackHoldTheirPlace) {
  const WrappedPiece piece(0, u"ab\x05D0\x05D1 cd", {10, 20, 40, 30, 50, 60, 70}, 45);
  EXPECT_EQ(rowsOf(piece), (Rows{u"ab\x05D0\x05D1 ", u"cd"}));
  EXPECT_EQ(piece.xOf(3), 40);
  EXPECT_EQ(piece.xOf(4), 40);
  EXPECT_EQ(piece.xOf(7), 20);
}

}  // namespace
}  // namespace zor::test
