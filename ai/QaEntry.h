#pragma once

#include <optional>
#include <string_view>

namespace zor {

// One line of the question-and-answer file: stored question###answer###number,
// split at every "###" from the left, empty fields kept. Fields after the
// third are ignored; the number is never read.
struct QaEntry {
  std::u16string_view question;
  std::u16string_view answer;
};

// A line with fewer than three fields (a blank line among them) is no entry.
std::optional<QaEntry> parseQaEntry(std::u16string_view line);

}  // namespace zor
