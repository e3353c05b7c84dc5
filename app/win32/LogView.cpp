#include "app/win32/LogView.h"

#include "app/logview/CaretKey.h"
#include "app/logview/LogViewMenu.h"

#include "app/win32/WideText.h"
#include "app/win32/WindowObject.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace zor {

namespace {

constexpr wchar_t kClassName[] = L"ZorLogView";
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

RECT rectOf(const ViewBox& box) {
  return RECT{box.left, box.top, box.left + box.width, box.top + box.height};
}

std::optional<CaretKey> caretKey(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return CaretKey::Left;
    case VK_RIGHT:
      return CaretKey::Right;
    case VK_UP:
      return CaretKey::Up;
    case VK_DOWN:
      return CaretKey::Down;
    case VK_PRIOR:
      return CaretKey::PageUp;
    case VK_NEXT:
      return CaretKey::PageDown;
    case VK_HOME:
      return CaretKey::Home;
    case VK_END:
      return CaretKey::End;
    default:
      return std::nullopt;
  }
}

}  // namespace

LogView::LogView(HWND frame) {
  registerClass(objectWindowProc<LogView, &LogView::window_, &LogView::onMessage>);
  CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, 0, 0, 0, 0, frame, nullptr,
                  GetModuleHandleW(nullptr), this);
  relayout();
}

void LogView::mirror(const Log& log) {
  if (model_.mirror(log) != LogSelection::Change::None) {
    refresh();
    readers_.changed(model_.lastChange());
  }
}

std::u16string LogView::name() const { return windowText(GetParent(window_)); }

const std::u16string& LogView::logText() const {
  static const std::u16string empty;
  return model_.log() == nullptr ? empty : model_.log()->text();
}

