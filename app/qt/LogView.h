#pragma once

#include "interpreter/Log.h"

#include <QPlainTextEdit>

#include <cstddef>
#include <cstdint>

namespace zor {

// Text1: shows the console's log, read-only but selectable and copyable.
// CR LF line ends show as line breaks. Appended lines are copied in as they
// come, so a line costs the view no more than the line itself. The caret is
// moved only when the log changed, so reading or selecting in the view is
// left alone while the user types.
class LogView final : public QPlainTextEdit {
 public:
  explicit LogView(QWidget* parent);

  void mirror(const Log& log);

 private:
  std::uint64_t generation_ = 0;
  std::size_t shown_ = 0;
  std::size_t caret_ = 0;
};

}  // namespace zor
