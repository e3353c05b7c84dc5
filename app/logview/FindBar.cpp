#include "app/logview/FindBar.h"

#include <algorithm>
#include <utility>

namespace zor {

FindBar::Outcome FindBar::press(FindKey key, bool shift, const Log& log, std::size_t bottom) {
  // The log may have changed while the box was closed.
  find_.follow(log);
  // As if the search had run on the last key typed.
  Outcome outcome = pending_ ? search(log, bottom) : Outcome{};
  switch (key) {
    case FindKey::CtrlF:
      outcome.selectTyped = open_;
      outcome.openBox = !open_;
      open_ = true;
      break;
    case FindKey::Enter:
    case FindKey::F3:
      if (open_) {
        outcome.select = shift ? find_.next(log) : find_.previous(log);
      }
      break;
    case FindKey::Escape:
      // New output may have moved the log's selection to its end.
      outcome.select = open_ ? find_.current() : std::nullopt;
      outcome.closeBox = open_;
      outcome.pause = Pause::Stop;
      open_ = false;
      break;
  }
  return outcome;
}

FindBar::Outcome FindBar::edit(std::u16string_view text, bool matchCase) {
  if (text == typed_ && matchCase == matchCase_) {
    return Outcome{};
  }
  typed_ = text;
  matchCase_ = matchCase;
  find_.setNeedle(typed_, matchCase_);
  pending_ = open_;
  Outcome outcome;
  outcome.pause = pending_ ? Pause::Start : Pause::Keep;
  return outcome;
}

FindBar::Outcome FindBar::search(const Log& log, std::size_t bottom) {
  Outcome outcome;
  outcome.pause = Pause::Stop;
  // A pause that ends after a key has searched finds nothing new.
  if (std::exchange(pending_, false) && open_) {
    find_.follow(log);
    outcome.select = find_.findFrom(log, bottom);
  }
  return outcome;
}

FindBar::Count FindBar::count(const Log& log) const {
  const bool counted = find_.counted(log);
  Count count{find_.countText(log), false, open_ && !counted};
  count.tinted = open_ && !typed_.empty() && counted && count.text.starts_with(u"0/0");
  return count;
}

FindBoxPlace FindBar::place(const ViewBox& textArea, const ViewBox& scrollBar,
                            const FindBoxMeasures& measures) {
  const int gap = measures.gap;
  const int frame = measures.frame;
  const int others = measures.label.width + measures.matchCase.width + measures.count.width;
  const int inside = std::max({measures.label.height, measures.text.height,
                               measures.matchCase.height, measures.count.height});
  int right = textArea.right();
  if (scrollBar.width > 0 && scrollBar.left < right && scrollBar.right() > textArea.left) {
    right = std::max(textArea.left, scrollBar.left);
  }
  const int room = right - textArea.left;
  const int fixed = others + 5 * gap + 2 * frame;
  const int textWidth = std::max(std::min(measures.text.width, room - fixed),
                                 std::min(measures.leastText, measures.text.width));
  const int width = fixed + textWidth;

  FindBoxPlace place;
  place.box = ViewBox{width <= room ? right - width : textArea.left, textArea.top, width,
                      inside + 2 * gap + 2 * frame};
  int x = gap;
  const auto next = [&](ViewSize size, int controlWidth) {
    const ViewBox control{x, gap + (inside - size.height) / 2, controlWidth, size.height};
    x += controlWidth + gap;
    return control;
  };
  place.label = next(measures.label, measures.label.width);
  place.text = next(measures.text, textWidth);
  place.matchCase = next(measures.matchCase, measures.matchCase.width);
  place.count = next(measures.count, measures.count.width);
  place.covered = std::clamp(place.box.bottom() - textArea.top, 0, textArea.height);
  return place;
}

std::vector<TextMatch> FindBar::highlights(const Log& log, std::size_t begin,
                                           std::size_t end) const {
  if (!open_) {
    return {};
  }
  return find_.matchesIn(log, begin, end);
}

}  // namespace zor
