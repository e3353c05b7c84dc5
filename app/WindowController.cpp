#include "app/WindowController.h"

#include "app/ConsoleCommands.h"
#include "app/Form.h"
#include "app/KeyHandler.h"
#include "interpreter/KeyPress.h"
#include "pages/DisplayModes.h"

#include <cstdlib>
#include <utility>

namespace zor {

namespace {

// `now`, when the window was last told otherwise.
template <class T>
std::optional<T> changed(std::optional<T>& shown, const T& now) {
  if (shown == now) {
    return std::nullopt;
  }
  shown = now;
  return now;
}

}  // namespace

WindowController::WindowController(Services services)
    : console_(std::move(services)), line_(history_, console_.vars, consoleCommands().table) {}

WindowUpdate WindowController::load(bool contrastTheme) {
  contrastTheme_ = contrastTheme;
  formLoad(console_);
  line_.edited(LineBox{console_.input, console_.input.size(), console_.input.size()});
  WindowUpdate update = changes(LineBox{});
  update.log = &console_.log;
  update.focus = WindowFocus::Input;
  update.layout = kDesignLayout;
  return update;
}

WindowUpdate WindowController::inputKey(const LineBox& now, const InputKey& key) {
  line_.edited(now);
  bool taken = false;
  if (key.key == LineKey::Enter) {
    line_.press(line_.box(), LineKey::Enter);
    taken = true;
  }
  for (const char16_t c : key.chars) {
    runKey(c);
  }
  if (!taken && key.key) {
    taken = line_.press(line_.box(), *key.key);
  }
  if (!taken && key.typing && key.chars.size() == 1) {
    taken = line_.type(line_.box(), key.chars.front());
  }
  WindowUpdate update = changes(now);
  if (!key.chars.empty()) {
    update.log = &console_.log;
    update.stop = console_.window.stopRequested;
  }
  update.keyTaken = taken;
  return update;
}

WindowUpdate WindowController::inputEdited(const LineBox& now, bool typed) {
  if (typed) {
    line_.typed(now);
  } else {
    line_.edited(now);
  }
  return changes(now);
}

WindowUpdate WindowController::inputLeft(const LineBox& now) {
  line_.leave(now);
  return changes(now);
}

WindowUpdate WindowController::resized(int outerWidth, int outerHeight, bool minimised) {
  WindowUpdate update;
  if (!minimised) {
    update.layout = layoutForOuterSize(outerWidth, outerHeight);
  }
  return update;
}

WindowUpdate WindowController::coloursChanged(bool contrastTheme) {
  contrastTheme_ = contrastTheme;
  shown_.logColours.reset();
  shown_.inputColours.reset();
  return changes(line_.box());
}

WindowUpdate WindowController::zoomKey(ZoomKey key) {
  zoom_.press(key);
  return changes(line_.box());
}

WindowUpdate WindowController::zoomWheel(int delta) {
  zoom_.wheel(delta);
  return changes(line_.box());
}

WindowUpdate WindowController::close() {
  if (!std::exchange(unloaded_, true)) {
    formUnload(console_);
  }
  WindowUpdate update;
  update.quit = true;
  return update;
}

// The key handler reads the line from the box and may empty it.
void WindowController::runKey(char16_t keyCode) {
  console_.input = line_.box().text;
  if (keyCode == kEnter) {
    history_.add(console_.input);
  }
  handleKey(console_, keyCode);
  if (console_.input != line_.box().text) {
    line_.edited(LineBox{console_.input, console_.input.size(), console_.input.size()});
  }
}

WindowUpdate WindowController::changes(const LineBox& now) {
  const WindowState& window = console_.window;
  const ViewColours colours = viewColours(window, contrastTheme_);
  WindowUpdate update;
  update.input = inputBoxEdit(now, line_.box());
  update.inputCaption = changed(shown_.inputCaption, line_.caption());
  update.caption = changed(shown_.caption, window.caption);
  update.logColours = changed(shown_.logColours, colours.log);
  update.inputColours = changed(shown_.inputColours, colours.input);
  update.marks = changed(shown_.marks, colours.marks);
  update.zoom = changed(shown_.zoom, zoom_.percent());
  update.logCaption = changed(shown_.logCaption, zoom_.logCaption());
  update.darkTitleBar = changed(shown_.darkTitleBar, blackmodeOn(window));
  update.visible = changed(shown_.visible, window.visible);
  return update;
}

void endProcessNow() { std::_Exit(0); }

}  // namespace zor
