#pragma once

#include "app/InputHistory.h"
#include "app/WindowTexts.h"
#include "interpreter/CommandTable.h"
#include "interpreter/Console.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zor {

// What the input box shows: its text and the selection [start, end), the
// caret at `end`.
struct LineBox {
  std::u16string text;
  std::size_t start = 0;
  std::size_t end = 0;

  friend bool operator==(const LineBox&, const LineBox&) = default;
};

// The keys the input line may take for itself. Search is Ctrl+R, Cancel is
// Ctrl+G.
enum class LineKey {
  Up,
  Down,
  Left,
  Right,
  Home,
  End,
  Backspace,
  Delete,
  Escape,
  Enter,
  Search,
  Cancel
};

// The input box's line beyond plain editing: Up and Down through the
// history, Esc, the backward search of the history (Ctrl+R) and the
// completion offered as the user types. It decides what the box shows and
// the caption of its frame; a window hands it the box as it is (`now`)
// with each key, then shows box() and caption().
//
// Completion: a character typed at the end of the line appends the rest of
// the newest history line that starts with the line, else of the first
// command keyword, in table order, that does, and selects what it appended.
// Right or End accepts it; Backspace, Delete, Esc and Enter take it back,
// so Enter runs only what was typed. None is offered in AI mode.
//
// Search: each character typed after Ctrl+R narrows the search to the
// newest line at or before the one shown that holds the text typed, shown
// with the match selected; Ctrl+R goes on to older lines, Backspace seeks
// the shorter text from the newest line again. Enter runs the line shown;
// Esc and Ctrl+G give back the line of before Ctrl+R; the arrows, Home and
// End keep the line shown for editing; Delete deletes the match. The frame's
// caption shows the text sought, and when no line holds it.
class InputLine {
 public:
  InputLine(InputHistory& history, const FormVariables& vars, std::span<const CommandRow> commands);

  const LineBox& box() const noexcept { return box_; }
  std::u16string caption() const;

  // True when the line took the key; else the box handles it as usual, on
  // the text box() now shows, and then reports with edited(). Enter is never
  // taken: the box then runs the line it shows.
  bool press(const LineBox& now, LineKey key);

  // A character typed. True when the line took it (a search narrows);
  // else the box inserts it and then calls typed().
  bool type(const LineBox& now, char16_t c);
  void typed(const LineBox& now);

  // The box changed by its own editing (a paste, a click, a key the line
  // does not take): a completion offered is dropped and a search ends,
  // keeping the line shown.
  void edited(const LineBox& now);

  // The box lost the focus: as edited(), and a completion offered is taken
  // back.
  void leave(const LineBox& now);

 private:
  void dropCompletion();
  void offerCompletion();
  void endSearch(std::size_t caret);
  void startSearch();
  void narrow(char16_t c);
  void older();
  void widen();
  // The newest line before index `before` that holds the query, shown with
  // the match selected; the search fails when there is none.
  void find(std::size_t before);
  // A line called back from the history, the caret at its end.
  void recall(const std::optional<std::u16string>& line);

  InputHistory& history_;
  const FormVariables& vars_;
  std::span<const CommandRow> commands_;
  LineBox box_;
  bool offered_ = false;  // box_.text from box_.start on is a completion

  bool searching_ = false;
  std::u16string query_;
  std::size_t shown_ = 0;  // index of the history line shown; size() for the draft
  bool failing_ = false;
  LineBox draft_;
};

}  // namespace zor
