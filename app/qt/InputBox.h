#pragma once

#include <QLineEdit>

#include <functional>

namespace zor {

class InputHistory;

// Text2: hands every character key to the console before the character
// reaches the box. Enter inserts nothing in a one-line box, so it stops here.
// Up and Down call back earlier lines from the history, Esc empties the box.
class InputBox final : public QLineEdit {
 public:
  InputBox(QWidget* parent, InputHistory& history, std::function<void(char16_t)> keyPress);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  InputHistory& history_;
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
