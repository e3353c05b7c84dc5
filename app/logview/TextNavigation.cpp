#include "app/logview/TextNavigation.h"

#include "platform/Surrogates.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace zor {

std::size_t TextNavigation::size() const {
  const Log* log = model_.log();
  return log == nullptr ? 0 : log->text().size();
}

std::size_t TextNavigation::placeAt(std::size_t offset) const {
  const Log* log = model_.log();
  if (log == nullptr) {
    return 0;
  }
  const std::u16string& text = log->text();
  if (offset >= text.size()) {
    return text.size();
  }
  const std::size_t lineEnd = log->lineEnd(log->lineOf(offset));
  if (offset > lineEnd) {
    return lineEnd;
  }
  return offset > 0 && startsSurrogatePair(text, offset - 1) ? offset - 1 : offset;
}

TextRange TextNavigation::at(std::size_t offset, TextUnit unit) {
  return unit == TextUnit::Document ? TextRange{0, size()} : model_.unitAt(placeAt(offset), unit);
}

TextRange TextNavigation::before(std::size_t offset, TextUnit unit) {
  const std::size_t start = at(offset, unit).begin;
  return start == 0 ? TextRange{} : model_.unitAt(placeAt(start - 1), unit);
}

TextRange TextNavigation::after(std::size_t offset, TextUnit unit) {
  const std::size_t end = at(offset, unit).end;
  return end >= size() ? TextRange{size(), size()} : model_.unitAt(end, unit);
}

TextRange TextNavigation::enclosing(std::size_t offset, TextUnit unit) {
  const std::size_t all = size();
  if (unit == TextUnit::Document || all == 0) {
    return {0, all};
  }
  return model_.unitAt(placeAt(std::min(offset, all - 1)), unit);
}

std::size_t TextNavigation::step(std::size_t offset, TextUnit unit, bool forward) {
  offset = placeAt(offset);
  if (forward) {
    return unit == TextUnit::Document || offset >= size() ? size()
                                                          : model_.unitAt(offset, unit).end;
  }
  if (unit == TextUnit::Document || offset == 0) {
    return 0;
  }
  const TextRange holding = model_.unitAt(offset, unit);
  return holding.begin < offset && holding.begin < holding.end
             ? holding.begin
             : model_.unitAt(placeAt(offset - 1), unit).begin;
}

int TextNavigation::moveBy(std::size_t& offset, TextUnit unit, int count) {
  offset = placeAt(offset);
  int moved = 0;
  while (moved != count) {
    const bool forward = count > 0;
    const std::size_t next = step(offset, unit, forward);
    if (next == offset) {
      break;
    }
    offset = next;
    moved += forward ? 1 : -1;
  }
  return moved;
}

int TextNavigation::move(TextRange& range, TextUnit unit, int count) {
  if (range.begin == range.end) {
    const int moved = moveBy(range.begin, unit, count);
    range.end = range.begin;
    return moved;
  }
  const std::size_t start = enclosing(range.begin, unit).begin;
  std::size_t to = start;
  int moved = moveBy(to, unit, count);
  if (to >= size() && moved > 0) {
    to = start;
    moved = moveBy(to, unit, moved - 1);
  }
  range = enclosing(to, unit);
  return moved;
}

// A character measured alone, where the row gives no next place to
// measure to: the last one of a wrapped row.
int TextNavigation::widthOf(TextRange character) const {
  const Log& log = *model_.log();
  if (character.begin == log.lineEnd(log.lineOf(character.begin))) {
    return model_.metrics().blankWidth();
  }
  const std::u16string_view text =
      std::u16string_view(log.text()).substr(character.begin, character.end - character.begin);
  const auto alone = model_.metrics().layOut(character.begin, text, INT_MAX / 2);
  return std::max(alone->xOf(text.size()), 1);
}

std::optional<ViewBox> TextNavigation::characterBox(std::size_t offset) {
  const std::size_t place = placeAt(offset);
  std::optional<ViewBox> box = model_.caretBoxAt(place);
  if (!box) {
    return box;
  }
  const TextRange character = model_.unitAt(place, TextUnit::Character);
  if (character.begin == character.end) {
    return box;
  }
  const auto next = model_.caretBoxAt(character.end);
  box->width =
      next && next->top == box->top ? std::max(next->left - box->left, 1) : widthOf(character);
  return box;
}

std::vector<ViewBox> TextNavigation::boxes(TextRange range) {
  std::vector<ViewBox> found;
  if (model_.log() == nullptr) {
    return found;
  }
  const std::size_t begin = placeAt(range.begin);
  const std::size_t end = std::max(placeAt(range.end), begin);
  if (begin == end) {
    if (const auto caret = model_.caretBoxAt(begin)) {
      found.push_back(*caret);
    }
    return found;
  }
  const TextRange screen = model_.onScreen();
  const std::size_t to = std::min(end, screen.end);
  for (std::size_t at = std::max(begin, screen.begin); at < to;) {
    const TextRange row = model_.unitAt(at, TextUnit::Row);
    const auto first = model_.caretBoxAt(at);
    if (!first || row.end <= at) {
      break;
    }
    const auto last = characterBox(std::min(to, row.end) - 1);
    const int right = last ? last->left + last->width : first->left + 1;
    found.push_back({first->left, first->top, std::max(right - first->left, 1), first->height});
    at = row.end;
  }
  return found;
}

}  // namespace zor
