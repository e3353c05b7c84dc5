#include "app/qt/LogView.h"

#include <QScrollBar>
#include <QTextCursor>

namespace zor {

namespace {

// The log's text from `from` on, with each CR LF (or lone CR) as one line
// break.
QString displayText(const std::u16string& text, std::size_t from) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size() - from));
  for (std::size_t i = from; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      out.append(QChar(u'\n'));
      if (i + 1 < text.size() && text[i + 1] == u'\n') {
        ++i;
      }
    } else {
      out.append(QChar(c));
    }
  }
  return out;
}

// Where the log's caret falls in the view, whose line breaks are one
// character where the log has two.
int viewPosition(const std::u16string& text, std::size_t caret, int end) {
  if (caret >= text.size()) {
    return end;
  }
  std::size_t position = caret;
  for (std::size_t i = 0; i + 1 < caret; ++i) {
    if (text[i] == u'\r' && text[i + 1] == u'\n') {
      --position;
    }
  }
  return static_cast<int>(position);
}

}  // namespace

LogView::LogView(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Text1"));
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void LogView::mirror(const Log& log) {
  const std::u16string& text = log.text();
  if (log.generation() == generation_ && text.size() == shown_ && log.caret() == caret_) {
    return;
  }
  if (log.generation() != generation_ || text.size() < shown_) {
    setPlainText(displayText(text, 0));
    generation_ = log.generation();
  } else if (text.size() > shown_) {
    std::size_t from = shown_;
    if (from > 0 && text[from - 1] == u'\r' && text[from] == u'\n') {
      ++from;  // the second half of a CR LF that the view already broke
    }
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(displayText(text, from));
  }
  shown_ = text.size();
  caret_ = log.caret();

  QTextCursor caret = textCursor();
  const int end = document()->characterCount() - 1;
  caret.setPosition(viewPosition(text, caret_, end));
  setTextCursor(caret);
  ensureCursorVisible();
}

}  // namespace zor
