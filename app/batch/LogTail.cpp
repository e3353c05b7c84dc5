#include "app/batch/LogTail.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace zor {

std::string_view LogTail::take(const Log& log) {
  const std::u16string& text = log.text();
  if (log.generation() != generation_) {
    generation_ = log.generation();
    seen_ = 0;
  }
  // Lines taken back after a failure are not shown again.
  const std::size_t from = std::min(seen_, text.size());
  seen_ = text.size();
  out_ = toUtf8(std::u16string_view(text).substr(from));
  std::size_t kept = 0;
  for (std::size_t i = 0; i < out_.size(); ++i) {
    if (out_[i] != '\r' || i + 1 == out_.size() || out_[i + 1] != '\n') {
      out_[kept++] = out_[i];
    }
  }
  out_.resize(kept);
  return out_;
}

}  // namespace zor
