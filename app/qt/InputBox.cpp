#include "app/qt/InputBox.h"

#include "app/InputLine.h"
#include "app/PastedLine.h"

#include <QGroupBox>
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

InputBox::InputBox(QGroupBox* frame, InputLine& line, std::function<void(char16_t)> keyPress)
    : QLineEdit(frame), frame_(frame), line_(line), keyPress_(std::move(keyPress)) {
  setObjectName(QStringLiteral("Text2"));
  setValidator(new SingleLine(this));
}

void InputBox::keyPressEvent(QKeyEvent* event) {
  const std::optional<LineKey> key = lineKey(*event);
  if (key == LineKey::Enter) {
    line_.press(state(), LineKey::Enter);
    showLine();
  }
  const QString text = event->text();
  for (const QChar c : text) {
    keyPress_(c.unicode());
  }
  if (key == LineKey::Enter) {
    event->accept();
    return;
  }
  if (key) {
    const bool taken = line_.press(state(), *key);
    showLine();
    if (taken) {
      event->accept();
      return;
    }
  }
  const bool typing = text.size() == 1 && text.front().isPrint() &&
                      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (typing && line_.type(state(), text.front().unicode())) {
    showLine();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
  if (typing) {
    line_.typed(state());
  } else {
    line_.edited(state());
  }
  showLine();
}

// Leaving for the context menu or another window is no leaving of the box.
void InputBox::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    line_.leave(state());
    showLine();
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

void InputBox::showLine() {
  const LineBox& box = line_.box();
  const QString shown = QString::fromStdU16String(box.text);
  if (text() != shown) {
    // What is only added at the caret is inserted, so Ctrl+Z can take it back.
    if (!hasSelectedText() && cursorPosition() == text().size() && shown.startsWith(text())) {
      insert(shown.mid(text().size()));
    } else {
      setText(shown);
    }
  }
  if (state() != box) {
    if (box.start == box.end) {
      setCursorPosition(static_cast<int>(box.end));
    } else {
      setSelection(static_cast<int>(box.start), static_cast<int>(box.end - box.start));
    }
  }
  const QString caption = QString::fromStdU16String(line_.caption());
  if (frame_->title() != caption) {
    frame_->setTitle(caption);
  }
}

}  // namespace zor
