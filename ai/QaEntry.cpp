#include "ai/QaEntry.h"

namespace zor {

std::optional<QaEntry> parseQaEntry(std::u16string_view line) {
  constexpr std::u16string_view kSeparator = u"###";
  const std::size_t first = line.find(kSeparator);
  if (first == std::u16string_view::npos) {
    return std::nullopt;
  }
  const std::size_t answerStart = first + kSeparator.size();
  const std::size_t second = line.find(kSeparator, answerStart);
  if (second == std::u16string_view::npos) {
    return std::nullopt;
  }
  return QaEntry{line.substr(0, first), line.substr(answerStart, second - answerStart)};
}

}  // namespace zor
