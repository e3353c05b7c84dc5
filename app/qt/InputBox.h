#pragma once

#include <QLineEdit>

#include <functional>

namespace zor {

// Text2: hands every character key to the console before the character
// reaches the box. Enter inserts nothing in a one-line box, so it stops here.
class InputBox final : public QLineEdit {
 public:
  InputBox(QWidget* parent, std::function<void(char16_t)> keyPress);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
