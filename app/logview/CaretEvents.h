#pragma once

#include "app/logview/LogSelection.h"
#include "app/logview/LogViewModel.h"

#include <cstddef>
#include <optional>

namespace zor {

// What a screen reader is to be told after the caret or the selection may
// have moved, in this order: the caret, then the selection, each only when
// it changed. An empty selection is no selection wherever it stands, so a
// caret moved with nothing selected tells of the caret alone; a selection
// taken away is told as the empty one at the caret.
struct CaretNews {
  std::optional<std::size_t> caret;
  std::optional<TextRange> selection;

  auto operator<=>(const CaretNews&) const = default;
};

// Remembers what a screen reader was last told. The caret is told of only
// while the log has the focus: output arriving while the user types in the
// input box moves a caret that is not theirs, and a screen reader that hears
// of it late takes the log for focused and then says nothing when the focus
// really comes. A selection, as the find box makes one, is always told of.
class CaretEvents {
 public:
  CaretNews update(const LogSelection& selection, bool focused);

 private:
  std::size_t caret_ = 0;
  TextRange selection_;
};

}  // namespace zor
