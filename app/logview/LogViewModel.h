#pragma once

#include "app/logview/FindBar.h"
#include "app/logview/LaidOutRows.h"
#include "app/logview/LogSelection.h"
#include "app/logview/TextMetrics.h"
#include "app/logview/ViewBox.h"
#include "interpreter/Log.h"

#include <climits>
#include <compare>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace zor {

// A piece on screen, for a front-end to draw: its first row's top left
// corner at (x, y), the selected part [selectedFrom, selectedTo) of its
// characters (none when they are equal), and the selected line end after it.
struct PieceOnScreen {
  std::shared_ptr<const LaidOutPiece> piece;
  int x = 0;
  int y = 0;
  std::size_t selectedFrom = 0;
  std::size_t selectedTo = 0;
  std::optional<ViewBox> selectedLineEnd;
  // Matches of the find box, [first, second) of the piece's characters.
  std::vector<std::pair<std::size_t, std::size_t>> found;
};

// The scroll bar counts lines from 0 to `last`; a page is the rows on
// screen.
struct ScrollBarState {
  int last = 0;
  int page = 1;
  int value = 0;

  auto operator<=>(const ScrollBarState&) const = default;
};

enum class CaretMotion {
  NextCharacter,
  PreviousCharacter,
  NextWord,
  PreviousWord,
  NextRow,
  PreviousRow,
  NextPage,
  PreviousPage,
  RowStart,
  RowEnd,
  Start,
  End,
};

// The units a screen reader reads the log by: a character (a line end
// counts as one), a word with the blanks after it, a row as wrapped on
// screen and a line of the log, each of these two with its line end, and
// the whole log.
enum class TextUnit { Character, Word, Row, Line, Document };

// A range of the log's text, [begin, end).
struct TextRange {
  std::size_t begin = 0;
  std::size_t end = 0;

  auto operator<=>(const TextRange&) const = default;
};

// What a screen reader is told of the log's last change: the text appended,
// or, when the log was rewritten or too much came at once to pass on whole,
// the text on screen as it is now.
struct TextChange {
  enum class Kind { None, Inserted, Rewritten };
  Kind kind = Kind::None;
  TextRange range;

  auto operator<=>(const TextChange&) const = default;
};

// Everything the log view decides, whatever draws it: which rows are on
// screen, the scroll bar, the caret and the selection, what the mouse and
// the keys do, and what there is to paint. Points are in pixels from the
// view's top left corner. A front-end turns its events into these calls,
// paints what piecesIn() gives, and sets its scroll bar from scrollBar().
class LogViewModel {
 public:
  // Room between the frame and the text.
  static constexpr int kMargin = 4;
  // How often a drag held past the top or the bottom scrolls a row.
  static constexpr int kDragScrollMs = 50;
  // A wheel notch.
  static constexpr int kWheelNotch = 120;
  // The most text announced at once, in characters.
  static constexpr std::size_t kAnnouncedText = 64 * 1024;

  explicit LogViewModel(const TextMetrics& metrics);

  // Shows `log`, which must outlive the model: the caret follows the log's
  // when the log changed.
  LogSelection::Change mirror(const Log& log);
  // What the last mirror() changed, for a screen reader.
  const TextChange& lastChange() const { return lastChange_; }

  const Log* log() const { return selection_.log(); }
  const LogSelection& selection() const { return selection_; }
  const RowSpot& top() const { return top_; }
  const ScrollBarState& scrollBar() const { return scrollBar_; }
  int rowHeight() const { return rows_.rowHeight(); }
  const TextMetrics& metrics() const { return rows_.metrics(); }
  int rowsOnScreen() const;

  // The view's size, or its font, changed.
  void resize(int width, int height);
  void relayout();
  // The font changed: the rows are laid out again in it, the character that
  // began the first row on screen staying in the first row. The caret, the
  // selection and the matches stay on their characters.
  void fontChanged();

  // The user moved the scroll bar to `line`; at its last value the view
  // shows the last row at the bottom.
  void scrollToLine(long line);
  void scrollRows(long rows);
  // A wheel turned by `delta`, in notches of kWheelNotch, each scrolling
  // `rowsPerNotch` rows; finer wheels add up.
  void wheel(int delta, long rowsPerNotch);

  std::size_t positionAt(int x, int y);
  void move(CaretMotion motion, bool extend);
  void selectAll();
  // Selects [anchor, caret) or (caret, anchor], showing the caret; an end
  // inside a surrogate pair or a CR LF counts as the place before it.
  void select(std::size_t anchor, std::size_t caret);
  // The word, the run of blanks or the run of signs under the point.
  void selectWordAt(int x, int y);

  // A press of the left button starts a drag, which moves the caret and
  // keeps the anchor; true when there is a log to drag in.
  bool press(int x, int y, bool extend);
  // The mouse moved while dragging: true while it is past the top or the
  // bottom, where dragOn() should come every kDragScrollMs to scroll a row.
  bool dragTo(int x, int y);
  void dragOn();
  // True when a drag ended.
  bool endDrag();
  bool dragging() const { return dragging_; }

  // The unit that holds `position`, an offset inside a surrogate pair or a
  // CR LF counting as the place before it; empty at the end of the log.
  // Costs what the unit holds, whatever the log's size.
  TextRange unitAt(std::size_t position, TextUnit unit);
  // Scrolls as little as needed to show the caret at `position`.
  void showPosition(std::size_t position);
  // The top `pixels` of the view are covered, by the find box: the rows
  // under them count as hidden, and the view may show blank rows above the
  // first row to show a row below them. A caret on screen stays in view.
  void cover(int pixels);
  // Where the text below the view starts.
  std::size_t bottomPosition() { return positionAt(INT_MAX / 2, height_); }
  // Marks the matches of `find` on screen; it must outlive the model.
  void highlight(const FindBar& find) { find_ = &find; }

  // The pieces that reach into the rows from `top` to `bottom`.
  std::vector<PieceOnScreen> piecesIn(int top, int bottom);
  // The caret, one pixel wide, when its row is on screen; the same for a
  // caret at `position`.
  std::optional<ViewBox> caretBox() { return caretBoxAt(selection_.caret()); }
  std::optional<ViewBox> caretBoxAt(std::size_t position);
  // The text on screen, for announcing a change too big to announce whole.
  TextRange onScreen();

  bool canCopy() const { return !selection_.empty(); }
  bool canSelectAll() const { return log() != nullptr && !log()->text().empty(); }

 private:
  void scrollTo(RowSpot top, int lead = 0);
  int coveredRows() const;
  void showCaret();
  void moveCaret(std::size_t position, bool extend);
  std::size_t rowsAway(long rows);

  LaidOutRows rows_;
  LogSelection selection_;
  const FindBar* find_ = nullptr;
  RowSpot top_;
  std::size_t topPosition_ = 0;  // where the first row on screen starts
  ScrollBarState scrollBar_;
  TextChange lastChange_;
  std::size_t shown_ = 0;  // the log's size at the last mirror()
  int covered_ = 0;
  int lead_ = 0;  // blank rows above the first row
  int width_ = 1;
  int height_ = 1;
  long wheelTurn_ = 0;  // wheel turn not yet scrolled, times rows a notch
  bool dragging_ = false;
  int dragX_ = 0;
  int dragY_ = 0;
};

}  // namespace zor
