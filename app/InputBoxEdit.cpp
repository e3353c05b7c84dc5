#include "app/InputBoxEdit.h"

namespace zor {

std::optional<InputBoxEdit> inputBoxEdit(const LineBox& now, const LineBox& wanted) {
  if (now == wanted) {
    return std::nullopt;
  }
  InputBoxEdit edit{InputBoxEdit::Text::Keep, {}, wanted};
  if (now.text != wanted.text) {
    const bool caretAtEnd = now.start == now.text.size() && now.end == now.start;
    if (caretAtEnd && wanted.text.starts_with(now.text)) {
      edit.text = InputBoxEdit::Text::Insert;
      edit.put = wanted.text.substr(now.text.size());
    } else {
      edit.text = InputBoxEdit::Text::Replace;
      edit.put = wanted.text;
    }
  }
  return edit;
}

}  // namespace zor
