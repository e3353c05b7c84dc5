#include "app/qt/InputBox.h"

#include "app/InputHistory.h"

#include <QKeyEvent>

namespace zor {

InputBox::InputBox(QWidget* parent, InputHistory& history, std::function<void(char16_t)> keyPress)
    : QLineEdit(parent), history_(history), keyPress_(std::move(keyPress)) {
  setObjectName(QStringLiteral("Text2"));
}

void InputBox::keyPressEvent(QKeyEvent* event) {
  for (const QChar c : event->text()) {
    keyPress_(c.unicode());
  }
  std::optional<std::u16string> recalled;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return;
    case Qt::Key_Up:
      recalled = history_.previous(text().toStdU16String());
      break;
    case Qt::Key_Down:
      recalled = history_.next();
      break;
    case Qt::Key_Escape:
      history_.reset();
      recalled = std::u16string();
      break;
    default:
      QLineEdit::keyPressEvent(event);
      return;
  }
  // setText puts the caret at the end of the recalled text.
  if (recalled) {
    setText(QString::fromStdU16String(*recalled));
  }
  event->accept();
}

}  // namespace zor
