#include "app/win32/LogView.h"

#include "app/logview/LogViewMenu.h"

#include "app/win32/WindowObject.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace zor {

namespace {

constexpr wchar_t kClassName[] = L"ZorLogView";
// Room between the frame and the text, in pixels.
constexpr int kMargin = 2;
// Right of every row.
constexpr int kFarRight = INT_MAX / 2;
// How often a drag past the view's edge scrolls a row.
constexpr UINT kDragScrollMs = 50;
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT_PTR kCopyCommand = 1;
constexpr UINT_PTR kSelectAllCommand = 2;

// A second registration fails harmlessly: the class is there already.
void registerClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

POINT pointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool pressed(int key) { return GetKeyState(key) < 0; }

// A rectangle filled in a plain colour.
void fill(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF before = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, L"", 0, nullptr);
  SetBkColor(dc, before);
}

}  // namespace

LogView::LogView(HWND frame) {
  registerClass(windowProc);
  CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, 0, 0, 0, 0, frame, nullptr,
                  GetModuleHandleW(nullptr), this);
  relayout();
}

LRESULT CALLBACK LogView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LogView* self = windowObject(window, message, lParam, &LogView::window_);
  return self == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                         : self->onMessage(message, wParam, lParam);
}

void LogView::mirror(const Log& log) {
  const LogSelection::Change change = selection_.mirror(log);
  if (change == LogSelection::Change::None) {
    return;
  }
  rows_.setLog(log);
  if (change == LogSelection::Change::Replaced) {
    rows_.forget();
    top_ = RowSpot{std::min(top_.line, log.lineCount() - 1), 0, 0};
  }
  showCaret();
}

