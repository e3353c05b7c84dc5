#include "app/InputLine.h"

namespace zor {

namespace {

LineBox caretAt(std::u16string text, std::size_t caret) {
  return LineBox{std::move(text), caret, caret};
}

bool completes(std::u16string_view candidate, std::u16string_view typed) {
  return candidate.size() > typed.size() && candidate.starts_with(typed);
}

}  // namespace

InputLine::InputLine(InputHistory& history, const FormVariables& vars,
                     std::span<const CommandRow> commands)
    : history_(history), vars_(vars), commands_(commands) {}

std::u16string InputLine::caption() const {
  if (!searching_) {
    return std::u16string(kInputCaption);
  }
  return std::u16string(kInputCaption) + u" (搜索历史 search: " + query_ +
         (failing_ ? u": 无匹配 no match)" : u")");
}

bool InputLine::press(const LineBox& now, LineKey key) {
  edited(now);
  const std::size_t size = box_.text.size();
  if (searching_) {
    switch (key) {
      case LineKey::Search:
        older();
        return true;
      case LineKey::Backspace:
        widen();
        return true;
      case LineKey::Escape:
      case LineKey::Cancel:
        box_ = draft_;
        searching_ = false;
        return true;
      case LineKey::Left:
        endSearch(box_.start);
        return true;
      case LineKey::Home:
        endSearch(0);
        return true;
      case LineKey::Up:
      case LineKey::Down:
      case LineKey::Right:
      case LineKey::End:
        endSearch(size);
        return true;
      case LineKey::Enter:
        endSearch(size);
        return false;
      case LineKey::Delete:  // deletes the match
        searching_ = false;
        return false;
    }
  }
  switch (key) {
    case LineKey::Up:
      dropCompletion();
      recall(history_.previous(box_.text));
      return true;
    case LineKey::Down:
      dropCompletion();
      recall(history_.next());
      return true;
    case LineKey::Escape:
      if (offered_) {
        dropCompletion();
      } else {
        history_.reset();
        box_ = LineBox{};
      }
      return true;
    case LineKey::Right:
    case LineKey::End:
      if (offered_) {
        box_.start = box_.end = size;
        offered_ = false;
        return true;
      }
      return false;
    case LineKey::Backspace:
    case LineKey::Delete:
      if (offered_) {
        dropCompletion();
        return true;
      }
      return false;
    case LineKey::Search:
      dropCompletion();
      startSearch();
      return true;
    case LineKey::Left:
    case LineKey::Home:
    case LineKey::Enter:
    case LineKey::Cancel:
      dropCompletion();
      return false;
  }
  return false;
}

bool InputLine::type(const LineBox& now, char16_t c) {
  edited(now);
  if (searching_) {
    narrow(c);
  }
  return searching_;
}

void InputLine::typed(const LineBox& now) {
  edited(now);
  if (vars_.aii == u"0" && box_.start == box_.text.size() && box_.end == box_.start) {
    offerCompletion();
  }
}

void InputLine::edited(const LineBox& now) {
  if (now != box_) {
    box_ = now;
    offered_ = false;
    if (searching_) {
      endSearch(box_.end);
    }
  }
}

void InputLine::leave(const LineBox& now) {
  edited(now);
  dropCompletion();
  if (searching_) {
    endSearch(box_.end);
  }
}

void InputLine::dropCompletion() {
  if (offered_) {
    box_ = caretAt(box_.text.substr(0, box_.start), box_.start);
    offered_ = false;
  }
}

void InputLine::offerCompletion() {
  const std::u16string_view typed = box_.text;
  std::u16string_view found;
  for (auto line = history_.lines().rbegin(); line != history_.lines().rend(); ++line) {
    if (completes(*line, typed)) {
      found = *line;
      break;
    }
  }
  for (auto row = commands_.begin(); found.empty() && row != commands_.end(); ++row) {
    for (const std::u16string_view keyword : row->keywords) {
      if (completes(keyword, typed)) {
        found = keyword;
        break;
      }
    }
  }
  if (!found.empty()) {
    box_ = LineBox{std::u16string(found), typed.size(), found.size()};
    offered_ = true;
  }
}

// The search began where browsing stood, so the history starts afresh.
void InputLine::startSearch() {
  history_.reset();
  searching_ = true;
  query_.clear();
  shown_ = history_.size();
  failing_ = false;
  draft_ = box_;
}

void InputLine::endSearch(std::size_t caret) {
  searching_ = false;
  box_.start = box_.end = caret;
}

void InputLine::narrow(char16_t c) {
  query_ += c;
  find(shown_ == history_.size() ? shown_ : shown_ + 1);
}

void InputLine::older() {
  if (!query_.empty()) {
    find(shown_);
  }
}

// The shorter text is sought again from the newest line; with nothing left
// to seek, the box shows the draft again.
void InputLine::widen() {
  if (query_.empty()) {
    return;
  }
  query_.pop_back();
  failing_ = false;
  shown_ = history_.size();
  if (query_.empty()) {
    box_ = draft_;
  } else {
    find(shown_);
  }
}

void InputLine::find(std::size_t before) {
  const auto& lines = history_.lines();
  for (std::size_t i = before; i-- > 0;) {
    if (const std::size_t at = lines[i].find(query_); at != std::u16string::npos) {
      shown_ = i;
      failing_ = false;
      box_ = LineBox{lines[i], at, at + query_.size()};
      return;
    }
  }
  failing_ = true;
}

void InputLine::recall(const std::optional<std::u16string>& line) {
  if (line) {
    box_ = caretAt(*line, line->size());
  }
}

}  // namespace zor
