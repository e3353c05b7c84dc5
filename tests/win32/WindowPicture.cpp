#include "tests/win32/WindowPicture.h"

#include "app/win32/Dpi.h"
#include "app/win32/Fonts.h"
#include "tests/support/PictureRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zor::remote {

using test::Area;
using test::DrawnWindow;
using test::Part;
using test::Pixels;
using test::Scheme;

namespace {

// The picture of the window's client area: 8-bit red, green and blue, row
// after row, as big as the client area.
bool load(HWND form, const std::wstring& file, Pixels& picture) {
  RECT client;
  GetClientRect(form, &client);
  picture.width = client.right;
  picture.height = client.bottom;
  const auto count =
      static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  std::vector<unsigned char> bytes(count * 3 + 1);
  FILE* in = _wfopen(file.c_str(), L"rb");
  if (in == nullptr) {
    return false;
  }
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), in);
  std::fclose(in);
  if (read != count * 3) {
    return false;
  }
  picture.rgb.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    picture.rgb[i] = (std::uint32_t{bytes[3 * i]} << 16) | (std::uint32_t{bytes[3 * i + 1]} << 8) |
                     bytes[3 * i + 2];
  }
  return true;
}

std::uint32_t rgb(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

std::wstring textOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

RECT inForm(HWND form, RECT screen) {
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&screen), 2);
  return screen;
}
RECT placeOf(HWND form, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return inForm(form, r);
}
RECT clientOf(HWND form, HWND control) {
  RECT r;
  GetClientRect(control, &r);
  MapWindowPoints(control, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

Area areaOf(const RECT& r) { return Area{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Measures the window's texts in the font its controls are drawn in.
class Measure {
 public:
  explicit Measure(HWND form) : dpi_(windowDpi(form)), font_(createControlFont(dpi_)) {
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, font_);
    GetTextMetricsW(dc_, &metrics_);
  }
  ~Measure() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(font_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  SIZE extent(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  int scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }
  const TEXTMETRICW& metrics() const { return metrics_; }

 private:
  UINT dpi_;
  HFONT font_;
  HDC dc_;
  HGDIOBJ old_;
  TEXTMETRICW metrics_{};
};

Part part(std::string name, const RECT& r, SIZE natural) {
  return Part{std::move(name), areaOf(r), natural.cx, natural.cy};
}

// The window as drawn: a frame needs its caption and its indents, a text
// box a line of its font in its text area, a label its text, a check box
// its text after the check mark, the match the room its text takes.
DrawnWindow drawn(HWND form, const Pixels& pixels, const std::wstring& match) {
  const Measure measure(form);
  const SIZE line{measure.metrics().tmAveCharWidth, measure.metrics().tmHeight};
  DrawnWindow window;
  for (HWND frame = FindWindowExW(form, nullptr, L"BUTTON", nullptr); frame != nullptr;
       frame = FindWindowExW(form, frame, L"BUTTON", nullptr)) {
    const RECT place = placeOf(form, frame);
    const SIZE caption = measure.extent(textOf(frame));
    const int indent = measure.scaled(8);
    HWND view = FindWindowExW(frame, nullptr, L"ZorLogView", nullptr);
    window.parts.push_back(part(view != nullptr ? "Frame1" : "Frame2", place,
                                SIZE{caption.cx + 2 * indent, caption.cy}));
    (view != nullptr ? window.frame1Caption : window.frame2Caption) =
        Area{place.left + indent, place.top, caption.cx, caption.cy};
    if (view == nullptr) {
      HWND input = FindWindowExW(frame, nullptr, L"EDIT", nullptr);
      window.parts.push_back(part("Text2", clientOf(form, input), line));
      window.inputHasText = !textOf(input).empty();
      continue;
    }
    window.parts.push_back(part("Text1", clientOf(form, view), SIZE{1, line.cy}));
    // The scroll bar lies between the text area and the right border.
    if ((GetWindowLongW(view, GWL_STYLE) & WS_VSCROLL) != 0) {
      const RECT outer = placeOf(form, view);
      const RECT inner = clientOf(form, view);
      window.parts.push_back(
          part("Text1.scrollbar",
               RECT{inner.right, inner.top, outer.right - (inner.left - outer.left), inner.bottom},
               SIZE{}));
    }
    if (!match.empty()) {
      // The selection's colour as drawn, in the log's text area.
      const Area text = areaOf(clientOf(form, view));
      const std::uint32_t highlight = rgb(GetSysColor(COLOR_HIGHLIGHT));
      RECT seen{text.right(), text.bottom(), text.left, text.top};
      for (int y = text.top; y < text.bottom(); ++y) {
        for (int x = text.left; x < text.right(); ++x) {
          if (pixels.at(x, y) == highlight) {
            seen = RECT{std::min<LONG>(seen.left, x), std::min<LONG>(seen.top, y),
                        std::max<LONG>(seen.right, x + 1), std::max<LONG>(seen.bottom, y + 1)};
          }
        }
      }
      if (seen.right < seen.left) {
        seen = RECT{};
      }
      window.match = part("match", seen, SIZE{measure.extent(match).cx, line.cy});
    }
  }
  HWND box = FindWindowExW(form, nullptr, L"ZorFindBox", nullptr);
  if (box == nullptr || !IsWindowVisible(box)) {
    return window;
  }
  window.parts.push_back(part("FindBox", placeOf(form, box), SIZE{}));
  int labels = 0;
  for (HWND child = FindWindowExW(box, nullptr, nullptr, nullptr); child != nullptr;
       child = FindWindowExW(box, child, nullptr, nullptr)) {
    if (!IsWindowVisible(child)) {
      continue;
    }
    const std::wstring kind = className(child);
    const SIZE text = measure.extent(textOf(child));
    if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
      window.parts.push_back(part("FindBox.edit", clientOf(form, child), line));
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      window.parts.push_back(
          part("FindBox.check", placeOf(form, child), SIZE{text.cx + measure.scaled(16), text.cy}));
    } else {
      // The label comes before the count.
      window.parts.push_back(
          part(labels++ == 0 ? "FindBox.label" : "FindBox.count", placeOf(form, child), text));
    }
  }
  return window;
}

}  // namespace

int checkPicture(HWND form, bool dark, const std::wstring& file, const std::wstring& match) {
  Pixels pixels;
  if (!load(form, file, pixels)) {
    std::printf("the picture is not the window's client area\n");
    return 1;
  }
  const DrawnWindow window = drawn(form, pixels, match);
  for (const Part& p : window.parts) {
    std::printf("%s %s needs %dx%d\n", p.name.c_str(), describe(p.area).c_str(), p.naturalWidth,
                p.naturalHeight);
  }
  const Scheme scheme{dark ? rgb(GetSysColor(COLOR_DESKTOP)) : 0xFFFFFFU, dark ? 0xFFFFFFU : 0U,
                      rgb(GetSysColor(COLOR_BTNFACE))};
  const std::vector<std::string> faults = pictureFaults(window, pixels, scheme);
  for (const std::string& fault : faults) {
    std::printf("FAULT: %s\n", fault.c_str());
  }
  return faults.empty() ? 0 : 1;
}

}  // namespace zor::remote
