// Any sequence of what happens to the log view, as both windows drive it:
// output of any characters, a load and the load taken back, `clear`, a new
// size, scrolling, the caret keys with and without Shift, the mouse, find
// and its count, and what a screen reader asks. After each step: every
// offset lies in the log and between the halves of no surrogate pair, the
// rows cover the log in order, the top row is one of them, find's matches
// are those of a plain search, and the count is their number.

#include "app/logview/FindBar.h"
#include "app/logview/LaidOutRows.h"
#include "app/logview/LogFind.h"
#include "app/logview/LogViewModel.h"
#include "app/logview/TextNavigation.h"
#include "platform/Surrogates.h"
#include "tests/app/logview/FakeMetrics.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace zor;

constexpr int kMargin = LogViewModel::kMargin;
// The log stays small, so that every step can be checked against the whole.
constexpr std::size_t kMostText = 4000;

// Characters of the output: line ends alone and in pairs, blanks, a tab,
// wide ones, letters in both cases and full width, a pair and its halves.
constexpr std::u16string_view kOutput = u"\r\n\r\n  \tab Ab你，ａＡ\xD83D\xDE00\xD83D\xDE00x";
constexpr std::u16string_view kNeedles = u"aAａＡb你 \xD83D\xDE00\n";

constexpr CaretMotion kMotions[] = {CaretMotion::NextCharacter, CaretMotion::PreviousCharacter,
                                    CaretMotion::NextWord,      CaretMotion::PreviousWord,
                                    CaretMotion::NextRow,       CaretMotion::PreviousRow,
                                    CaretMotion::NextPage,      CaretMotion::PreviousPage,
                                    CaretMotion::RowStart,      CaretMotion::RowEnd,
                                    CaretMotion::Start,         CaretMotion::End};

constexpr TextUnit kUnits[] = {TextUnit::Character, TextUnit::Word, TextUnit::Row, TextUnit::Line,
                               TextUnit::Document};

bool splitsPair(std::u16string_view text, std::size_t at) {
  return at > 0 && at < text.size() && isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]);
}

char16_t folded(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= u'Ａ' && c <= u'Ｚ')) {
    return static_cast<char16_t>(c + 0x20);
  }
  return c;
}

// Every place where the needle stands, overlapping ones too, that does not
// cut a pair.
std::vector<TextMatch> plainSearch(std::u16string_view text, std::u16string_view needle,
                                   bool matchCase) {
  std::vector<TextMatch> found;
  for (std::size_t at = 0; !needle.empty() && at + needle.size() <= text.size(); ++at) {
    bool same = true;
    for (std::size_t i = 0; same && i < needle.size(); ++i) {
      same = matchCase ? text[at + i] == needle[i] : folded(text[at + i]) == folded(needle[i]);
    }
    if (same && !splitsPair(text, at) && !splitsPair(text, at + needle.size())) {
      found.push_back({at, needle.size()});
    }
  }
  return found;
}

// Reads the input a byte at a time; zeros past its end.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
  int signedNext() { return static_cast<std::int8_t>(next()); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// The fake font, checking the rows of every piece it lays out: each row
// starts after the one before and on a whole character.
class CheckedMetrics final : public TextMetrics {
 public:
  int rowHeight() const override { return fake_.rowHeight(); }
  int blankWidth() const override { return fake_.blankWidth(); }
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                             int width) const override {
    auto piece = fake_.layOut(begin, text, width);
    const auto& wrapped = static_cast<const WrappedPiece&>(*piece);
    fuzz::check(piece->begin == begin && piece->end == begin + text.size() && wrapped.rows() >= 1 &&
                    wrapped.rowBegin(0) == 0,
                "a piece holds the characters laid out");
    for (int row = 1; row < wrapped.rows(); ++row) {
      fuzz::check(
          wrapped.rowBegin(row) > wrapped.rowBegin(row - 1) && wrapped.rowBegin(row) < text.size(),
          "a piece's rows follow each other");
      fuzz::check(!splitsPair(text, wrapped.rowBegin(row)), "a row starts on a whole character");
    }
    return piece;
  }

 private:
  test::FakeMetrics fake_;
};

