#pragma once

#include <QLineEdit>

#include <functional>

namespace zor {

class WindowController;
struct InputBoxEdit;
struct LineBox;
struct WindowUpdate;

// Text2: hands every key to the window controller before the box handles
// it, and what the box then did after. Enter inserts nothing in a one-line
// box, so it stops here. A paste keeps only what comes before its first
// line break.
class InputBox final : public QLineEdit {
 public:
  using Apply = std::function<void(const WindowUpdate&)>;

  InputBox(QWidget* frame, WindowController& controller, Apply apply);

  void showEdit(const InputBoxEdit& edit);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  LineBox state() const;

  WindowController& controller_;
  Apply apply_;
};

}  // namespace zor
