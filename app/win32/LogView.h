#pragma once

#include "interpreter/Log.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace zor {

// Text1: a read-only multi-line EDIT control that shows the console's log,
// selectable and copyable. It holds the log's text character for character,
// CR LF line ends included, so a position in the log is the same position in
// the box. Appended lines are put in at the end as they come, so a line costs
// the box no more than the line itself. The caret is moved only when the log
// changed, so reading or selecting in the box is left alone while the user
// types.
class LogView {
 public:
  explicit LogView(HWND frame);

  HWND handle() const { return box_; }
  void mirror(const Log& log);

 private:
  HWND box_;
  std::uint64_t generation_ = 0;
  std::size_t shown_ = 0;
  std::size_t caret_ = 0;
};

}  // namespace zor
