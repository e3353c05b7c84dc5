#pragma once

#include "app/InputLine.h"

#include <string>

namespace zor {

// How a one-line box comes to show another text and selection. What is
// only added at the caret is put in there, so the box's own undo can take
// it back; any other change of the text gives the box its whole new text.
// The selection is set afterwards, whenever the text changed or the
// selection differs.
struct InputBoxEdit {
  enum class Text { Keep, Insert, Replace };

  Text text = Text::Keep;
  std::u16string put;  // inserted at the caret, or the box's whole new text
  LineBox box;         // what the box shows once edited, the caret at box.end

  friend bool operator==(const InputBoxEdit&, const InputBoxEdit&) = default;
};

// Nothing when the box already shows `wanted`.
std::optional<InputBoxEdit> inputBoxEdit(const LineBox& now, const LineBox& wanted);

}  // namespace zor