std::u16string LogView::textOnScreen() {
  const TextRange shown = model_.onScreen();
  return logText().substr(shown.begin, shown.end - shown.begin);
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
      // The old font may go once this returns; the drawing's bitmap keeps
      // the new one selected.
      if (buffer_.dc() != nullptr) {
        SelectObject(buffer_.dc(), viewFont());
      }
      fontChanged();
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
      return model_.log() == nullptr ? 0 : static_cast<LRESULT>(model_.log()->text().size());
    case WM_GETTEXT:
      return static_cast<LRESULT>(textInto(reinterpret_cast<wchar_t*>(lParam), wParam));
    case WM_SETTEXT:
      return FALSE;
    // The selection, and where a character is drawn, as an edit box tells
    // them: ends past 16 bits only through the pointers.
    case EM_GETSEL: {
      const LogSelection& selection = model_.selection();
      if (auto* start = reinterpret_cast<DWORD*>(wParam)) {
        *start = static_cast<DWORD>(selection.start());
      }
      if (auto* end = reinterpret_cast<DWORD*>(lParam)) {
        *end = static_cast<DWORD>(selection.end());
      }
      return selection.end() > 0xFFFF ? -1 : MAKELRESULT(selection.start(), selection.end());
    }
    case EM_POSFROMCHAR: {
      const std::optional<ViewBox> box = model_.caretBoxAt(wParam);
      return box ? MAKELRESULT(box->left, box->top) : -1;
    }
    case WM_GETOBJECT:
      if (const LRESULT object = readers_.answer(wParam, lParam)) {
        return object;
      }
      break;
    case WM_VSCROLL:
      scrollBarMoved(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      // With Ctrl it zooms: the window that owns the zoom gets it.
      if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
        break;
      }
      wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      if (keyDown(wParam)) {
        return 0;
      }
      break;
    case WM_LBUTTONDOWN: {
      SetFocus(window_);
      const POINT at = pointOf(lParam);
      if (model_.press(at.x, at.y, (wParam & MK_SHIFT) != 0)) {
        SetCapture(window_);
        refresh();
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      const POINT at = pointOf(lParam);
      model_.selectWordAt(at.x, at.y);
      refresh();
      return 0;
    }
    case WM_MOUSEMOVE: {
      if ((wParam & MK_LBUTTON) == 0 || !model_.dragging()) {
        return 0;
      }
      const POINT at = pointOf(lParam);
      if (model_.dragTo(at.x, at.y)) {
        SetTimer(window_, kDragTimer, LogViewModel::kDragScrollMs, nullptr);
      } else {
        KillTimer(window_, kDragTimer);
      }
      refresh();
      return 0;
    }
    case WM_TIMER:
      if (wParam == kDragTimer) {
        model_.dragOn();
        refresh();
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) {
        ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      model_.endDrag();
      KillTimer(window_, kDragTimer);
      return 0;
    case WM_CONTEXTMENU:
      contextMenu(lParam);
      return 0;
    case WM_SETFOCUS:
      focused_ = true;
      CreateCaret(window_, nullptr, 1, model_.rowHeight());
      placeCaret();
      ShowCaret(window_);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
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
  const std::u16string& text = model_.log() == nullptr ? empty : model_.log()->text();
  const std::size_t count = std::min(text.size(), room - 1);
  std::memcpy(buffer, text.data(), count * sizeof(wchar_t));
  buffer[count] = L'\0';
  return count;
}

void LogView::relayout() {
  if (window_ == nullptr) {
    return;
  }
  RECT client;
  GetClientRect(window_, &client);
  metrics_.setFont(font_);
  model_.resize(static_cast<int>(client.right), static_cast<int>(client.bottom));
  showCaretOfRows();
}

// Laid out again in the new font, the first row on screen keeping its
// first character.
void LogView::fontChanged() {
  if (window_ == nullptr) {
    return;
  }
  metrics_.setFont(font_);
  model_.fontChanged();
  showCaretOfRows();
}

// The caret is as high as a row.
void LogView::showCaretOfRows() {
  if (font_ != nullptr && focused_) {
    CreateCaret(window_, nullptr, 1, model_.rowHeight());
    ShowCaret(window_);
  }
  redrawAll();
}

void LogView::setMarks(const BoxColours& selection, const BoxColours& found) {
  if (selection != selection_ || found != found_) {
    selection_ = selection;
    found_ = found;
    redrawAll();
  }
}

void LogView::refresh() {
  showScrollBar();
  redraw();
  placeCaret();
}

void LogView::redrawAll() {
  drawn_.forget();
  refresh();
}

// The scroll bar is always there, and is disabled when there is nothing to
// scroll. It is drawn again only when it looks otherwise: on a long log, a
// line more does not move its thumb by a pixel.
void LogView::showScrollBar() {
  const ScrollBarState& state = model_.scrollBar();
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  bar.nMax = state.last + state.page - 1;
  bar.nPage = static_cast<UINT>(state.page);
  bar.nPos = state.value;
  SCROLLBARINFO before{};
  before.cbSize = sizeof before;
  GetScrollBarInfo(window_, OBJID_VSCROLL, &before);
  SetScrollInfo(window_, SB_VERT, &bar, FALSE);
  SCROLLBARINFO after{};
  after.cbSize = sizeof after;
  GetScrollBarInfo(window_, OBJID_VSCROLL, &after);
  if (before.xyThumbTop != after.xyThumbTop || before.xyThumbBottom != after.xyThumbBottom ||
      std::memcmp(before.rgstate, after.rgstate, sizeof before.rgstate) != 0 ||
      !EqualRect(&before.rcScrollBar, &after.rcScrollBar)) {
    RECT shown = after.rcScrollBar;
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&shown), 2);
    RedrawWindow(window_, &shown, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

// What the model shows now, against what is drawn: what is drawn moves with
// the rows at once, and what changed is drawn at the next paint.
void LogView::redraw() {
  RECT client;
  GetClientRect(window_, &client);
  const int height = static_cast<int>(client.bottom);
  const Redraw step = showNow(height);
  RECT changed{0, step.stale.top, client.right, step.stale.bottom};
  if (step.moved != 0) {
    changed = RECT{0, LogViewModel::kMargin, client.right, client.bottom};
    ScrollDC(buffer_.dc(), 0, step.moved, &changed, &changed, nullptr, nullptr);
  }
  if (!IsRectEmpty(&changed)) {
    InvalidateRect(window_, &changed, FALSE);
  }
}

void LogView::scrollBarMoved(int code) {
  const long page = model_.rowsOnScreen();
  switch (code) {
    case SB_LINEUP:
      model_.scrollRows(-1);
      break;
    case SB_LINEDOWN:
      model_.scrollRows(1);
      break;
    case SB_PAGEUP:
      model_.scrollRows(-page);
      break;
    case SB_PAGEDOWN:
      model_.scrollRows(page);
      break;
    case SB_TOP:
      model_.scrollToLine(0);
      break;
    case SB_BOTTOM:
      model_.scrollToLine(LONG_MAX);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO bar{};
      bar.cbSize = sizeof bar;
      bar.fMask = SIF_TRACKPOS;
      GetScrollInfo(window_, SB_VERT, &bar);
      model_.scrollToLine(bar.nTrackPos);
      break;
    }
    default:
      return;
  }
  refresh();
}

// The system caret stands at the view's caret when that is on screen, and
// out of sight otherwise.
void LogView::placeCaret() {
  if (focused_) {
    const auto caret = model_.caretBox();
    SetCaretPos(caret ? caret->left : -INT_MAX / 2, caret ? caret->top : -INT_MAX / 2);
  }
}

bool LogView::keyDown(WPARAM key) {
  if (model_.log() == nullptr) {
    return false;
  }
  const bool control = pressed(VK_CONTROL);
  if (control && (key == 'C' || key == VK_INSERT)) {
    copy();
    return true;
  }
  if (control && key == 'A') {
    model_.selectAll();
    refresh();
    return true;
  }
  if (const std::optional<CaretKey> caret = caretKey(key)) {
    model_.move(caretMotion(*caret, control), pressed(VK_SHIFT));
    refresh();
    return true;
  }
  return false;
}

// The selection with the log's own line ends, as Unicode text.
void LogView::copy() const {
  if (!model_.canCopy() || !OpenClipboard(window_)) {
    return;
  }
  EmptyClipboard();
  const std::u16string text = model_.selection().selectedText();
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

// The same entries as the Qt view's menu, with their keys shown.
void LogView::contextMenu(LPARAM where) {
  POINT at = pointOf(where);
  if (where == -1) {  // from the keyboard: at the caret
    GetCaretPos(&at);
    ClientToScreen(window_, &at);
  }
  HMENU menu = CreatePopupMenu();
  const auto state = [](bool enabled) {
    return static_cast<UINT>(enabled ? MF_ENABLED : MF_GRAYED);
  };
  AppendMenuW(menu, MF_STRING | state(model_.canCopy()), kCopyCommand,
              reinterpret_cast<const wchar_t*>(kCopyEntry));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | state(model_.canSelectAll()), kSelectAllCommand,
              reinterpret_cast<const wchar_t*>(kSelectAllEntry));
  const UINT_PTR chosen = static_cast<UINT_PTR>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) {
    copy();
  } else if (chosen == kSelectAllCommand) {
    model_.selectAll();
    refresh();
  }
}

// A notch scrolls the system's number of rows, or a page.
void LogView::wheel(short delta) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  model_.wheel(delta, lines == WHEEL_PAGESCROLL ? model_.rowsOnScreen() : static_cast<long>(lines));
  refresh();
}

