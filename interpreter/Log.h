#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The log box's text and caret. The log is never trimmed; lines are only
// ever appended at its end, so an output line costs time in proportion to
// the line, not to the log. A view that mirrors the log can copy just the
// appended tail as long as generation() has not moved.
//
// The log also keeps where each of its lines starts, so that a view can find
// any line without reading the text before it. A line ends at CR LF, at a
// lone CR or at a lone LF; the text after the last line end is one more
// line, empty when the text ends with a line end.
class Log {
 public:
  const std::u16string& text() const noexcept { return text_; }
  std::size_t caret() const noexcept { return caret_; }

  // Counts the changes that were not appends at the end (replace, truncate).
  std::uint64_t generation() const noexcept { return generation_; }

  // Replaces the whole text; the caret stays where it was, or at the new end
  // if the text got shorter.
  void replace(std::u16string text);

  void append(std::u16string_view block);

  // Makes room for `extra` more characters, and for their lines if these
  // are not much shorter than kCharactersPerLine. Room grows at least
  // twofold, so that small appends to a long log never copy it each time.
  // Big room is asked for in large pages: filling it is then much faster.
  void reserve(std::size_t extra);
  static constexpr std::size_t kCharactersPerLine = 16;

  // Takes back what was appended after the log held `size` characters, such
  // as the lines of a command that then failed.
  void truncate(std::size_t size);

  // Appends prefix + text + CR LF without moving the caret.
  void appendLine(std::u16string_view prefix, std::u16string_view text);

  void setCaret(std::size_t position) noexcept;
  void caretToEnd() noexcept { caret_ = text_.size(); }

  // Lines, counted from 0; there is always at least one.
  std::size_t lineCount() const noexcept { return lineStarts_.size(); }
  std::size_t lineStart(std::size_t line) const noexcept {
    return static_cast<std::size_t>(lineStarts_[line]);
  }
  // Where the line's text ends, before its line end.
  std::size_t lineEnd(std::size_t line) const noexcept;
  // The line that holds the character at `position` (a line end belongs to
  // the line it ends).
  std::size_t lineOf(std::size_t position) const noexcept;

 private:
  void indexFrom(std::size_t from);

  std::u16string text_;
  std::size_t caret_ = 0;
  std::uint64_t generation_ = 0;
  std::vector<std::uint64_t> lineStarts_{0};
};

}  // namespace zor
