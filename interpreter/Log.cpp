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

void Log::setCaret(std::size_t position) noexcept { caret_ = std::min(position, text_.size()); }

}  // namespace zor
