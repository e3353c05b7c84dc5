#include "interpreter/Log.h"

#include "platform/LargePages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zor {

namespace {

// Whether none of the four UTF-16 units at `units` is a CR or below, tested
// at once: most text has no such unit for long stretches.
bool noneUpToCarriageReturn(const char16_t* units) noexcept {
  std::uint64_t four = 0;
  std::memcpy(&four, units, sizeof four);
  return ((four - 0x000E000E000E000E) & ~four & 0x8000800080008000) == 0;
}

// Moves the items into fresh room for `capacity` of them, room that is
// advised for large pages before anything is written to it.
template <typename Items>
void moveToLargeRoom(Items& items, std::size_t capacity) {
  Items larger;
  larger.reserve(capacity);
  adviseLargePages(larger.data(), larger.capacity() * sizeof(typename Items::value_type));
  larger.insert(larger.end(), items.begin(), items.end());
  items = std::move(larger);
}

}  // namespace

void Log::replace(std::u16string text) {
  text_ = std::move(text);
  caret_ = std::min(caret_, text_.size());
  ++generation_;
  lineStarts_.assign(1, 0);
  lineStarts_.shrink_to_fit();
  indexFrom(0);
}

void Log::append(std::u16string_view block) {
  const std::size_t from = text_.size();
  text_.append(block);
  indexFrom(from);
}

void Log::appendLine(std::u16string_view prefix, std::u16string_view text) {
  const std::size_t from = text_.size();
  text_.append(prefix).append(text).append(u"\r\n");
  indexFrom(from);
}

// Adds the starts of the lines that begin in the text from `from` on. An LF
// right after a CR that ended the text before joins that line end.
void Log::indexFrom(std::size_t from) {
  const std::size_t size = text_.size();
  const char16_t* text = text_.data();
  std::size_t i = from;
  if (i > 0 && i < size && text[i - 1] == u'\r' && text[i] == u'\n') {
    lineStarts_.back() = ++i;
  }
  while (i < size) {
    if (size - i >= 4 && noneUpToCarriageReturn(text + i)) {
      i += 4;
      continue;
    }
    const char16_t c = text[i++];
    if (c == u'\r' && i < size && text[i] == u'\n') {
      ++i;
    }
    if (c == u'\r' || c == u'\n') {
      lineStarts_.push_back(i);
    }
  }
}

void Log::reserve(std::size_t extra) {
  const std::size_t needed = text_.size() + extra;
  if (needed <= text_.capacity()) {
    return;
  }
  moveToLargeRoom(text_, std::max(needed, 2 * text_.capacity()));
  const std::size_t lines = lineStarts_.size() + extra / kCharactersPerLine;
  if (lines > lineStarts_.capacity()) {
    moveToLargeRoom(lineStarts_, lines);
  }
}

void Log::truncate(std::size_t size) {
  if (size >= text_.size()) {
    return;
  }
  text_.resize(size);
  caret_ = std::min(caret_, size);
  ++generation_;
  while (lineStarts_.back() > size) {
    lineStarts_.pop_back();
  }
  // A CR LF cut in two leaves a CR that ends the line by itself.
  if (size > 0 && text_.back() == u'\r' && lineStarts_.back() != size) {
    lineStarts_.push_back(size);
  }
}

void Log::setCaret(std::size_t position) noexcept { caret_ = std::min(position, text_.size()); }

std::size_t Log::lineEnd(std::size_t line) const noexcept {
  if (line + 1 >= lineStarts_.size()) {
    return text_.size();
  }
  const std::size_t next = lineStart(line + 1);
  const std::size_t start = lineStart(line);
  if (next - start >= 2 && text_[next - 1] == u'\n' && text_[next - 2] == u'\r') {
    return next - 2;
  }
  return next - 1;
}

std::size_t Log::lineOf(std::size_t position) const noexcept {
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
  return static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
}

}  // namespace zor
