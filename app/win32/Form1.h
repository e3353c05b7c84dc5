#pragma once

#include "app/WindowController.h"
#include "app/WindowView.h"
#include "app/Zoom.h"
#include "app/win32/FindBox.h"
#include "app/win32/InputBox.h"
#include "app/win32/LogView.h"
#include "interpreter/Console.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace zor {

// Whether the system's contrast theme (high contrast) is on.
bool systemContrastTheme();

// The console window. It hands its events to the window controller and
// shows what that says; every decision is the controller's. It asks
// `contrastTheme` whether the system's contrast theme is on, at the start
// and whenever the system's colours or that setting change.
class Form1 final : public WindowView {
 public:
  Form1(HINSTANCE instance, Services services,
        std::function<bool()> contrastTheme = systemContrastTheme);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND handle() const { return form_; }
  // The window's keyboard shortcuts (Ctrl+F, the zoom keys), for the
  // message loop.
  HACCEL accelerators() const { return accelerators_; }

 private:
  // A solid brush for the colour a box is painted in, made again only when
  // that colour changes.
  class Brush {
   public:
    ~Brush();
    HBRUSH of(COLORREF colour);

   private:
    HBRUSH brush_ = nullptr;
    COLORREF colour_ = 0;
  };

  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void apply(const WindowUpdate& update);
  void mirrorLog(const Log& log) override;
  void findInChangedLog() override;
  void showInput(const InputBoxEdit& edit) override;
  void showInputCaption(const std::u16string& caption) override;
  void showCaption(const std::u16string& caption) override;
  void paintLog(const BoxColours& colours) override;
  void paintInput(const BoxColours& colours) override;
  void markLog(const ViewMarks& marks) override;
  void useDarkTitleBar(bool dark) override;
  void zoomFonts(int percent) override;
  void showLogCaption(const std::u16string& caption) override;
  void showWindow(bool visible) override;
  void focusInput() override;
  void placeControls(const FormLayout& layout) override;
  void quitWindow() override;
  void stopProcess() override;
  void formResize();
  void placeFindBox();
  void useMessageFont();
  void useBoxFont();
  void placeCentred();
  LRESULT paintBox(HDC dc, HWND box);

  WindowController controller_;
  HWND form_ = nullptr;
  HWND frame2_ = nullptr;
  std::unique_ptr<InputBox> text2_;
  HWND frame1_ = nullptr;
  std::unique_ptr<LogView> text1_;
  std::unique_ptr<FindBox> find_;
  HACCEL accelerators_ = nullptr;
  HWND focus_ = nullptr;
  HFONT font_ = nullptr;
  HFONT zoomedFont_ = nullptr;  // the boxes' font when not at 100%
  int zoom_ = Zoom::kNormal;    // the boxes' font's zoom, in percent
  std::function<bool()> contrastTheme_;
  Brush brush1_;
  Brush brush2_;
  BoxColours colours1_;
  BoxColours colours2_;
};

}  // namespace zor
