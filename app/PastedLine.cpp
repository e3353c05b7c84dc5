#include "app/PastedLine.h"

namespace zor {

std::optional<LineBox> cutAtLineBreak(std::u16string_view after, std::size_t caret) {
  const std::size_t lineBreak = after.find_first_of(u"\r\n");
  if (lineBreak == std::u16string_view::npos) {
    return std::nullopt;
  }
  std::u16string text(after.substr(0, lineBreak));
  if (caret > lineBreak && caret <= after.size()) {
    text += after.substr(caret);
  }
  return LineBox{std::move(text), lineBreak, lineBreak};
}

}  // namespace zor
