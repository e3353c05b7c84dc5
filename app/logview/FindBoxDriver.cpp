#include "app/logview/FindBoxDriver.h"

namespace zor {

void FindBoxDriver::press(FindKey key, bool shift) {
  apply(bar_.press(key, shift, *view_.log(), view_.bottomPosition()));
}

void FindBoxDriver::edited(std::u16string_view text, bool matchCase) {
  apply(bar_.edit(text, matchCase));
}

void FindBoxDriver::pauseEnded() { apply(bar_.search(*view_.log(), view_.bottomPosition())); }

void FindBoxDriver::countSlice() {
  bar_.countStep(*view_.log());
  showCount();
}

void FindBoxDriver::logChanged() {
  if (bar_.isOpen()) {
    bar_.follow(*view_.log());
    showCount();
    controls_.refreshView();  // matches in the new lines
  }
}

void FindBoxDriver::place() {
  const FindBoxPlace place =
      FindBar::place(controls_.textArea(), controls_.scrollBar(), controls_.measures());
  bar_.placed(place);
  controls_.placeBox(place);
  view_.cover(bar_.covered());
  controls_.refreshView();
}

void FindBoxDriver::apply(const FindBar::Outcome& outcome) {
  if (outcome.pause != FindBar::Pause::Keep) {
    controls_.runPause(outcome.pause == FindBar::Pause::Start);
  }
  if (outcome.openBox) {
    place();
    controls_.showBox(true);
  }
  if (outcome.openBox || outcome.selectTyped) {
    controls_.selectText();
  }
  if (outcome.closeBox) {
    controls_.showBox(false);
  }
  view_.cover(bar_.covered());
  if (outcome.select) {
    view_.select(outcome.select->start, outcome.select->end());
  }
  controls_.refreshView();  // the matches marked, or no longer
  showCount();
  if (outcome.closeBox) {
    controls_.focusInput();
  }
}

void FindBoxDriver::showCount() {
  const FindBar::Count count = bar_.count(*view_.log());
  const bool counting = shown_.has_value() && shown_->counting;
  if (count.counting != counting) {
    controls_.runCounting(count.counting);
  }
  if (count != shown_) {
    controls_.showCount(count);
    shown_ = count;
  }
}

}  // namespace zor
