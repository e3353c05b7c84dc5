#include "app/win32/Form1.h"

#include "app/Colours.h"
#include "app/Layout.h"
#include "app/Twips.h"
#include "app/WindowTexts.h"
#include "app/win32/Dpi.h"
#include "app/win32/Fonts.h"
#include "app/win32/Frame.h"
#include "app/win32/TitleBar.h"
#include "app/win32/WideText.h"
#include "app/win32/WindowObject.h"

#include <cmath>
#include <vector>

namespace zor {

namespace {

constexpr wchar_t kClassName[] = L"ZorForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr WORD kFindCommand = 1;

// The zoom keys with Ctrl, on the main keys (with or without Shift, as '+'
// is typed) and the keypad; each command is kZoomCommands plus the key.
constexpr WORD kZoomCommands = 16;
struct ZoomAccelerator {
  WORD key;
  char16_t character;
};
constexpr ZoomAccelerator kZoomAccelerators[] = {
    {VK_OEM_PLUS, u'='}, {VK_ADD, u'+'}, {VK_OEM_MINUS, u'-'},
    {VK_SUBTRACT, u'-'}, {'0', u'0'},    {VK_NUMPAD0, u'0'},
};

HACCEL createAccelerators() {
  std::vector<ACCEL> keys{{FVIRTKEY | FCONTROL, 'F', kFindCommand}};
  for (const ZoomAccelerator& zoom : kZoomAccelerators) {
    const auto command =
        static_cast<WORD>(kZoomCommands + static_cast<WORD>(*zoomKeyOf(zoom.character)));
    for (const BYTE shift : {BYTE{0}, BYTE{FSHIFT}}) {
      keys.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | FCONTROL | shift), zoom.key, command});
    }
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void place(HWND control, const Rect& twips, double dpi) {
  const Rect r = toPixels(twips, dpi, dpi);
  MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
}

void registerClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

// Only a real Windows answers "on": Wine has no contrast themes.
bool systemContrastTheme() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Form1::Brush::~Brush() {
  if (brush_ != nullptr) {
    DeleteObject(brush_);
  }
}

HBRUSH Form1::Brush::of(COLORREF colour) {
  if (brush_ == nullptr || colour != colour_) {
    if (brush_ != nullptr) {
      DeleteObject(brush_);
    }
    brush_ = CreateSolidBrush(colour);
    colour_ = colour;
  }
  return brush_;
}

Form1::Form1(HINSTANCE instance, Services services, std::function<bool()> contrastTheme)
    : controller_(std::move(services)), contrastTheme_(std::move(contrastTheme)) {
  registerClass(instance, objectWindowProc<Form1, &Form1::form_, &Form1::onMessage>);
  CreateWindowExW(kExStyle, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, nullptr, instance, this);

  // Created in the order Frame2, Text2, Frame1, Text1; tabbed in the order
  // Frame1, Text1, Frame2, Text2, which is the order of the frames among the
  // window's children.
  frame2_ = createFrame(form_, L"");
  text2_ = std::make_unique<InputBox>(frame2_, controller_,
                                      [this](const WindowUpdate& update) { apply(update); });
  frame1_ = createFrame(form_, wide(kLogCaption));
  text1_ = std::make_unique<LogView>(frame1_);
  SetWindowPos(frame1_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Over the log, so the frames keep their layout.
  text1_->model().highlight(controller_.findBar());
  find_ = std::make_unique<FindBox>(form_, controller_.findBar(), *text1_,
                                    [this] { SetFocus(text2_->handle()); });
  accelerators_ = createAccelerators();
  useMessageFont();

  apply(controller_.load(contrastTheme_()));

  placeCentred();
}

Form1::~Form1() {
  DestroyAcceleratorTable(accelerators_);
  for (HFONT font : {font_, zoomedFont_}) {
    if (font != nullptr) {
      DeleteObject(font);
    }
  }
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      formResize();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 1 && LOWORD(wParam) == kFindCommand) {
        find_->findKey();
        return 0;
      }
      if (HIWORD(wParam) == 1 && LOWORD(wParam) >= kZoomCommands &&
          LOWORD(wParam) <= kZoomCommands + static_cast<WORD>(ZoomKey::Reset)) {
        apply(controller_.zoomKey(static_cast<ZoomKey>(LOWORD(wParam) - kZoomCommands)));
        return 0;
      }
      break;
    // Passed on with Ctrl by the log and the input box.
    case WM_MOUSEWHEEL:
      if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
        apply(controller_.zoomWheel(GET_WHEEL_DELTA_WPARAM(wParam)));
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (const LRESULT brush =
              paintBox(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return brush;
      }
      break;
    case WM_SYSCOLORCHANGE:
      // Desktop-coloured boxes take the new desktop colour; a contrast
      // theme may have come or gone.
      apply(controller_.coloursChanged(contrastTheme_()));
      break;
    case WM_SETTINGCHANGE:
      // The message font may have changed.
      useMessageFont();
      if (wParam == SPI_SETHIGHCONTRAST) {
        apply(controller_.coloursChanged(contrastTheme_()));
      }
      break;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      useMessageFont();
      SetWindowPos(form_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_ACTIVATE:
      // Focus comes back to the box that had it when the window was left.
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focused = GetFocus(); focused != nullptr && IsChild(form_, focused)) {
          focus_ = focused;
        }
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
      }
      return 0;
    case WM_SETFOCUS:
      if (focus_ != nullptr) {
        SetFocus(focus_);
      }
      return 0;
    case WM_CLOSE:
      apply(controller_.close());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(form_, message, wParam, lParam);
}

void Form1::apply(const WindowUpdate& update) { applyUpdate(*this, update); }

void Form1::mirrorLog(const Log& log) { text1_->mirror(log); }

void Form1::findInChangedLog() { find_->logChanged(); }

void Form1::showInput(const InputBoxEdit& edit) { text2_->showEdit(edit); }

void Form1::showInputCaption(const std::u16string& caption) {
  SetWindowTextW(frame2_, wide(caption));
  // A group box draws its new caption over the old one.
  InvalidateRect(frame2_, nullptr, TRUE);
}

void Form1::showCaption(const std::u16string& caption) { SetWindowTextW(form_, wide(caption)); }

void Form1::useDarkTitleBar(bool dark) { zor::useDarkTitleBar(form_, dark); }

void Form1::paintLog(const BoxColours& colours) {
  colours1_ = colours;
  text1_->redrawAll();
}

void Form1::paintInput(const BoxColours& colours) {
  colours2_ = colours;
  InvalidateRect(text2_->handle(), nullptr, TRUE);
}

void Form1::markLog(const ViewMarks& marks) {
  text1_->setMarks(marks.selection, marks.found);
  find_->tintNothingFound(marks.tintNothingFound);
}

void Form1::zoomFonts(int percent) {
  zoom_ = percent;
  useBoxFont();
  placeFindBox();
}

void Form1::showLogCaption(const std::u16string& caption) {
  SetWindowTextW(frame1_, wide(caption));
  InvalidateRect(frame1_, nullptr, TRUE);
  text1_->renamed();
}

void Form1::showWindow(bool visible) { ShowWindow(form_, visible ? SW_SHOW : SW_HIDE); }

// Taken when the window is next activated.
void Form1::focusInput() { focus_ = text2_->handle(); }

void Form1::quitWindow() { DestroyWindow(form_); }

void Form1::stopProcess() { endProcessNow(); }

// The colours are resolved at every paint, so a system colour follows the
// system's current choice.
LRESULT Form1::paintBox(HDC dc, HWND box) {
  Brush* brush = nullptr;
  const BoxColours* colours = nullptr;
  if (box == text1_->handle()) {
    brush = &brush1_;
    colours = &colours1_;
  } else if (box == text2_->handle()) {
    brush = &brush2_;
    colours = &colours2_;
  } else {
    return 0;
  }
  const COLORREF background = paintedColour(colours->background);
  SetTextColor(dc, paintedColour(colours->text));
  SetBkColor(dc, background);
  return reinterpret_cast<LRESULT>(brush->of(background));
}

// Sizes come before the controls exist, while the window is made.
void Form1::formResize() {
  if (find_ == nullptr) {
    return;
  }
  const double dpi = windowDpi(form_);
  RECT outer;
  GetWindowRect(form_, &outer);
  apply(controller_.resized(toTwips(outer.right - outer.left, dpi),
                            toTwips(outer.bottom - outer.top, dpi), IsIconic(form_) != FALSE));
}

void Form1::placeControls(const FormLayout& layout) {
  const double dpi = windowDpi(form_);
  place(frame1_, layout.frame1, dpi);
  place(text1_->handle(), layout.text1, dpi);
  place(frame2_, layout.frame2, dpi);
  place(text2_->handle(), layout.text2, dpi);
  placeFindBox();
}

void Form1::placeFindBox() { find_->place(); }

// The system's message font, or one that has the program's Chinese, at the
// window's DPI.
void Form1::useMessageFont() {
  HFONT font = createControlFont(windowDpi(form_));
  for (HWND control : {frame1_, frame2_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  std::swap(font, font_);
  useBoxFont();
  if (font != nullptr) {
    DeleteObject(font);
  }
}

// The log, the input box and the find box in the message font at the zoom.
void Form1::useBoxFont() {
  HFONT font = font_;
  HFONT zoomed = nullptr;
  if (zoom_ != Zoom::kNormal) {
    LOGFONTW scaled{};
    GetObjectW(font_, sizeof scaled, &scaled);
    scaled.lfHeight = static_cast<LONG>(std::lround(zoomedSize(scaled.lfHeight, zoom_)));
    scaled.lfWidth = static_cast<LONG>(std::lround(zoomedSize(scaled.lfWidth, zoom_)));
    zoomed = CreateFontIndirectW(&scaled);
    if (zoomed != nullptr) {
      font = zoomed;
    }
  }
  for (HWND control : {text1_->handle(), text2_->handle()}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  find_->setFont(font);
  std::swap(zoomed, zoomedFont_);
  if (zoomed != nullptr) {
    DeleteObject(zoomed);
  }
}

// The designed client area, centred in the screen's work area.
void Form1::placeCentred() {
  const UINT dpi = windowDpi(form_);
  RECT outer{0, 0, toPixels(kDesignClientWidth, dpi), toPixels(kDesignClientHeight, dpi)};
  adjustWindowRect(outer, kStyle, kExStyle, dpi);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(form_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zor