class Session {
 public:
  Session() {
    rows_.setLog(log_);
    walkPieces(0);
    model_.highlight(find_);
    model_.resize(width_, height_);
    changed();
  }

  void step(Bytes& in) {
    const std::uint8_t what = in.next();
    switch (what % 24) {
      case 0:
      case 1:
        output(in);
        break;
      case 2:
        load(in.next() % 40);
        break;
      case 3:
        takeBackLoad();
        break;
      case 4:
        log_.replace(std::u16string());  // clear
        loadStart_.reset();
        changed();
        break;
      case 5:
        width_ = 2 * kMargin + in.next() % 120;
        height_ = kMargin + in.next() % 60;
        model_.resize(width_, height_);
        break;
      case 6:
        model_.scrollToLine(in.signedNext());
        break;
      case 7:
        model_.scrollRows(in.signedNext());
        break;
      case 8:
        model_.wheel(in.signedNext() * 15, 1 + in.next() % 3);
        break;
      case 9:
      case 10: {
        const std::uint8_t key = in.next();
        model_.move(kMotions[key % std::size(kMotions)], (key & 0x80) != 0);
        break;
      }
      case 11: {
        const int x = in.signedNext() * 2;
        model_.press(x, in.signedNext() * 2, (what & 0x80) != 0);
        break;
      }
      case 12: {
        const int x = in.signedNext() * 2;
        if (model_.dragTo(x, in.signedNext() * 2)) {
          model_.dragOn();
        }
        break;
      }
      case 13:
        model_.endDrag();
        break;
      case 14: {
        const int x = in.signedNext() * 2;
        model_.selectWordAt(x, in.signedNext() * 2);
        break;
      }
      case 15:
        seek(in);
        break;
      case 16:
        choose(find_.press((what & 0x80) != 0 ? FindKey::F3 : FindKey::Enter, (what & 0x40) != 0,
                           log_, model_.bottomPosition()));
        break;
      case 17:
        choose(find_.press(FindKey::Escape, false, log_, model_.bottomPosition()));
        break;
      case 18:
        count(1 + in.next());
        break;
      case 19:
        askUnit(in.next() * (log_.text().size() + 1) / 256,
                kUnits[(what / 24) % std::size(kUnits)]);
        break;
      case 20:
        navigate(in, kUnits[(what / 24) % std::size(kUnits)]);
        break;
      case 21:
        model_.selectAll();
        break;
      case 22:
        model_.showPosition(position(in.next()));
        break;
      case 23: {
        const std::size_t anchor = position(in.next());
        model_.select(anchor, position(in.next()));
        break;
      }
    }
  }

  void check() {
    const std::u16string_view text = log_.text();
    const LogSelection& selection = model_.selection();
    checkOffset(selection.anchor(), "the anchor");
    checkOffset(selection.caret(), "the caret");
    const ScrollBarState& bar = model_.scrollBar();
    fuzz::check(0 <= bar.value && bar.value <= bar.last && bar.page >= 1,
                "the scroll bar's value is in its range");
    const TextChange& change = model_.lastChange();
    fuzz::check(change.range.begin <= change.range.end && change.range.end <= text.size(),
                "a change announced lies in the log");
    checkRows();
    const TextRange screen = model_.onScreen();
    checkScreen(screen);
    checkFind(screen);
  }

 private:
  void changed() {
    model_.mirror(log_);
    find_.follow(log_);
    counter_.follow(log_);
  }

