#include "app/qt/InputBox.h"

#include "app/InputBoxEdit.h"
#include "app/PastedLine.h"
#include "app/WindowController.h"

#include <QKeyEvent>
#include <QValidator>

#include <optional>

namespace zor {

namespace {

// Every change of the box passes here with the caret behind what it put in.
class SingleLine final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    if (const std::optional<LineBox> cut =
            cutAtLineBreak(input.toStdU16String(), static_cast<std::size_t>(pos))) {
      input = QString::fromStdU16String(cut->text);
      pos = static_cast<int>(cut->end);
    }
    return Acceptable;
  }
};

std::optional<LineKey> lineKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::ControlModifier) {
    switch (event.key()) {
      case Qt::Key_R:
        return LineKey::Search;
      case Qt::Key_G:
        return LineKey::Cancel;
      default:
        return std::nullopt;
    }
  }
  if (modifiers != Qt::NoModifier) {
    return std::nullopt;
  }
  switch (event.key()) {
    case Qt::Key_Up:
      return LineKey::Up;
    case Qt::Key_Down:
      return LineKey::Down;
    case Qt::Key_Left:
      return LineKey::Left;
    case Qt::Key_Right:
      return LineKey::Right;
    case Qt::Key_Home:
      return LineKey::Home;
    case Qt::Key_End:
      return LineKey::End;
    case Qt::Key_Backspace:
      return LineKey::Backspace;
    case Qt::Key_Delete:
      return LineKey::Delete;
    case Qt::Key_Escape:
      return LineKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return LineKey::Enter;
    default:
      return std::nullopt;
  }
}

}  // namespace

InputBox::InputBox(QWidget* frame, WindowController& controller, Apply apply)
    : QLineEdit(frame), controller_(controller), apply_(std::move(apply)) {
  setObjectName(QStringLiteral("Text2"));
  setValidator(new SingleLine(this));
}

void InputBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const std::u16string chars = text.toStdU16String();
  const bool typing = text.size() == 1 && text.front().isPrint() &&
                      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const WindowUpdate update =
      controller_.inputKey(state(), InputKey{lineKey(*event), chars, typing});
  apply_(update);
  if (update.keyTaken) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
  apply_(controller_.inputEdited(state(), typing));
}

// Leaving for the context menu or another window is no leaving of the box.
void InputBox::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    apply_(controller_.inputLeft(state()));
  }
  QLineEdit::focusOutEvent(event);
}

LineBox InputBox::state() const {
  if (!hasSelectedText()) {
    const auto caret = static_cast<std::size_t>(cursorPosition());
    return LineBox{text().toStdU16String(), caret, caret};
  }
  return LineBox{text().toStdU16String(), static_cast<std::size_t>(selectionStart()),
                 static_cast<std::size_t>(selectionEnd())};
}

void InputBox::showEdit(const InputBoxEdit& edit) {
  const QString put = QString::fromStdU16String(edit.put);
  switch (edit.text) {
    case InputBoxEdit::Text::Keep:
      break;
    case InputBoxEdit::Text::Insert:
      insert(put);
      break;
    case InputBoxEdit::Text::Replace:
      setText(put);
      break;
  }
  const LineBox& box = edit.box;
  if (box.start == box.end) {
    setCursorPosition(static_cast<int>(box.end));
  } else {
    setSelection(static_cast<int>(box.start), static_cast<int>(box.end - box.start));
  }
}

}  // namespace zor
