#include "app/logview/DrawnScreen.h"
#include "tests/app/logview/FakeMetrics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zor {

void PrintTo(const Redraw& redraw, std::ostream* out) {
  *out << "moved " << redraw.moved << ", stale " << redraw.stale.top << " to "
       << redraw.stale.bottom;
}

namespace test {
namespace {

constexpr int m = LogViewModel::kMargin;

// A label for each pixel row of a view `height` pixels high.
struct Canvas {
  Canvas(int height, const std::string& label) : rows(static_cast<std::size_t>(height), label) {}
  std::string& operator[](int y) { return rows[static_cast<std::size_t>(y)]; }
  bool operator==(const Canvas&) const = default;

  std::vector<std::string> rows;
};

// A view of ten columns and `rows` rows, drawn on a canvas of one label
// for each pixel row: what a full paint of the model draws there, or what
// a kept drawing holds after its moves and redraws.
class DrawnScreenTest : public ::testing::Test {
 protected:
  void show(int rows) {
    height = m + 10 * rows;
    model.resize(2 * m + 100, height);
    model.mirror(log);
    screen.forget();
  }
  void add(std::u16string_view line) {
    log.append(line);
    log.append(u"\r\n");
    log.caretToEnd();
    model.mirror(log);
  }
  Redraw update() {
    const Redraw redraw = screen.update(model.piecesIn(0, height), 10, m, height);
    Canvas moved = canvas;
    for (int y = m; y < height; ++y) {
      const int from = y - redraw.moved;
      moved[y] = from >= m && from < height ? canvas[from] : "?";
    }
    canvas = std::move(moved);
    return redraw;
  }
  void drawStale() {
    Canvas full = fullPaint();
    for (int y = screen.stale().top; y < screen.stale().bottom; ++y) {
      canvas[y] = full[y];
    }
    screen.drawn();
  }
  Canvas fullPaint() {
    Canvas labels(height, "blank");
    for (int y = 0; y < m; ++y) {
      labels[y] = "margin";
    }
    for (const PieceOnScreen& piece : model.piecesIn(0, height)) {
      const bool selected = piece.selectedFrom != piece.selectedTo;
      std::ostringstream look;
      look << piece.piece->begin << "-" << piece.piece->end << " sel "
           << (selected ? piece.selectedFrom : 0) << "," << (selected ? piece.selectedTo : 0)
           << " found";
      for (const auto& [from, to] : piece.found) {
        look << " " << from << "," << to;
      }
      if (piece.selectedLineEnd) {
        look << " end at " << piece.selectedLineEnd->top - piece.y;
      }
      const int bottom = std::min(piece.y + piece.piece->rows() * 10, height);
      for (int y = std::max(piece.y, m); y < bottom; ++y) {
        labels[y] = look.str() + " row " + std::to_string(y - piece.y);
      }
    }
    return labels;
  }

  FakeMetrics metrics;
  Log log;
  LogViewModel model{metrics};
  DrawnScreen screen;
  int height = 0;
  Canvas canvas{0, ""};
};

// The bands a change makes stale in a view of three rows, at y = m, m + 10
// and m + 20: a row is drawn again where it shows another piece, or the
// same piece looking otherwise.
TEST_F(DrawnScreenTest, ChangesMoveTheRowsAndDrawWhatTheyChanged) {
  add(u"zero");
  show(3);
  canvas = Canvas(height, "?");
  EXPECT_EQ(update(), (Redraw{0, {0, m + 30}}));  // nothing is drawn yet
  EXPECT_EQ(update(), (Redraw{0, {}}));
  add(u"one");  // where the empty last line was, and below
  EXPECT_EQ(update(), (Redraw{0, {m + 10, m + 30}}));
  add(u"two");  // the rows move up one: "one" is kept
  EXPECT_EQ(update(), (Redraw{-10, {m + 10, m + 30}}));
  add(u"twelve characters");  // two rows, and nothing on screen before is left
  EXPECT_EQ(update(), (Redraw{0, {m, m + 30}}));
  model.scrollRows(-1);  // "two" comes in at the top
  EXPECT_EQ(update(), (Redraw{10, {m, m + 10}}));
  model.select(12, 14);  // in "two"
  EXPECT_EQ(update(), (Redraw{0, {m, m + 10}}));
  FindBar find;
  model.highlight(find);
  find.press(FindKey::CtrlF, false, log, 0);
  find.edit(u"e", false);  // in "twelve characters" only
  EXPECT_EQ(update(), (Redraw{0, {m + 10, m + 30}}));
  log.replace(u"new\r\n");
  model.mirror(log);
  EXPECT_EQ(update(), (Redraw{0, {m, m + 30}}));
  screen.forget();
  EXPECT_EQ(update(), (Redraw{0, {0, m + 30}}));
}

// Whatever happens between paints, a kept drawing that moves and draws what
// is stale shows what a full paint shows.
TEST_F(DrawnScreenTest, AKeptDrawingShowsWhatAFullPaintShows) {
  std::mt19937 random(20261209);
  const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  FindBar find;
  model.highlight(find);
  show(6);
  canvas = Canvas(height, "?");
  for (int step = 0; step < 3000; ++step) {
    switch (below(9)) {
      case 0:
      case 1:
        add(std::u16string(static_cast<std::size_t>(below(25)), below(2) == 0 ? u'a' : u'b'));
        break;
      case 2:
        model.scrollRows(below(7) - 3);
        break;
      case 3: {
        const int size = static_cast<int>(log.text().size()) + 1;
        model.select(static_cast<std::size_t>(below(size)), static_cast<std::size_t>(below(size)));
        break;
      }
      case 4:
        find.press(find.isOpen() ? FindKey::Escape : FindKey::CtrlF, false, log, 0);
        find.edit(below(2) == 0 ? u"a" : u"ab", false);
        break;
      case 5:
        if (below(10) == 0) {
          log.truncate(log.text().size() / 2);
          model.mirror(log);
        }
        break;
      case 6:
        if (below(20) == 0) {
          show(3 + below(5));
          canvas = Canvas(height, "?");
        }
        break;
      default:
        break;
    }
    update();
    if (below(3) != 0) {
      drawStale();
      ASSERT_EQ(canvas.rows, fullPaint().rows) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace test
}  // namespace zor
