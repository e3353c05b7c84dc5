#pragma once

#include "app/logview/LogViewModel.h"

namespace zor {

// The keys that move the log view's caret, as both windows read them; with
// Shift each extends the selection.
enum class CaretKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The caret's motion for a key. Ctrl makes Left and Right go by words and
// Home and End go to the ends of the log; it leaves the other keys as they
// are.
CaretMotion caretMotion(CaretKey key, bool control);

}  // namespace zor
