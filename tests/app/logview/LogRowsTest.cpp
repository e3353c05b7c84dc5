#include "app/logview/LaidOutRows.h"
#include "app/logview/LogRows.h"
#include "tests/app/logview/FakeMetrics.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

// Rows of ten characters each, as a fixed-width font at ten columns wraps.
class TenColumns final : public LogRows {
 protected:
  int rowsIn(std::size_t line, std::size_t piece) override {
    const std::size_t length = pieceEnd(line, piece) - pieceBegin(line, piece);
    return length == 0 ? 1 : static_cast<int>((length - 1) / 10 + 1);
  }
  int rowOf(std::size_t line, std::size_t piece, std::size_t position) override {
    const int row = static_cast<int>((position - pieceBegin(line, piece)) / 10);
    return std::min(row, rowsIn(line, piece) - 1);
  }
};

constexpr std::size_t n = LogRows::kPieceLength;

// Lines too long to lay out at once are cut into pieces that end after a
// blank where one is near and never split a surrogate pair.
TEST(LogRowsTest, LongLinesAreCutAfterABlankAndNeverInsideAPair) {
  std::u16string line(3 * n + 5, u'字');
  line[n - 10] = u' ';          // the first piece ends after it
  line[2 * n - 1] = u'\xD83D';  // a pair across the second boundary
  line[2 * n] = u'\xDE00';
  line[3 * n - 100] = u' ';  // too far back from the third boundary
  Log log;
  log.append(u"short\r\n" + line + u"\nend");
  TenColumns rows;
  rows.setLog(log);
  const std::size_t start = log.lineStart(1);
  EXPECT_EQ(rows.pieceCount(0), 1u);
  ASSERT_EQ(rows.pieceCount(1), 4u);
  EXPECT_EQ(rows.pieceBegin(1, 0), start);
  EXPECT_EQ(rows.pieceBegin(1, 1), start + n - 9);
  EXPECT_EQ(rows.pieceEnd(1, 0), start + n - 9);
  EXPECT_EQ(rows.pieceBegin(1, 2), start + 2 * n - 1);
  EXPECT_EQ(rows.pieceBegin(1, 3), start + 3 * n);
  EXPECT_EQ(rows.pieceEnd(1, 3), log.lineEnd(1));
  EXPECT_EQ(rows.pieceOf(1, start + n - 10), 0u);
  EXPECT_EQ(rows.pieceOf(1, start + n - 9), 1u);
  EXPECT_EQ(rows.pieceOf(1, start + 2 * n - 1), 2u);
  EXPECT_EQ(rows.pieceOf(1, log.lineEnd(1)), 3u);

  Log empty;
  rows.setLog(empty);
  EXPECT_EQ(rows.pieceCount(0), 1u);
  EXPECT_EQ(rows.lastRow(), RowSpot{});
  EXPECT_EQ(rows.spotOf(5), RowSpot{});
  EXPECT_EQ(rows.moved(RowSpot{}, 3), RowSpot{});
}

// Walking rows crosses pieces and lines both ways and stops at the ends.
TEST(LogRowsTest, RowsAreWalkedAcrossPiecesAndLines) {
  Log log;
  // Line 0: 25 characters, 3 rows; line 1: empty; line 2: n + 5 characters
  // without blanks, a piece of 103 rows and one of 1 row; line 3: empty.
  log.append(std::u16string(25, u'a') + u"\r\n\r" + std::u16string(n + 5, u'b') + u"\n");
  TenColumns rows;
  rows.setLog(log);
  ASSERT_EQ(log.lineCount(), 4u);
  const RowSpot last{3, 0, 0};
  EXPECT_EQ(rows.lastRow(), last);
  EXPECT_EQ(rows.moved(RowSpot{}, 2), (RowSpot{0, 0, 2}));
  EXPECT_EQ(rows.moved(RowSpot{}, 3), (RowSpot{1, 0, 0}));
  EXPECT_EQ(rows.moved(RowSpot{}, 4 + 103), (RowSpot{2, 1, 0}));
  EXPECT_EQ(rows.moved(RowSpot{}, 1000), last);
  EXPECT_EQ(rows.moved(last, -1), (RowSpot{2, 1, 0}));
  EXPECT_EQ(rows.moved(last, -2), (RowSpot{2, 0, 102}));
  EXPECT_EQ(rows.moved(last, -(2 + 103)), (RowSpot{1, 0, 0}));
  EXPECT_EQ(rows.moved(last, -100000), RowSpot{});
  EXPECT_EQ(rows.moved(RowSpot{0, 0, 7}, 0), (RowSpot{0, 0, 2}));  // a stale row

  EXPECT_EQ(rows.spotOf(0), RowSpot{});
  EXPECT_EQ(rows.spotOf(24), (RowSpot{0, 0, 2}));
  EXPECT_EQ(rows.spotOf(25), (RowSpot{0, 0, 2}));  // before the CR LF
  EXPECT_EQ(rows.spotOf(26), (RowSpot{0, 0, 2}));  // between CR and LF
  EXPECT_EQ(rows.spotOf(27), (RowSpot{1, 0, 0}));
  EXPECT_EQ(rows.spotOf(28 + n + 1), (RowSpot{2, 1, 0}));
  EXPECT_EQ(rows.spotOf(log.text().size()), last);
  EXPECT_EQ(rows.spotOf(log.text().size() + 10), last);
}

// The view goes no further down than the screen that ends with the last
// row; the scroll bar counts that screen one line on when it starts inside
// a line.
TEST(LogRowsTest, TheViewStopsAtTheLastScreen) {
  Log log;
  // Lines 0 to 9 of one row each, then line 10 of 35 characters: 4 rows.
  for (int i = 0; i < 10; ++i) {
    log.appendLine(u"", u"row");
  }
  log.append(std::u16string(35, u'x'));
  TenColumns rows;
  rows.setLog(log);
  EXPECT_EQ(rows.lastTop(3), (RowSpot{10, 0, 1}));
  EXPECT_EQ(LogRows::lastScrollLine(rows.lastTop(3)), 11u);
  EXPECT_EQ(rows.lastTop(5), (RowSpot{9, 0, 0}));
  EXPECT_EQ(LogRows::lastScrollLine(rows.lastTop(5)), 9u);
  EXPECT_EQ(rows.lastTop(100), RowSpot{});
}

// Laid-out pieces are kept, and always the log's as it is: more lines than
// are kept, and a last line that grows.
TEST(LaidOutRowsTest, PiecesAreKeptAndFollowTheGrowingLog) {
  Log log;
  for (int line = 0; line < 300; ++line) {
    log.append(u"line " + std::u16string(static_cast<std::size_t>(line % 7), u'x') + u"\r\n");
  }
  FakeMetrics metrics;
  LaidOutRows rows(metrics);
  rows.setLog(log);
  rows.setWidth(1000);
  for (const std::size_t line : {0u, 1u, 299u, 150u, 0u, 299u, 300u}) {
    const auto piece = rows.piece(line, 0);
    EXPECT_EQ(piece->begin, log.lineStart(line)) << line;
    EXPECT_EQ(piece->end, log.lineEnd(line)) << line;
    EXPECT_EQ(rows.piece(line, 0), piece) << line;
  }
  for (const std::u16string_view more : {u"abc", u"de", u"\xD83D\xDE00"}) {
    log.append(more);
    const auto piece = rows.piece(300, 0);
    EXPECT_EQ(static_cast<const WrappedPiece&>(*piece).text(),
              std::u16string_view(log.text()).substr(log.lineStart(300)));
  }
}

}  // namespace
}  // namespace zor::test
