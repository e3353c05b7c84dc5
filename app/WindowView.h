#pragma once

#include "app/WindowController.h"

#include <string>

namespace zor {

// A window as the controller's updates change it: one call a part of an
// update, which the window makes its toolkit show. applyUpdate() makes the
// calls, in the same order for every window.
class WindowView {
 public:
  // The log view mirrors the log; then the find box finds again in it.
  virtual void mirrorLog(const Log& log) = 0;
  virtual void findInChangedLog() = 0;
  virtual void showInput(const InputBoxEdit& edit) = 0;
  virtual void showInputCaption(const std::u16string& caption) = 0;
  virtual void showCaption(const std::u16string& caption) = 0;
  virtual void paintLog(const BoxColours& colours) = 0;
  virtual void paintInput(const BoxColours& colours) = 0;
  // Only a contrast theme changes them; a window without one has nothing to
  // do.
  virtual void markLog(const ViewMarks& marks) = 0;
  virtual void useDarkTitleBar(bool dark) = 0;
  // The boxes' fonts at `percent`, the find box placed again in its font.
  virtual void zoomFonts(int percent) = 0;
  // The log frame's caption, which screen readers hear as the log's name.
  virtual void showLogCaption(const std::u16string& caption) = 0;
  virtual void showWindow(bool visible) = 0;
  virtual void focusInput() = 0;
  virtual void placeControls(const FormLayout& layout) = 0;
  virtual void quitWindow() = 0;
  virtual void stopProcess() = 0;

 protected:
  ~WindowView() = default;
};

void applyUpdate(WindowView& view, const WindowUpdate& update);

}  // namespace zor
