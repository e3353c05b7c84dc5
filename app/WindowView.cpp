#include "app/WindowView.h"

namespace zor {

void applyUpdate(WindowView& view, const WindowUpdate& update) {
  if (update.log != nullptr) {
    view.mirrorLog(*update.log);
    view.findInChangedLog();
  }
  if (update.input) {
    view.showInput(*update.input);
  }
  if (update.inputCaption) {
    view.showInputCaption(*update.inputCaption);
  }
  if (update.caption) {
    view.showCaption(*update.caption);
  }
  if (update.darkTitleBar) {
    view.useDarkTitleBar(*update.darkTitleBar);
  }
  if (update.logColours) {
    view.paintLog(*update.logColours);
  }
  if (update.inputColours) {
    view.paintInput(*update.inputColours);
  }
  if (update.marks) {
    view.markLog(*update.marks);
  }
  if (update.zoom) {
    view.zoomFonts(*update.zoom);
  }
  if (update.logCaption) {
    view.showLogCaption(*update.logCaption);
  }
  if (update.visible) {
    view.showWindow(*update.visible);
  }
  if (update.focus) {
    view.focusInput();
  }
  if (update.layout) {
    view.placeControls(*update.layout);
  }
  if (update.quit) {
    view.quitWindow();
  }
  if (update.stop) {
    view.stopProcess();
  }
}

}  // namespace zor
