#include "app/logview/FindBar.h"

namespace zor {

FindBar::Outcome FindBar::press(FindKey key, bool shift, const Log& log) {
  Outcome outcome;
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
      open_ = false;
      break;
  }
  return outcome;
}

void FindBar::edit(std::u16string_view text, bool matchCase) {
  if (text == typed_ && matchCase == matchCase_) {
    return;
  }
  typed_ = text;
  matchCase_ = matchCase;
  find_.setNeedle(typed_, matchCase_);
}

FindBar::Outcome FindBar::search(const Log& log, std::size_t bottom) {
  Outcome outcome;
  if (open_) {
    find_.follow(log);
    outcome.select = find_.findFrom(log, bottom);
  }
  return outcome;
}

bool FindBar::nothingFound(const Log& log) const {
  return open_ && !typed_.empty() && find_.counted(log) && find_.countText(log).starts_with(u"0/0");
}

std::vector<TextMatch> FindBar::highlights(const Log& log, std::size_t begin,
                                           std::size_t end) const {
  if (!open_) {
    return {};
  }
  return find_.matchesIn(log, begin, end);
}

}  // namespace zor
