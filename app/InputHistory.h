#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The lines run from the input box in this session, for calling them back
// with the arrow keys. It lives in memory only. A front-end calls add() with
// the input box's text when Enter is pressed, previous() and next() for Up
// and Down, and reset() when the box is emptied by the user (Esc).
class InputHistory {
 public:
  static constexpr std::size_t kLimit = 1000;

  // Keeps a line that was run, unless it holds only blanks (it did nothing)
  // or equals the newest line kept. The oldest line goes beyond the limit.
  // Browsing ends.
  void add(std::u16string_view line);

  // The line before the one shown, or the newest one when browsing begins,
  // in which case `current` is kept as the draft. Nothing when there is no
  // older line.
  std::optional<std::u16string> previous(std::u16string_view current);

  // The line after the one shown; past the newest, the draft, and browsing
  // ends. Nothing when not browsing.
  std::optional<std::u16string> next();

  // Ends browsing; the draft is dropped.
  void reset();

  std::size_t size() const noexcept { return lines_.size(); }
  // The lines kept, the oldest first.
  const std::deque<std::u16string>& lines() const noexcept { return lines_; }

 private:
  std::deque<std::u16string> lines_;
  std::size_t shown_ = 0;  // index of the line shown; size() while not browsing
  std::u16string draft_;
};

}  // namespace zor
