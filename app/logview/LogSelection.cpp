#include "app/logview/LogSelection.h"

#include "platform/Surrogates.h"

#include <algorithm>

namespace zor {

namespace {

enum class CharacterKind { Blank, Word, Sign };

// Letters, digits and every character beyond ASCII but the wide blank and
// the CJK signs make words; a double click takes a run of one kind.
CharacterKind kindOf(char16_t c) {
  if (c == u' ' || c == u'\t' || c == u'\x3000') {
    return CharacterKind::Blank;
  }
  const bool ascii = c < 0x80;
  const bool wordAscii =
      (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
  const bool cjkSign = (c >= 0x3000 && c < 0x3040) || (c >= 0xFF00 && c < 0xFF10) ||
                       (c >= 0xFF1A && c < 0xFF21) || (c >= 0xFF3B && c < 0xFF41) ||
                       (c >= 0xFF5B && c < 0xFF66);
  return (ascii ? wordAscii : !cjkSign) ? CharacterKind::Word : CharacterKind::Sign;
}

}  // namespace

LogSelection::Change LogSelection::mirror(const Log& log) {
  const std::size_t size = log.text().size();
  const bool replaced = log_ != &log || log.generation() != generation_ || size < shown_;
  if (!replaced && size == shown_ && log.caret() == logCaret_) {
    return Change::None;
  }
  log_ = &log;
  generation_ = log.generation();
  shown_ = size;
  logCaret_ = log.caret();
  anchor_ = caret_ = logCaret_;
  return replaced ? Change::Replaced : Change::Moved;
}

std::u16string LogSelection::selectedText() const {
  return log_ == nullptr ? std::u16string() : log_->text().substr(start(), end() - start());
}

void LogSelection::moveCaret(std::size_t position, bool keepAnchor) {
  caret_ = position;
  if (!keepAnchor) {
    anchor_ = position;
  }
}

void LogSelection::selectAll() {
  if (log_ != nullptr) {
    anchor_ = 0;
    caret_ = log_->text().size();
  }
}

void LogSelection::selectWordAt(std::size_t position) {
  if (log_ == nullptr) {
    return;
  }
  const std::u16string& text = log_->text();
  const std::size_t line = log_->lineOf(std::min(position, text.size()));
  const std::size_t lineStart = log_->lineStart(line);
  const std::size_t lineEnd = log_->lineEnd(line);
  position = std::min(position, lineEnd);
  // At the end of a line the word before it is meant.
  if (position == lineEnd) {
    if (position == lineStart) {
      anchor_ = caret_ = position;
      return;
    }
    --position;
  }
  const CharacterKind kind = kindOf(text[position]);
  std::size_t begin = position;
  while (begin > lineStart && kindOf(text[begin - 1]) == kind) {
    --begin;
  }
  std::size_t end = position + 1;
  while (end < lineEnd && kindOf(text[end]) == kind) {
    ++end;
  }
  anchor_ = begin;
  caret_ = end;
}

std::size_t LogSelection::nextPosition(std::size_t position) const {
  const std::u16string& text = log_->text();
  if (position >= text.size()) {
    return text.size();
  }
  const std::size_t line = log_->lineOf(position);
  if (position >= log_->lineEnd(line)) {
    return line + 1 < log_->lineCount() ? log_->lineStart(line + 1) : text.size();
  }
  return position + (startsSurrogatePair(text, position) ? 2 : 1);
}

std::size_t LogSelection::previousPosition(std::size_t position) const {
  if (position == 0) {
    return 0;
  }
  const std::size_t line = log_->lineOf(position);
  if (position <= log_->lineStart(line)) {
    return log_->lineEnd(line - 1);
  }
  return position - (position >= 2 && startsSurrogatePair(log_->text(), position - 2) ? 2 : 1);
}

std::size_t LogSelection::nextWord(std::size_t position) const {
  const std::u16string& text = log_->text();
  position = std::min(position, text.size());
  const std::size_t lineEnd = log_->lineEnd(log_->lineOf(position));
  if (position >= lineEnd) {
    return nextPosition(position);
  }
  const CharacterKind kind = kindOf(text[position]);
  while (position < lineEnd && kind != CharacterKind::Blank && kindOf(text[position]) == kind) {
    ++position;
  }
  while (position < lineEnd && kindOf(text[position]) == CharacterKind::Blank) {
    ++position;
  }
  return position;
}

std::size_t LogSelection::previousWord(std::size_t position) const {
  const std::u16string& text = log_->text();
  position = std::min(position, text.size());
  const std::size_t line = log_->lineOf(position);
  const std::size_t lineStart = log_->lineStart(line);
  if (position <= lineStart) {
    return previousPosition(position);
  }
  position = std::min(position, log_->lineEnd(line));
  while (position > lineStart && kindOf(text[position - 1]) == CharacterKind::Blank) {
    --position;
  }
  if (position > lineStart) {
    const CharacterKind kind = kindOf(text[position - 1]);
    while (position > lineStart && kindOf(text[position - 1]) == kind) {
      --position;
    }
  }
  return position;
}

}  // namespace zor
