#include "app/logview/TextNeedle.h"

#include "platform/Surrogates.h"

#include <algorithm>

namespace zor {

namespace {

constexpr char16_t foldLetter(char16_t unit) {
  if (unit >= u'A' && unit <= u'Z') {
    return static_cast<char16_t>(unit + (u'a' - u'A'));
  }
  if (unit >= u'Ａ' && unit <= u'Ｚ') {
    return static_cast<char16_t>(unit + (u'ａ' - u'Ａ'));
  }
  return unit;
}

constexpr std::size_t bucket(char16_t unit) { return unit & 0xFFu; }

}  // namespace

TextNeedle::TextNeedle(std::u16string_view text, bool matchCase)
    : folded_(text), matchCase_(matchCase) {
  if (!matchCase_) {
    std::transform(folded_.begin(), folded_.end(), folded_.begin(), foldLetter);
  }
  const auto m = static_cast<std::uint32_t>(folded_.size());
  forwardSkip_.fill(m);
  backwardSkip_.fill(m);
  for (std::uint32_t i = 0; i + 1 < m; ++i) {
    forwardSkip_[bucket(folded_[i])] = m - 1 - i;
  }
  for (std::uint32_t i = m - 1; i >= 1 && i < m; --i) {
    backwardSkip_[bucket(folded_[i])] = i;
  }
}

char16_t TextNeedle::fold(char16_t unit) const { return matchCase_ ? unit : foldLetter(unit); }

bool TextNeedle::splitsPair(std::u16string_view text, std::size_t position) const {
  return position > 0 && position < text.size() && isHighSurrogate(text[position - 1]) &&
         isLowSurrogate(text[position]);
}

bool TextNeedle::sameAt(std::u16string_view text, std::size_t position) const {
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    if (fold(text[position + i]) != folded_[i]) {
      return false;
    }
  }
  return !splitsPair(text, position) && !splitsPair(text, position + folded_.size());
}

bool TextNeedle::matchesAt(std::u16string_view text, std::size_t position) const {
  return !empty() && position <= text.size() && folded_.size() <= text.size() - position &&
         sameAt(text, position);
}

std::size_t TextNeedle::findForward(std::u16string_view text, std::size_t from,
                                    std::size_t to) const {
  const std::size_t m = folded_.size();
  if (m == 0 || m > text.size()) {
    return npos;
  }
  const std::size_t last = std::min(to, text.size() - m + 1);
  const char16_t tail = folded_[m - 1];
  for (std::size_t s = from; s < last;) {
    const char16_t unit = fold(text[s + m - 1]);
    if (unit == tail && sameAt(text, s)) {
      return s;
    }
    s += forwardSkip_[bucket(unit)];
  }
  return npos;
}

std::size_t TextNeedle::findBackward(std::u16string_view text, std::size_t from,
                                     std::size_t to) const {
  const std::size_t m = folded_.size();
  if (m == 0 || m > text.size()) {
    return npos;
  }
  const std::size_t end = std::min(to, text.size() - m + 1);
  if (end <= from) {
    return npos;
  }
  const char16_t head = folded_[0];
  for (std::size_t s = end - 1;;) {
    const char16_t unit = fold(text[s]);
    if (unit == head && sameAt(text, s)) {
      return s;
    }
    const std::size_t skip = backwardSkip_[bucket(unit)];
    if (s < from + skip) {
      return npos;
    }
    s -= skip;
  }
}

}  // namespace zor
