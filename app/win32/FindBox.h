#pragma once

#include "app/logview/FindBoxDriver.h"

#include <windows.h>

#include <functional>

namespace zor {

class LogView;

// The find box over the log: a label, the line to find, a Match case box
// and the "n/m" count, stock controls in a window of their own, run by the
// shared find box driver.
class FindBox final : private FindBoxControls {
 public:
  FindBox(HWND form, FindBar& bar, LogView& view, std::function<void()> focusInput);
  FindBox(const FindBox&) = delete;
  FindBox& operator=(const FindBox&) = delete;

  HWND handle() const { return box_; }
  // Ctrl+F, from the log or the input box.
  void findKey() { driver_.press(FindKey::CtrlF, false); }
  // After the log changed.
  void logChanged() { driver_.logChanged(); }
  // Over the log's text area, clear of its scroll bar.
  void place() { driver_.place(); }
  void setFont(HFONT font);
  // Whether the line is tinted when nothing is found.
  void tintNothingFound(bool tint);

 private:
  static LRESULT editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool key(WPARAM key);

  FindBoxMeasures measures() const override;
  ViewBox textArea() const override;
  ViewBox scrollBar() const override;
  void placeBox(const FindBoxPlace& place) override;
  void showBox(bool shown) override;
  void selectText() override;
  void showCount(const FindBar::Count& count) override;
  void runPause(bool on) override;
  void runCounting(bool on) override;
  void refreshView() override;
  void focusInput() override { focusInput_(); }

  HWND box_ = nullptr;
  HWND label_ = nullptr;
  HWND edit_ = nullptr;
  HWND matchCase_ = nullptr;
  HWND count_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH tint_ = nullptr;
  bool tinted_ = false;
  LogView& view_;
  std::function<void()> focusInput_;
  FindBoxDriver driver_;
  bool tints_ = true;
};

}  // namespace zor
