#pragma once

#include "app/logview/FindBar.h"
#include "app/logview/LogViewModel.h"

#include <optional>
#include <string_view>

namespace zor {

// What a window's find box does in its toolkit when the driver says so.
class FindBoxControls {
 public:
  virtual ~FindBoxControls() = default;

  // The controls at their natural size; the log's text area and its
  // scroll bar (empty when there is none) in the box's parent.
  virtual FindBoxMeasures measures() const = 0;
  virtual ViewBox textArea() const = 0;
  virtual ViewBox scrollBar() const = 0;
  virtual void placeBox(const FindBoxPlace& place) = 0;
  // Shown over the log, or hidden.
  virtual void showBox(bool shown) = 0;
  // The focus in the text field, its whole text selected.
  virtual void selectText() = 0;
  // The count's text, the text field's tint; only when either changed.
  virtual void showCount(const FindBar::Count& count) = 0;
  // A single-shot timer of FindBar::kPauseMs that calls pauseEnded(), or
  // none.
  virtual void runPause(bool on) = 0;
  // countSlice() again and again, after the window's other events, or not.
  virtual void runCounting(bool on) = 0;
  // The log view, after its model changed.
  virtual void refreshView() = 0;
  virtual void focusInput() = 0;
};

// Runs a window's find box: hands its events to the find bar and carries
// out what that decides on the box's controls and the log view's model.
class FindBoxDriver {
 public:
  FindBoxDriver(FindBar& bar, LogViewModel& view, FindBoxControls& controls)
      : bar_(bar), view_(view), controls_(controls) {}

  // A key in the box, or Ctrl+F anywhere in the window.
  void press(FindKey key, bool shift);
  void edited(std::u16string_view text, bool matchCase);
  void pauseEnded();
  void countSlice();
  // After the log changed: keep the match and the count in step.
  void logChanged();
  // After the log's text area or the box's font changed.
  void place();

 private:
  void apply(const FindBar::Outcome& outcome);
  void showCount();

  FindBar& bar_;
  LogViewModel& view_;
  FindBoxControls& controls_;
  std::optional<FindBar::Count> shown_;
};

}  // namespace zor
