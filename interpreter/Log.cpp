#include "interpreter/Log.h"

#include <algorithm>

namespace zor {

void Log::replace(std::u16string text) {
  text_ = std::move(text);
  caret_ = std::min(caret_, text_.size());
  ++generation_;
}

void Log::appendLine(std::u16string_view prefix, std::u16string_view text) {
  text_.append(prefix).append(text).append(u"\r\n");
}

void Log::reserve(std::size_t extra) {
  const std::size_t needed = text_.size() + extra;
  if (needed > text_.capacity()) {
    text_.reserve(std::max(needed, 2 * text_.capacity()));
  }
}

void Log::truncate(std::size_t size) {
  if (size < text_.size()) {
    text_.resize(size);
    caret_ = std::min(caret_, size);
  }
}

void Log::setCaret(std::size_t position) noexcept { caret_ = std::min(position, text_.size()); }

}  // namespace zor
