#pragma once

#include <QLineEdit>

#include <functional>

class QGroupBox;

namespace zor {

class InputLine;
struct LineBox;

// Text2: hands every character key to the console before the character
// reaches the box. Enter inserts nothing in a one-line box, so it stops here.
// The keys of the history, the search and the completion go to the input
// line, which says what the box and its frame show. A paste keeps only what
// comes before its first line break.
class InputBox final : public QLineEdit {
 public:
  InputBox(QGroupBox* frame, InputLine& line, std::function<void(char16_t)> keyPress);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  LineBox state() const;
  void showLine();

  QGroupBox* frame_;
  InputLine& line_;
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
