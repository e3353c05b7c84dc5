#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// The log box's text and caret. The log is never trimmed; lines are only
// ever appended at its end, so an output line costs time in proportion to
// the line, not to the log. A view that mirrors the log can copy just the
// appended tail as long as generation() has not moved.
class Log {
 public:
  const std::u16string& text() const noexcept { return text_; }
  std::size_t caret() const noexcept { return caret_; }

  // Counts the changes that were not appends at the end (replace).
  std::uint64_t generation() const noexcept { return generation_; }

  // Replaces the whole text; the caret stays where it was, or at the new end
  // if the text got shorter.
  void replace(std::u16string text);

  void append(std::u16string_view block) { text_.append(block); }

  // Makes room for `extra` more characters. Room grows at least twofold, so
  // that small appends to a long log never copy it each time.
  void reserve(std::size_t extra);

  // Takes back what was appended after the log held `size` characters, such
  // as the lines of a command that then failed.
  void truncate(std::size_t size);

  // Appends prefix + text + CR LF without moving the caret.
  void appendLine(std::u16string_view prefix, std::u16string_view text);

  void setCaret(std::size_t position) noexcept;
  void caretToEnd() noexcept { caret_ = text_.size(); }

 private:
  std::u16string text_;
  std::size_t caret_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace zor
