#pragma once

#include "interpreter/Log.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zor {

// The log view's caret and selection, as positions in the log's text. The
// view follows the log's caret only when the log changed, so reading or
// selecting in the view is left alone while the user types: new output
// shows the end, `top` shows the top, and anything else keeps the view put.
class LogSelection {
 public:
  enum class Change {
    None,      // nothing to show: the view stays as the user left it
    Moved,     // appended to, or the log's caret moved
    Replaced,  // rewritten or cut back: what was laid out may be stale
  };

  // Takes the log's caret as the view's caret, without a selection, if the
  // log changed since the last call. `log` must outlive the selection.
  Change mirror(const Log& log);

  const Log* log() const { return log_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t caret() const { return caret_; }
  std::size_t start() const { return std::min(anchor_, caret_); }
  std::size_t end() const { return std::max(anchor_, caret_); }
  bool empty() const { return anchor_ == caret_; }
  // The selected text with the log's own line ends.
  std::u16string selectedText() const;

  void moveCaret(std::size_t position, bool keepAnchor);
  void selectAll();
  // The word, the run of blanks or the run of other signs at `position`,
  // within its line.
  void selectWordAt(std::size_t position);

  // One character on or back, a line end or a surrogate pair counting as
  // one.
  std::size_t nextPosition(std::size_t position) const;
  std::size_t previousPosition(std::size_t position) const;
  // The start of the next word, or of the word before, as Ctrl+Right and
  // Ctrl+Left go: over a word or a run of signs and the blanks after it; a
  // line end is a step of its own.
  std::size_t nextWord(std::size_t position) const;
  std::size_t previousWord(std::size_t position) const;

 private:
  const Log* log_ = nullptr;
  std::uint64_t generation_ = 0;
  std::size_t shown_ = 0;
  std::size_t logCaret_ = 0;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
};

}  // namespace zor
