#pragma once

#include "interpreter/Console.h"

namespace zor {

// The texts of the window itself, the same in every window.
inline constexpr char16_t kLogCaption[] = u"日志Log";
inline constexpr char16_t kInputCaption[] = u"输入Input";
// The title of the message that stops the program before its window opens.
inline constexpr const char16_t* kErrorTitle = kFormCaption;

}  // namespace zor