  void output(Bytes& in) {
    std::u16string text;
    const std::size_t count = in.next() % 16;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t c = in.next();
      if (c >= 0xF8) {  // a long line, longer than a piece laid out at once
        text.append(static_cast<std::size_t>(c - 0xF7) * 300, kOutput[c % kOutput.size()]);
      } else {
        text += kOutput[c % kOutput.size()];
      }
    }
    if (log_.text().size() + text.size() <= kMostText) {
      log_.append(text);
      log_.caretToEnd();
      changed();
    }
  }

  void load(std::size_t lines) {
    const std::size_t start = log_.text().size();
    std::u16string text;
    for (std::size_t i = 0; i < lines; ++i) {
      text += u"line 行 " + std::u16string(i % 7, u'x') + u"\r\n";
    }
    if (start + text.size() <= kMostText) {
      loadStart_ = start;
      log_.append(text);
      log_.caretToEnd();
      changed();
    }
  }

  void takeBackLoad() {
    if (loadStart_ && *loadStart_ <= log_.text().size()) {
      log_.truncate(*loadStart_);
      changed();
    }
    loadStart_.reset();
  }

  std::size_t position(std::uint8_t byte) const { return byte * (log_.text().size() + 1) / 256; }

  void seek(Bytes& in) {
    const std::uint8_t how = in.next();
    needle_.clear();
    for (std::size_t n = 1 + how % 4; n > 0; --n) {
      needle_ += kNeedles[in.next() % kNeedles.size()];
    }
    matchCase_ = (how & 0x80) != 0;
    if (!find_.isOpen()) {
      find_.press(FindKey::CtrlF, false, log_, model_.bottomPosition());
    }
    find_.edit(needle_, matchCase_);
    counter_.setNeedle(needle_, matchCase_);
    choose(find_.search(log_, model_.bottomPosition()));
  }

  // The window selects the match it is handed.
  void choose(const FindBar::Outcome& outcome) {
    if (outcome.select) {
      const std::u16string_view text = log_.text();
      fuzz::check(outcome.select->end() <= text.size() &&
                      !splitsPair(text, outcome.select->start) &&
                      !splitsPair(text, outcome.select->end()),
                  "a match lies in the log, whole characters");
      model_.select(outcome.select->start, outcome.select->end());
    }
  }

  void count(std::size_t slice) {
    for (int steps = 0; !counter_.countStep(log_, slice); ++steps) {
      fuzz::check(steps <= static_cast<int>(kMostText), "counting ends");
    }
    const std::vector<TextMatch> all = plainSearch(log_.text(), needle_, matchCase_);
    std::size_t place = 0;
    if (const std::optional<TextMatch>& current = counter_.current()) {
      const auto found = std::find(all.begin(), all.end(), *current);
      fuzz::check(found != all.end(), "the current match is a match");
      place = static_cast<std::size_t>(found - all.begin()) + 1;
    }
    const std::string expected = std::to_string(place) + "/" + std::to_string(all.size());
    fuzz::check(counter_.countText(log_) == std::u16string(expected.begin(), expected.end()),
                "the count is the number of matches");
    if (!all.empty()) {
      counter_.next(log_);  // the next count starts from another match
    }
  }

  void askUnit(std::size_t at, TextUnit unit) {
    const std::u16string_view text = log_.text();
    const TextRange range = model_.unitAt(at, unit);
    fuzz::check(range.begin <= range.end && range.end <= text.size(), "a unit lies in the log");
    fuzz::check(!splitsPair(text, range.begin) && !splitsPair(text, range.end),
                "a unit holds whole characters");
    if (at >= text.size()) {
      fuzz::check(range.begin == text.size() && range.end == text.size(),
                  "the end of the log is an empty unit");
      return;
    }
    fuzz::check(range.begin <= at && at < range.end, "a unit holds its offset");
    if (unit == TextUnit::Line) {
      const std::size_t line = log_.lineOf(at);
      fuzz::check(
          range.begin == log_.lineStart(line) &&
              range.end == (line + 1 < log_.lineCount() ? log_.lineStart(line + 1) : text.size()),
          "a line with its line end");
    }
    if (unit == TextUnit::Character) {
      const std::u16string_view character = text.substr(range.begin, range.end - range.begin);
      fuzz::check(character.size() == 1 || character == u"\r\n" ||
                      (character.size() == 2 && startsSurrogatePair(character, 0)),
                  "a character is one unit, a CR LF or a pair");
    }
    if (range.end < text.size()) {
      fuzz::check(model_.unitAt(range.end, unit).begin == range.end,
                  "the next unit starts where one ends");
    }
  }

  // What a screen reader asks of the navigation: the units around an
  // offset, moves by units, the boxes of a range.
  void navigate(Bytes& in, TextUnit unit) {
    const std::uint8_t how = in.next();
    const std::size_t offset = position(in.next());
    const int count = in.signedNext() % 8;
    const TextRange at = navigation_.at(offset, unit);
    checkUnit(at, "a unit at an offset");
    switch (how % 5) {
      case 0: {
        const TextRange before = navigation_.before(offset, unit);
        checkUnit(before, "the unit before");
        fuzz::check(before.begin == before.end || before.end == at.begin,
                    "the unit before ends where the one at the offset starts");
        break;
      }
      case 1: {
        const TextRange after = navigation_.after(offset, unit);
        checkUnit(after, "the unit after");
        fuzz::check(after.begin == after.end || after.begin == at.end,
                    "the unit after starts where the one at the offset ends");
        break;
      }
      case 2: {
        std::size_t moved = offset;
        const int steps = navigation_.moveBy(moved, unit, count);
        checkOffset(moved, "an offset moved by units");
        fuzz::check(count >= 0 ? 0 <= steps && steps <= count : count <= steps && steps <= 0,
                    "no more units moved than asked, the way asked");
        break;
      }
      case 3: {
        const std::size_t end = position(in.next());
        TextRange range{std::min(offset, end), std::max(offset, end)};
        const bool empty = range.begin == range.end;
        navigation_.move(range, unit, count);
        checkUnit(range, "a range moved by units");
        if (!empty) {
          fuzz::check(range == navigation_.enclosing(range.begin, unit),
                      "a range moves as a whole unit");
        }
        break;
      }
      case 4: {
        const std::size_t end = position(in.next());
        int top = INT_MIN;
        for (const ViewBox& box :
             navigation_.boxes(TextRange{std::min(offset, end), std::max(offset, end)})) {
          fuzz::check(box.width >= 1 && box.height == model_.rowHeight() && box.top > top,
                      "a range's boxes are a row each, in order");
          top = box.top;
        }
        break;
      }
    }
  }

  void checkUnit(const TextRange& range, const char* what) const {
    fuzz::check(range.begin <= range.end && range.end <= log_.text().size(), what);
    checkOffset(range.begin, what);
    checkOffset(range.end, what);
  }

  // A caret place: in the log, between the halves of no pair and the CR
  // and LF of no line end.
  void checkOffset(std::size_t at, const char* what) const {
    const std::u16string_view text = log_.text();
    fuzz::check(at <= text.size(), what);
    fuzz::check(!splitsPair(text, at), what);
    fuzz::check(at == 0 || at == text.size() || text[at - 1] != u'\r' || text[at] != u'\n', what);
  }

  // The pieces of the log's lines, walked from the first to the last, and
  // the top row among their rows.
  void checkRows() {
    const std::u16string& text = log_.text();
    if (width_ != rowsWidth_) {
      rowsWidth_ = width_;
      rows_.setWidth(width_ - 2 * kMargin);
    }
    if (log_.generation() != walked_.generation() || text.size() != walked_.text().size()) {
      // The lines that start before the first character that changed are
      // as they were, and were walked already.
      const std::size_t kept = std::min(text.size(), walked_.text().size());
      std::size_t same = kept;
      if (log_.generation() != walked_.generation()) {
        rows_.forget();
        same = static_cast<std::size_t>(
            std::mismatch(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(kept),
                          walked_.text().begin())
                .first -
            text.begin());
      }
      walkPieces(log_.lineOf(same));
    }
    const RowSpot& top = model_.top();
    fuzz::check(std::binary_search(pieces_.begin(), pieces_.end(), RowSpot{top.line, top.piece}) &&
                    top.row < rows_.piece(top)->rows(),
                "the top row is a row of the log");
    fuzz::check(top <= rows_.lastTop(model_.rowsOnScreen()),
                "the top row is no further down than the last screen's");
  }

  // Walks the pieces from the first of `line` to the last of the log: each
  // piece starts where the one before ended, or after a line end where the
  // line before ended. Their rows are checked as they are laid out, at
  // whatever width.
  void walkPieces(std::size_t line) {
    const std::u16string_view text = log_.text();
    walked_ = log_;
    RowSpot spot{line, 0, 0};
    pieces_.erase(std::lower_bound(pieces_.begin(), pieces_.end(), spot), pieces_.end());
    std::size_t expected = line == 0 ? 0 : log_.lineEnd(line - 1);
    for (;;) {
      const std::size_t begin = rows_.pieceBegin(spot.line, spot.piece);
      const std::size_t end = rows_.pieceEnd(spot.line, spot.piece);
      if (spot.piece == 0 && spot.line > 0) {
        const std::u16string_view ending = text.substr(expected, begin - expected);
        fuzz::check(begin > expected && (ending == u"\r\n" || ending == u"\r" || ending == u"\n"),
                    "a line end between two lines");
        expected = begin;
      }
      fuzz::check(begin == expected && end >= begin && (end > begin || spot.piece == 0),
                  "a piece starts where the one before ended");
      expected = end;
      pieces_.push_back(spot);
      if (!rows_.toNextPiece(spot)) {
        break;
      }
    }
    fuzz::check(spot.line + 1 == log_.lineCount() && expected == text.size(),
                "the pieces reach the end of the log");
  }

  // What there is to paint: pieces in order, their selections and
  // matches inside them.
  void checkScreen(const TextRange& screen) {
    std::size_t end = 0;
    for (const PieceOnScreen& shown : model_.piecesIn(0, height_)) {
      const LaidOutPiece& piece = *shown.piece;
      fuzz::check(piece.begin >= end, "the pieces on screen come in order");
      end = piece.end;
      const std::size_t length = piece.end - piece.begin;
      fuzz::check(shown.selectedFrom <= shown.selectedTo && shown.selectedTo <= length,
                  "a piece's selection lies in it");
      for (const auto& [from, to] : shown.found) {
        fuzz::check(from <= to && to <= length, "a piece's matches lie in it");
      }
    }
    fuzz::check(screen.begin <= screen.end && screen.end <= log_.text().size(),
                "the text on screen lies in the log");
    if (const std::optional<ViewBox> caret = model_.caretBox()) {
      fuzz::check(caret->width == 1 && caret->height == model_.rowHeight(),
                  "the caret is a row high");
    }
  }

  void checkFind(const TextRange& screen) {
    if (!find_.isOpen()) {
      return;
    }
    const std::u16string_view text = log_.text();
    const Search search{log_.generation(), text.size(), needle_, matchCase_};
    if (search != search_) {
      search_ = search;
      matches_ = plainSearch(text, needle_, matchCase_);
      fuzz::check(find_.highlights(log_, 0, text.size()) == matches_,
                  "find's matches are those of a plain search");
    }
    const std::vector<TextMatch>& all = matches_;
    const std::size_t begin = screen.begin;
    const std::size_t end = screen.end;
    std::vector<TextMatch> near;
    std::copy_if(all.begin(), all.end(), std::back_inserter(near),
                 [&](const TextMatch& match) { return match.start < end && match.end() > begin; });
    fuzz::check(find_.highlights(log_, begin, end) == near,
                "the matches on screen are those that reach into it");
  }

  // What the matches were last checked for.
  struct Search {
    std::uint64_t generation = 0;
    std::size_t size = 0;
    std::u16string needle;
    bool matchCase = false;
    bool operator==(const Search&) const = default;
  };

  CheckedMetrics metrics_;
  Log log_;
  LogViewModel model_{metrics_};
  TextNavigation navigation_{model_};
  FindBar find_;
  LogFind counter_;  // the count, in slices of any size
  std::u16string needle_;
  bool matchCase_ = false;
  std::optional<std::size_t> loadStart_;
  int width_ = 2 * kMargin + 100;
  int height_ = kMargin + 30;
  LaidOutRows rows_{metrics_};  // the harness's own, for the pieces and the last screen
  Log walked_;                  // the log its pieces were walked for
  int rowsWidth_ = 0;
  std::vector<RowSpot> pieces_;
  Search search_;
  std::vector<TextMatch> matches_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session session;
  for (Bytes in(data, size); !in.done();) {
    session.step(in);
    session.check();
  }
  return 0;
}
