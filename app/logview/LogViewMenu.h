#pragma once

namespace zor {

// The entries of the log view's context menu, the same in every front-end:
// the words Chinese Windows gives its own text boxes' menus, each with the
// key that does the same, after a tab.
inline constexpr char16_t kCopyEntry[] = u"复制(&C)\tCtrl+C";
inline constexpr char16_t kSelectAllEntry[] = u"全选(&A)\tCtrl+A";

}  // namespace zor
