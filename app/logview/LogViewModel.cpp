#include "app/logview/LogViewModel.h"

#include "platform/Surrogates.h"

#include <algorithm>
#include <climits>

namespace zor {

namespace {

// Right of every row; small enough for any layout's fixed-point arithmetic.
constexpr int kFarRight = 1'000'000;
// The largest scroll bar value, with room for a page above it.
constexpr std::size_t kLastScrollLine = INT_MAX / 2;

// The caret place at or just before `position`: never between the halves
// of a surrogate pair, nor between the CR and the LF of a line end.
std::size_t placeAt(std::u16string_view text, std::size_t position) {
  const bool inside = position > 0 && position < text.size() &&
                      ((isHighSurrogate(text[position - 1]) && isLowSurrogate(text[position])) ||
                       (text[position - 1] == u'\r' && text[position] == u'\n'));
  return inside ? position - 1 : position;
}

}  // namespace

LogViewModel::LogViewModel(const TextMetrics& metrics) : rows_(metrics) {}

LogSelection::Change LogViewModel::mirror(const Log& log) {
  const LogSelection::Change change = selection_.mirror(log);
  lastChange_ = TextChange{};
  if (change == LogSelection::Change::None) {
    return change;
  }
  rows_.setLog(log);
  if (change == LogSelection::Change::Replaced) {
    rows_.forget();
    top_ = RowSpot{std::min(top_.line, log.lineCount() - 1), 0, 0};
    topPosition_ = rows_.positionAt(top_, 0);
  }
  showCaret();
  const std::size_t size = log.text().size();
  if (change == LogSelection::Change::Replaced || size - shown_ > kAnnouncedText) {
    lastChange_ = TextChange{TextChange::Kind::Rewritten, onScreen()};
  } else if (size > shown_) {
    lastChange_ = TextChange{TextChange::Kind::Inserted, TextRange{shown_, size}};
  }
  shown_ = size;
  return change;
}

int LogViewModel::rowsOnScreen() const { return std::max(1, (height_ - kMargin) / rowHeight()); }

void LogViewModel::resize(int width, int height) {
  width_ = width;
  height_ = height;
  relayout();
}

void LogViewModel::relayout() {
  rows_.setWidth(width_ - 2 * kMargin);
  scrollTo(log() != nullptr ? rows_.moved(top_, 0) : RowSpot{}, lead_);
}

void LogViewModel::cover(int pixels) {
  const bool caretShown = caretBox().has_value();
  covered_ = pixels;
  lead_ = std::min(lead_, coveredRows());
  if (caretShown) {
    showCaret();
  }
}

int LogViewModel::coveredRows() const {
  const int rows = covered_ <= kMargin ? 0 : (covered_ - kMargin + rowHeight() - 1) / rowHeight();
  return std::min(rows, rowsOnScreen() - 1);
}

// The character kept at the top stays the same through steps of the font,
// until the view scrolls: a step in and back out shows what it showed.
void LogViewModel::fontChanged() {
  rows_.setWidth(width_ - 2 * kMargin);
  const std::size_t kept = topPosition_;
  scrollTo(log() != nullptr ? rows_.spotOf(kept) : RowSpot{});
  topPosition_ = kept;
}

// Shows rows from `top` on, but no further down than needed to show the last
// row at the bottom, with `lead` blank rows above the first row; the scroll
// bar follows.
void LogViewModel::scrollTo(RowSpot top, int lead) {
  const int page = rowsOnScreen();
  lead_ = 0;
  if (log() == nullptr) {
    top_ = RowSpot{};
    scrollBar_ = ScrollBarState{0, page, 0};
    return;
  }
  const RowSpot end = rows_.lastTop(page);
  const RowSpot shown = top_;
  top_ = std::min(top, end);
  if (top_ == RowSpot{}) {
    lead_ = std::clamp(lead, 0, coveredRows());
  }
  // The same row shown again keeps the character a step of the font kept.
  if (top_ != shown) {
    topPosition_ = rows_.positionAt(top_, 0);
  }
  const std::size_t last = std::min(LogRows::lastScrollLine(end), kLastScrollLine);
  const std::size_t value = top_ == end ? last : std::min(top_.line, last);
  scrollBar_ = ScrollBarState{static_cast<int>(last), page, static_cast<int>(value)};
}

void LogViewModel::scrollToLine(long line) {
  if (log() != nullptr) {
    scrollTo(line >= scrollBar_.last ? rows_.lastRow()
                                     : RowSpot{static_cast<std::size_t>(std::max(line, 0L)), 0, 0});
  }
}

void LogViewModel::scrollRows(long rows) {
  if (log() != nullptr) {
    // Blank rows above the first row scroll away first.
    const long blank = std::clamp<long>(rows, 0, lead_);
    scrollTo(rows_.moved(top_, rows - blank), lead_ - static_cast<int>(blank));
  }
}

void LogViewModel::wheel(int delta, long rowsPerNotch) {
  wheelTurn_ += static_cast<long>(delta) * rowsPerNotch;
  const long rows = wheelTurn_ / kWheelNotch;
  wheelTurn_ -= rows * kWheelNotch;
  scrollRows(-rows);
}

std::size_t LogViewModel::positionAt(int x, int y) {
  if (log() == nullptr) {
    return 0;
  }
  y -= kMargin;
  const int height = rowHeight();
  const long row = y < 0 ? -1 - (-y - 1) / height : y / height;
  return rows_.positionAt(rows_.moved(top_, row - lead_), x - kMargin);
}

void LogViewModel::showCaret() { showPosition(selection_.caret()); }

// A row is shown below the covered rows and above the bottom. Above the
// view, or under the covered rows, it goes to the first row below them,
// with blank rows above the log's first row if need be; below the view, to
// the bottom.
void LogViewModel::showPosition(std::size_t position) {
  if (log() == nullptr) {
    return;
  }
  const RowSpot spot = rows_.spotOf(position);
  const int page = rowsOnScreen();
  const int hidden = coveredRows();
  int onScreen = lead_;
  RowSpot row = top_;
  while (spot > row && onScreen < page) {
    const RowSpot next = rows_.moved(row, 1);
    if (next == row) {
      break;
    }
    row = next;
    ++onScreen;
  }
  if (spot == row && onScreen >= hidden && onScreen < page) {
    scrollTo(top_, lead_);  // the log may have changed under the scroll bar
    return;
  }
  if (spot > row || onScreen >= page) {
    scrollTo(rows_.moved(spot, -(page - 1)));
    return;
  }
  const RowSpot top = rows_.moved(spot, -hidden);
  int above = 0;
  for (RowSpot up = top; up < spot; up = rows_.moved(up, 1)) {
    ++above;
  }
  scrollTo(top, hidden - above);
}

void LogViewModel::moveCaret(std::size_t position, bool extend) {
  selection_.moveCaret(position, extend);
  showCaret();
}

// The caret place `rows` rows away, as near as may be below or above the
// caret; past the first or the last row is the start or the end of the log.
std::size_t LogViewModel::rowsAway(long rows) {
  const std::size_t caret = selection_.caret();
  const RowSpot from = rows_.spotOf(caret);
  const RowSpot to = rows_.moved(from, rows);
  if (to == from) {
    return rows < 0 ? std::size_t{0} : log()->text().size();
  }
  return rows_.positionAt(to, rows_.xOf(caret));
}

void LogViewModel::move(CaretMotion motion, bool extend) {
  if (log() == nullptr) {
    return;
  }
  const std::size_t caret = selection_.caret();
  const long page = rowsOnScreen();
  switch (motion) {
    case CaretMotion::NextCharacter:
      return moveCaret(selection_.nextPosition(caret), extend);
    case CaretMotion::PreviousCharacter:
      return moveCaret(selection_.previousPosition(caret), extend);
    case CaretMotion::NextWord:
      return moveCaret(selection_.nextWord(caret), extend);
    case CaretMotion::PreviousWord:
      return moveCaret(selection_.previousWord(caret), extend);
    case CaretMotion::NextRow:
      return moveCaret(rowsAway(1), extend);
    case CaretMotion::PreviousRow:
      return moveCaret(rowsAway(-1), extend);
    case CaretMotion::NextPage:
    case CaretMotion::PreviousPage: {
      const long rows = motion == CaretMotion::NextPage ? page : -page;
      const std::size_t position = rowsAway(rows);
      scrollRows(rows);
      return moveCaret(position, extend);
    }
    case CaretMotion::RowStart:
      return moveCaret(rows_.positionAt(rows_.spotOf(caret), 0), extend);
    case CaretMotion::RowEnd:
      return moveCaret(rows_.positionAt(rows_.spotOf(caret), kFarRight), extend);
    case CaretMotion::Start:
      return moveCaret(0, extend);
    case CaretMotion::End:
      return moveCaret(log()->text().size(), extend);
  }
}

void LogViewModel::selectAll() { selection_.selectAll(); }

void LogViewModel::select(std::size_t anchor, std::size_t caret) {
  if (log() != nullptr) {
    const std::u16string_view text = log()->text();
    selection_.moveCaret(placeAt(text, std::min(anchor, text.size())), false);
    moveCaret(placeAt(text, std::min(caret, text.size())), true);
  }
}

void LogViewModel::selectWordAt(int x, int y) {
  dragging_ = false;
  if (log() != nullptr) {
    selection_.selectWordAt(positionAt(x, y));
  }
}

bool LogViewModel::press(int x, int y, bool extend) {
  if (log() == nullptr) {
    return false;
  }
  dragging_ = true;
  moveCaret(positionAt(x, y), extend);
  return true;
}

bool LogViewModel::dragTo(int x, int y) {
  if (!dragging_) {
    return false;
  }
  dragX_ = x;
  dragY_ = y;
  dragOn();
  return y < 0 || y >= height_;
}

// Past the top or the bottom, a row scrolls into view and the caret goes to
// the edge row under the mouse.
void LogViewModel::dragOn() {
  if (!dragging_) {
    return;
  }
  if (dragY_ < 0) {
    scrollRows(-1);
  } else if (dragY_ >= height_) {
    scrollRows(1);
  }
  selection_.moveCaret(positionAt(dragX_, std::clamp(dragY_, 0, std::max(height_ - 1, 0))), true);
}

bool LogViewModel::endDrag() {
  const bool ended = dragging_;
  dragging_ = false;
  return ended;
}

std::vector<PieceOnScreen> LogViewModel::piecesIn(int top, int bottom) {
  std::vector<PieceOnScreen> pieces;
  const Log* shown = log();
  if (shown == nullptr) {
    return pieces;
  }
  const int height = rowHeight();
  const std::size_t start = selection_.start();
  const std::size_t end = selection_.end();
  RowSpot spot = top_;
  int y = kMargin + (lead_ - top_.row) * height;
  bottom = std::min(bottom, height_);
  while (y < bottom) {
    auto piece = rows_.piece(spot);
    const int rows = piece->rows();
    if (y + rows * height > top) {
      PieceOnScreen onScreen{piece,
                             kMargin,
                             y,
                             std::clamp(start, piece->begin, piece->end) - piece->begin,
                             std::clamp(end, piece->begin, piece->end) - piece->begin,
                             std::nullopt,
                             {}};
      // A selected line end shows as a selected blank after the line's text.
      if (piece->end == shown->lineEnd(spot.line) && spot.line + 1 < shown->lineCount() &&
          start <= piece->end && end > piece->end) {
        onScreen.selectedLineEnd =
            ViewBox{kMargin + piece->xOf(piece->end - piece->begin), y + (rows - 1) * height,
                    rows_.metrics().blankWidth(), height};
      }
      if (find_ != nullptr) {
        for (const TextMatch& match : find_->highlights(*shown, piece->begin, piece->end)) {
          onScreen.found.emplace_back(std::max(match.start, piece->begin) - piece->begin,
                                      std::min(match.end(), piece->end) - piece->begin);
        }
      }
      pieces.push_back(std::move(onScreen));
    }
    y += rows * height;
    if (!rows_.toNextPiece(spot)) {
      break;
    }
  }
  return pieces;
}

std::optional<ViewBox> LogViewModel::caretBoxAt(std::size_t caret) {
  if (log() == nullptr) {
    return std::nullopt;
  }
  const RowSpot spot = rows_.spotOf(caret);
  RowSpot row = top_;
  for (int onScreen = lead_, rows = rowsOnScreen(); onScreen <= rows; ++onScreen) {
    if (row == spot) {
      return ViewBox{kMargin + rows_.xOf(caret), kMargin + onScreen * rowHeight(), 1, rowHeight()};
    }
    const RowSpot next = rows_.moved(row, 1);
    if (next == row) {
      break;
    }
    row = next;
  }
  return std::nullopt;
}

TextRange LogViewModel::unitAt(std::size_t position, TextUnit unit) {
  const Log* shown = log();
  if (shown == nullptr || position >= shown->text().size()) {
    const std::size_t end = shown == nullptr ? 0 : shown->text().size();
    return TextRange{end, end};
  }
  const std::size_t size = shown->text().size();
  position = placeAt(shown->text(), position);
  switch (unit) {
    case TextUnit::Character:
      return TextRange{position, selection_.nextPosition(position)};
    case TextUnit::Word: {
      const std::size_t end = selection_.nextWord(position);
      return TextRange{std::min(selection_.previousWord(end), position), end};
    }
    case TextUnit::Row: {
      const RowSpot spot = rows_.spotOf(position);
      const RowSpot next = rows_.moved(spot, 1);
      const std::size_t begin = rows_.positionAt(spot, 0);
      return TextRange{std::min(begin, position), next == spot ? size : rows_.positionAt(next, 0)};
    }
    case TextUnit::Line: {
      const std::size_t line = shown->lineOf(position);
      return TextRange{shown->lineStart(line),
                       line + 1 < shown->lineCount() ? shown->lineStart(line + 1) : size};
    }
    case TextUnit::Document:
      return TextRange{0, size};
  }
  return TextRange{position, position};
}

TextRange LogViewModel::onScreen() {
  if (log() == nullptr) {
    return TextRange{};
  }
  const RowSpot last = rows_.moved(top_, rowsOnScreen() - 1 - lead_);
  const RowSpot next = rows_.moved(last, 1);
  return TextRange{rows_.positionAt(top_, 0),
                   next == last ? log()->text().size() : rows_.positionAt(next, 0)};
}

}  // namespace zor
