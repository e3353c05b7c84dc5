#include "app/qt/InputBox.h"

#include <QKeyEvent>

namespace zor {

InputBox::InputBox(QWidget* parent, std::function<void(char16_t)> keyPress)
    : QLineEdit(parent), keyPress_(std::move(keyPress)) {
  setObjectName(QStringLiteral("Text2"));
}

void InputBox::keyPressEvent(QKeyEvent* event) {
  for (const QChar c : event->text()) {
    keyPress_(c.unicode());
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace zor