LRESULT LogView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SIZE:
      relayout();
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      relayout();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    // Tab and Shift+Tab move on to the next control; the view keeps the
    // arrows and the keys it answers.
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    // The log's text for whoever reads the box's text: accessibility tools,
    // or a program that drives the window.
    case WM_GETTEXTLENGTH:
      return selection_.log() == nullptr ? 0
                                         : static_cast<LRESULT>(selection_.log()->text().size());
    case WM_GETTEXT:
      return static_cast<LRESULT>(textInto(reinterpret_cast<wchar_t*>(lParam), wParam));
    case WM_SETTEXT:
      return FALSE;
    case WM_VSCROLL:
      scrollBarMoved(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      if (keyDown(wParam)) {
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      SetFocus(window_);
      if (selection_.log() != nullptr) {
        SetCapture(window_);
        dragging_ = true;
        moveCaret(positionAt(pointOf(lParam)), (wParam & MK_SHIFT) != 0);
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (selection_.log() != nullptr) {
        selection_.selectWordAt(positionAt(pointOf(lParam)));
        placeCaret();
        InvalidateRect(window_, nullptr, FALSE);
      }
      return 0;
    // Dragging past the top or the bottom scrolls a row at a time, and goes
    // on scrolling while the mouse stays there.
    case WM_MOUSEMOVE: {
      if (!dragging_ || (wParam & MK_LBUTTON) == 0) {
        return 0;
      }
      dragPoint_ = pointOf(lParam);
      dragOn();
      RECT client;
      GetClientRect(window_, &client);
      if (dragPoint_.y < 0 || dragPoint_.y >= client.bottom) {
        SetTimer(window_, kDragTimer, kDragScrollMs, nullptr);
      } else {
        KillTimer(window_, kDragTimer);
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == kDragTimer && dragging_) {
        dragOn();
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      KillTimer(window_, kDragTimer);
      return 0;
    case WM_CONTEXTMENU:
      contextMenu(lParam);
      return 0;
    case WM_SETFOCUS:
      CreateCaret(window_, nullptr, 1, rows_.rowHeight());
      placeCaret();
      ShowCaret(window_);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

std::size_t LogView::textInto(wchar_t* buffer, std::size_t room) const {
  if (buffer == nullptr || room == 0) {
    return 0;
  }
  const std::u16string empty;
  const std::u16string& text = selection_.log() == nullptr ? empty : selection_.log()->text();
  const std::size_t count = std::min(text.size(), room - 1);
  std::memcpy(buffer, text.data(), count * sizeof(wchar_t));
  buffer[count] = L'\0';
  return count;
}

int LogView::rowsOnScreen() const {
  RECT client;
  GetClientRect(window_, &client);
  return std::max(1, (static_cast<int>(client.bottom) - kMargin) / rows_.rowHeight());
}

void LogView::relayout() {
  if (window_ == nullptr) {
    return;
  }
  RECT client;
  GetClientRect(window_, &client);
  rows_.setFormat(font_, static_cast<int>(client.right) - 2 * kMargin);
  if (font_ != nullptr && GetFocus() == window_) {
    CreateCaret(window_, nullptr, 1, rows_.rowHeight());
    ShowCaret(window_);
  }
  scrollTo(selection_.log() != nullptr ? rows_.moved(top_, 0) : RowSpot{});
}

// Shows rows from `top` on, but no further down than needed to show the last
// row at the bottom; the scroll bar follows. It is always there, and is
// disabled when there is nothing to scroll.
void LogView::scrollTo(RowSpot top) {
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  const int page = rowsOnScreen();
  if (selection_.log() != nullptr) {
    const RowSpot end = rows_.lastTop(page);
    top_ = std::min(top, end);
    const std::size_t last = std::min<std::size_t>(LogRows::lastScrollLine(end), INT_MAX / 2);
    bar.nMax = static_cast<int>(last) + page - 1;
    bar.nPos = static_cast<int>(top_ == end ? last : std::min(top_.line, last));
  } else {
    top_ = RowSpot{};
    bar.nMax = page - 1;
  }
  bar.nPage = static_cast<UINT>(page);
  SetScrollInfo(window_, SB_VERT, &bar, TRUE);
  InvalidateRect(window_, nullptr, FALSE);
  placeCaret();
}

void LogView::scrollRows(long rows) {
  if (selection_.log() != nullptr) {
    scrollTo(rows_.moved(top_, rows));
  }
}

void LogView::scrollBarMoved(int code) {
  const long page = rowsOnScreen();
  switch (code) {
    case SB_LINEUP:
      scrollRows(-1);
      break;
    case SB_LINEDOWN:
      scrollRows(1);
      break;
    case SB_PAGEUP:
      scrollRows(-page);
      break;
    case SB_PAGEDOWN:
      scrollRows(page);
      break;
    case SB_TOP:
      scrollTo(RowSpot{});
      break;
    case SB_BOTTOM:
      scrollTo(rows_.lastRow());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO bar{};
      bar.cbSize = sizeof bar;
      bar.fMask = SIF_ALL;
      GetScrollInfo(window_, SB_VERT, &bar);
      const int last = bar.nMax - static_cast<int>(bar.nPage) + 1;
      if (selection_.log() != nullptr) {
        scrollTo(bar.nTrackPos >= last
                     ? rows_.lastRow()
                     : RowSpot{static_cast<std::size_t>(std::max(bar.nTrackPos, 0)), 0, 0});
      }
      break;
    }
    default:
      break;
  }
}

void LogView::showCaret() { scrollTo(rows_.topShowing(top_, selection_.caret(), rowsOnScreen())); }

// The system caret stands at the view's caret when that is on screen, and
// out of sight otherwise.
void LogView::placeCaret() {
  if (GetFocus() != window_) {
    return;
  }
  POINT at{-kFarRight, -kFarRight};
  if (selection_.log() != nullptr) {
    const RowSpot spot = rows_.spotOf(selection_.caret());
    RowSpot row = top_;
    for (int onScreen = 0, rows = rowsOnScreen(); onScreen <= rows; ++onScreen) {
      if (row == spot) {
        at = POINT{kMargin + rows_.xOf(selection_.caret()), kMargin + onScreen * rows_.rowHeight()};
        break;
      }
      const RowSpot next = rows_.moved(row, 1);
      if (next == row) {
        break;
      }
      row = next;
    }
  }
  SetCaretPos(at.x, at.y);
}

void LogView::moveCaret(std::size_t position, bool keepAnchor) {
  selection_.moveCaret(position, keepAnchor);
  showCaret();
}

std::size_t LogView::bottomPosition() {
  RECT client;
  GetClientRect(window_, &client);
  return log() == nullptr ? 0 : positionAt(POINT{kFarRight, client.bottom});
}

void LogView::selectRange(std::size_t start, std::size_t end) {
  if (log() == nullptr) {
    return;
  }
  moveCaret(end, false);
  moveCaret(start, true);
}

std::size_t LogView::positionAt(POINT point) {
  const int y = static_cast<int>(point.y) - kMargin;
  const int height = rows_.rowHeight();
  const long row = y < 0 ? -1 - (-y - 1) / height : y / height;
  return rows_.positionAt(rows_.moved(top_, row), static_cast<int>(point.x) - kMargin);
}

void LogView::dragOn() {
  RECT client;
  GetClientRect(window_, &client);
  if (dragPoint_.y < 0) {
    scrollRows(-1);
  } else if (dragPoint_.y >= client.bottom) {
    scrollRows(1);
  }
  const POINT inside{dragPoint_.x, std::clamp<LONG>(dragPoint_.y, 0, client.bottom - 1)};
  selection_.moveCaret(positionAt(inside), true);
  placeCaret();
  InvalidateRect(window_, nullptr, FALSE);
}

bool LogView::keyDown(WPARAM key) {
  const Log* log = selection_.log();
  if (log == nullptr) {
    return false;
  }
  const bool control = pressed(VK_CONTROL);
  const bool extend = pressed(VK_SHIFT);
  if (control && (key == 'C' || key == VK_INSERT)) {
    copy();
    return true;
  }
  if (control && key == 'A') {
    selectAll();
    return true;
  }
  const std::size_t caret = selection_.caret();
  // Past the first or the last row is the start or the end of the log.
  const auto rowsAway = [this, caret, log](long rows) {
    const RowSpot from = rows_.spotOf(caret);
    const RowSpot to = rows_.moved(from, rows);
    if (to == from) {
      return rows < 0 ? std::size_t{0} : log->text().size();
    }
    return rows_.positionAt(to, rows_.xOf(caret));
  };
  const long page = rowsOnScreen();
  switch (key) {
    case VK_HOME:
      moveCaret(control ? 0 : rows_.positionAt(rows_.spotOf(caret), 0), extend);
      return true;
    case VK_END:
      moveCaret(control ? log->text().size() : rows_.positionAt(rows_.spotOf(caret), kFarRight),
                extend);
      return true;
    case VK_RIGHT:
      moveCaret(selection_.nextPosition(caret), extend);
      return true;
    case VK_LEFT:
      moveCaret(selection_.previousPosition(caret), extend);
      return true;
    case VK_DOWN:
      moveCaret(rowsAway(1), extend);
      return true;
    case VK_UP:
      moveCaret(rowsAway(-1), extend);
      return true;
    case VK_NEXT:
    case VK_PRIOR: {
      const long rows = key == VK_NEXT ? page : -page;
      const std::size_t position = rowsAway(rows);
      scrollRows(rows);
      moveCaret(position, extend);
      return true;
    }
    default:
      return false;
  }
}

// The selection with the log's own line ends, as Unicode text.
void LogView::copy() const {
  if (selection_.empty() || !OpenClipboard(window_)) {
    return;
  }
  EmptyClipboard();
  const std::u16string text = selection_.selectedText();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
    auto* target = static_cast<char16_t*>(GlobalLock(memory));
    std::memcpy(target, text.c_str(), (text.size() + 1) * sizeof(char16_t));
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void LogView::selectAll() {
  selection_.selectAll();
  placeCaret();
  InvalidateRect(window_, nullptr, FALSE);
}

// The same entries as the Qt view's menu, with their keys shown.
void LogView::contextMenu(LPARAM where) {
  POINT at = pointOf(where);
  if (where == -1) {  // from the keyboard: at the caret
    GetCaretPos(&at);
    ClientToScreen(window_, &at);
  }
  HMENU menu = CreatePopupMenu();
  const Log* log = selection_.log();
  const auto state = [](bool enabled) {
    return static_cast<UINT>(enabled ? MF_ENABLED : MF_GRAYED);
  };
  AppendMenuW(menu, MF_STRING | state(!selection_.empty()), kCopyCommand,
              reinterpret_cast<const wchar_t*>(kCopyEntry));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | state(log != nullptr && !log->text().empty()), kSelectAllCommand,
              reinterpret_cast<const wchar_t*>(kSelectAllEntry));
  const UINT_PTR chosen = static_cast<UINT_PTR>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) {
    copy();
  } else if (chosen == kSelectAllCommand) {
    selectAll();
  }
}

// A notch scrolls the system's number of rows, or a page; finer wheels add
// up.
void LogView::wheel(short delta) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const long perNotch = lines == WHEEL_PAGESCROLL ? rowsOnScreen() : static_cast<long>(lines);
  wheelTurn_ += static_cast<long>(delta) * perNotch;
  const long rows = wheelTurn_ / WHEEL_DELTA;
  wheelTurn_ -= rows * WHEEL_DELTA;
  scrollRows(-rows);
}

// Drawn off screen first, so that a repaint never flickers.
void LogView::paint() {
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1),
                                          std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  // The colours the parent gives an edit box: the form's scheme.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window_), WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(window_)));
  FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  if (selection_.log() != nullptr) {
    RowSpot spot = top_;
    int y = kMargin - top_.row * rows_.rowHeight();
    while (y < client.bottom) {
      const auto piece = rows_.piece(spot);
      drawPiece(dc, *piece, y, client.bottom);
      y += piece->rows() * rows_.rowHeight();
      if (!rows_.toNextPiece(spot)) {
        break;
      }
    }
  }
  BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(window_, &ps);
}

// Each row is drawn at the places it was measured at; the selected part is
// drawn again over it in the highlight colours.
void LogView::drawPiece(HDC dc, const LaidOutPiece& piece, int y, int height) {
  const WrappedPiece& wrapped = piece.wrapped;
  const auto* text = reinterpret_cast<const wchar_t*>(wrapped.text().data());
  const int rowHeight = rows_.rowHeight();
  const std::size_t start = std::clamp(selection_.start(), piece.begin, piece.end) - piece.begin;
  const std::size_t end = std::clamp(selection_.end(), piece.begin, piece.end) - piece.begin;
  std::vector<int> advances;
  for (int row = 0; row < wrapped.rows(); ++row, y += rowHeight) {
    if (y + rowHeight <= 0 || y >= height) {
      continue;
    }
    const std::size_t begin = wrapped.rowBegin(row);
    const std::size_t rowEnd = wrapped.rowEnd(row);
    const int base = wrapped.left(begin);
    advances.clear();
    for (std::size_t i = begin; i < rowEnd; ++i) {
      advances.push_back(wrapped.left(i + 1) - wrapped.left(i));
    }
    ExtTextOutW(dc, kMargin, y, 0, nullptr, text + begin, static_cast<UINT>(rowEnd - begin),
                advances.data());
    const std::size_t from = std::max(start, begin);
    const std::size_t to = std::min(end, rowEnd);
    if (from < to) {
      const int left = kMargin + wrapped.left(from) - base;
      const RECT marked{left, y, kMargin + wrapped.left(to) - base, y + rowHeight};
      const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
      ExtTextOutW(dc, left, y, ETO_OPAQUE, &marked, text + from, static_cast<UINT>(to - from),
                  advances.data() + (from - begin));
      SetBkColor(dc, back);
      SetTextColor(dc, colour);
    }
  }
  // A selected line end shows as a selected blank after the line's text.
  const Log& log = *selection_.log();
  const std::size_t line = log.lineOf(piece.begin);
  if (piece.end == log.lineEnd(line) && line + 1 < log.lineCount() &&
      selection_.start() <= piece.end && selection_.end() > piece.end) {
    const int last = wrapped.rows() - 1;
    const int rowY = y - rowHeight;
    const int left =
        kMargin + wrapped.left(wrapped.text().size()) - wrapped.left(wrapped.rowBegin(last));
    fill(dc, RECT{left, rowY, left + rowHeight / 3, rowY + rowHeight},
         GetSysColor(COLOR_HIGHLIGHT));
  }
}

}  // namespace zor