// The rows the model shows now, in a view `height` pixels high, against
// what is drawn.
Redraw LogView::showNow(int height) {
  return drawn_.update(model_.piecesIn(0, height), model_.rowHeight(), LogViewModel::kMargin,
                       height);
}

// Drawn in the kept bitmap first, so that a repaint never flickers, and
// shown from there.
void LogView::paint() {
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  if (buffer_.fit(screen, static_cast<int>(client.right), static_cast<int>(client.bottom))) {
    drawn_.forget();
    showNow(static_cast<int>(client.bottom));
  }
  drawStale(client);
  BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, buffer_.dc(), ps.rcPaint.left, ps.rcPaint.top,
         SRCCOPY);
  EndPaint(window_, &ps);
}

void LogView::drawStale(const RECT& client) {
  const RowBand stale = drawn_.stale();
  if (stale.empty()) {
    return;
  }
  HDC dc = buffer_.dc();
  if (GetCurrentObject(dc, OBJ_FONT) != viewFont()) {
    SelectObject(dc, viewFont());
  }
  // The colours the parent gives an edit box: the form's scheme.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window_), WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(window_)));
  const RECT band{0, stale.top, client.right, stale.bottom};
  FillRect(dc, &band, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  // Rows show in the text area only, below the top margin.
  const RECT text{0, std::max<LONG>(band.top, LogViewModel::kMargin), band.right, band.bottom};
  for (const PieceOnScreen& onScreen : model_.piecesIn(text.top, text.bottom)) {
    drawPiece(dc, onScreen, text);
  }
  drawn_.drawn();
}

// Each row is drawn at the places it was measured at, inside its own row:
// a tall glyph never reaches into a row drawn at another time. The selected
// part is drawn again over it in the highlight colours.
void LogView::drawPiece(HDC dc, const PieceOnScreen& onScreen, const RECT& band) {
  const auto& measured = static_cast<const MeasuredPiece&>(*onScreen.piece);
  const WrappedPiece& wrapped = measured.wrapped;
  const int rowHeight = model_.rowHeight();
  int y = onScreen.y;
  for (int row = 0; row < wrapped.rows(); ++row, y += rowHeight) {
    const RECT shown{band.left, std::max<LONG>(y, band.top), band.right,
                     std::min<LONG>(y + rowHeight, band.bottom)};
    if (IsRectEmpty(&shown)) {
      continue;
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    const std::size_t begin = wrapped.rowBegin(row);
    const std::size_t rowEnd = wrapped.rowEnd(row);
    const int base = wrapped.left(begin);
    measured.draw(dc, onScreen.x, y, begin, rowEnd);
    // A marked part is drawn again over the row in its own colours.
    const auto mark = [&](std::size_t markFrom, std::size_t markTo, COLORREF ink, COLORREF paper) {
      const std::size_t from = std::max(markFrom, begin);
      const std::size_t to = std::min(markTo, rowEnd);
      if (from >= to) {
        return;
      }
      const int left = onScreen.x + wrapped.left(from) - base;
      const RECT marked{left, y, onScreen.x + wrapped.left(to) - base, y + rowHeight};
      const COLORREF colour = SetTextColor(dc, ink);
      const COLORREF back = SetBkColor(dc, paper);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &marked, L"", 0, nullptr);
      measured.draw(dc, left, y, from, to);
      SetBkColor(dc, back);
      SetTextColor(dc, colour);
    };
    for (const auto& [from, to] : onScreen.found) {
      mark(from, to, paintedColour(found_.text), paintedColour(found_.background));
    }
    mark(onScreen.selectedFrom, onScreen.selectedTo, paintedColour(selection_.text),
         paintedColour(selection_.background));
    RestoreDC(dc, saved);
  }
  const RECT end = onScreen.selectedLineEnd ? rectOf(*onScreen.selectedLineEnd) : RECT{};
  if (RECT mark; IntersectRect(&mark, &end, &band)) {
    const COLORREF before = SetBkColor(dc, paintedColour(selection_.background));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &mark, L"", 0, nullptr);
    SetBkColor(dc, before);
  }
}

}  // namespace zor
