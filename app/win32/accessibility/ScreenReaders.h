#pragma once

#include "app/logview/LogViewModel.h"

#include <windows.h>

namespace zor {

class LogView;
class LogViewAccessible;
class UiaProvider;

// What the log view gives screen readers: its MSAA object and its UI
// Automation provider, made when a reader first asks for them, and the
// events for new output. Without a reader it costs nothing but one
// accessibility event per change.
class ScreenReaders {
 public:
  explicit ScreenReaders(LogView& view) : view_(view) {}
  ~ScreenReaders();
  ScreenReaders(const ScreenReaders&) = delete;
  ScreenReaders& operator=(const ScreenReaders&) = delete;

  // The answer to WM_GETOBJECT, or 0 for the system's own.
  LRESULT answer(WPARAM flags, LPARAM lParam);
  // The log changed as the model tells.
  void changed(const TextChange& change);
  // The view's name changed.
  void renamed();

 private:
  LogView& view_;
  LogViewAccessible* msaa_ = nullptr;
  UiaProvider* uia_ = nullptr;
};

}  // namespace zor
