#pragma once

#include "app/Colours.h"
#include "app/InputBoxEdit.h"
#include "app/InputHistory.h"
#include "app/InputLine.h"
#include "app/Layout.h"
#include "app/Zoom.h"
#include "app/logview/FindBar.h"
#include "interpreter/Console.h"

#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The control that is to take the keyboard focus.
enum class WindowFocus { Input };

// What a window is to show after one event. Each part is there only when it
// changed since the window was last told; the window applies the parts it
// is given and leaves everything else as it is.
struct WindowUpdate {
  const Log* log = nullptr;                    // the log changed, or may have: mirror it
  std::optional<InputBoxEdit> input;           // the input box's text and selection
  std::optional<std::u16string> inputCaption;  // the input frame's caption
  std::optional<std::u16string> caption;       // the window's caption, as typed
  // Colour references, resolved with paintedColour() at every paint, so a
  // system colour follows the system.
  std::optional<BoxColours> logColours;
  std::optional<BoxColours> inputColours;
  // The log's selection and matches: they change only as a contrast theme
  // comes or goes.
  std::optional<ViewMarks> marks;
  std::optional<bool> darkTitleBar;
  std::optional<bool> visible;
  std::optional<WindowFocus> focus;
  std::optional<FormLayout> layout;  // place the controls so, in twips at the window's DPI
  // The log's, the input box's and the find box's fonts at this percentage
  // of their own size, and the log frame's caption, which screen readers
  // hear as the log's new name.
  std::optional<int> zoom;
  std::optional<std::u16string> logCaption;
  bool keyTaken = false;  // the input box does nothing more with the key
  bool quit = false;      // the window is unloaded: close it and end the event loop
  bool stop = false;      // end the process now, without the unload step
};

// A key pressed in the input box, before the box itself handles it.
struct InputKey {
  std::optional<LineKey> key;  // a key the input line may take
  std::u16string_view chars;   // the characters it types, each handed to the key handler
  bool typing = false;         // `chars` is one character the box would insert
};

// The console window without a toolkit: it owns the console, the input
// history, the input line and the find bar, takes what happened in the
// window and says what the window is to show then. A window turns its
// toolkit's events into these calls and applies each update whole: after a
// key in the input box not taken, it lets the box do its own editing and
// then reports inputEdited().
class WindowController {
 public:
  explicit WindowController(Services services);
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  Console& console() noexcept { return console_; }
  const Console& console() const noexcept { return console_; }
  FindBar& findBar() noexcept { return findBar_; }
  const InputHistory& history() const noexcept { return history_; }

  // Form_Load; the update holds everything the window shows at start, the
  // controls laid out as designed. `contrastTheme`: whether the system's
  // contrast theme is on, which only Windows has.
  WindowUpdate load(bool contrastTheme = false);

  // A key in the input box, `now` the box as it is. Enter first takes back
  // a completion offered and ends a search; then every character goes to
  // the key handler, which runs the line at Enter (kept in the history);
  // then the input line may take the key.
  WindowUpdate inputKey(const LineBox& now, const InputKey& key);
  // The box changed by its own editing: a key not taken (`typed` when it
  // inserted the character), a paste, a click.
  WindowUpdate inputEdited(const LineBox& now, bool typed);
  // The focus went from the input box to another control of the window.
  WindowUpdate inputLeft(const LineBox& now);

  // Form_Resize: the window's outer size, in twips, changed or may have;
  // a minimised window keeps its layout.
  WindowUpdate resized(int outerWidth, int outerHeight, bool minimised);

  // The system's colours changed, or its contrast theme came or went: both
  // boxes are to be painted again.
  WindowUpdate coloursChanged(bool contrastTheme = false);

  // A zoom key, or Ctrl and the wheel turned by `delta`, over the log or
  // the input box.
  WindowUpdate zoomKey(ZoomKey key);
  WindowUpdate zoomWheel(int delta);

  // The close button: Form_Unload, once; the close always goes ahead.
  WindowUpdate close();

 private:
  // What the window was last told it shows; nothing before the first update.
  struct Shown {
    std::optional<std::u16string> inputCaption;
    std::optional<std::u16string> caption;
    std::optional<BoxColours> logColours;
    std::optional<BoxColours> inputColours;
    std::optional<ViewMarks> marks = viewColours(WindowState{}, false).marks;
    std::optional<int> zoom = Zoom::kNormal;
    std::optional<std::u16string> logCaption = std::u16string(kLogCaption);
    std::optional<bool> darkTitleBar = false;  // a new window's title bar is light
    std::optional<bool> visible = true;        // the window shows itself when started
  };

  void runKey(char16_t keyCode);
  WindowUpdate changes(const LineBox& now);

  Console console_;
  InputHistory history_;
  InputLine line_;
  FindBar findBar_;
  Shown shown_;
  Zoom zoom_;
  bool contrastTheme_ = false;
  bool unloaded_ = false;
};

// The stop command's end: the process ends at once, without the unload
// step, as a window does when an update says `stop`.
[[noreturn]] void endProcessNow();

}  // namespace zor
