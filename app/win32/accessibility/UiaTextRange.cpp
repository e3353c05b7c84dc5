#include "app/win32/accessibility/UiaTextRange.h"

#include "app/logview/TextNeedle.h"
#include "app/win32/LogView.h"
#include "app/win32/accessibility/UiaCore.h"
#include "app/win32/accessibility/UiaProvider.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace zor {

namespace {

// Asked of a range to tell whether it is one of these.
constexpr GUID kThisRange = {
    0x6d1f3a52, 0x8c4e, 0x4b9a, {0x9e, 0x21, 0x5f, 0x73, 0x0b, 0xc4, 0xd8, 0x16}};

using UiaGetReservedNotSupportedValueFn = HRESULT(WINAPI*)(IUnknown**);

// The model's unit for UI Automation's; none for the whole document. A line
// is a row as wrapped on screen, a paragraph a line of the log; there are
// no formats or pages apart from those.
std::optional<TextUnit> modelUnit(UiaTextUnit unit) {
  switch (unit) {
    case UiaTextUnit_Character:
      return TextUnit::Character;
    case UiaTextUnit_Word:
      return TextUnit::Word;
    case UiaTextUnit_Format:
    case UiaTextUnit_Line:
      return TextUnit::Row;
    case UiaTextUnit_Paragraph:
      return TextUnit::Line;
    default:
      return std::nullopt;
  }
}

// The unit holding `position`, the last one at the end of the log.
TextRange enclosing(LogViewModel& model, std::size_t position, std::size_t size,
                    std::optional<TextUnit> unit) {
  if (!unit || size == 0) {
    return {0, size};
  }
  return model.unitAt(std::min(position, size - 1), *unit);
}

// Where the next unit after `position` starts, or the previous one before
// it; `position` itself when there is none.
std::size_t step(LogViewModel& model, std::size_t position, std::size_t size,
                 std::optional<TextUnit> unit, bool forward) {
  if (forward) {
    return !unit || position >= size ? size : model.unitAt(position, *unit).end;
  }
  if (!unit || position == 0) {
    return 0;
  }
  const TextRange holding = model.unitAt(position, *unit);
  return holding.begin < position && holding.begin < holding.end
             ? holding.begin
             : model.unitAt(position - 1, *unit).begin;
}

// Moves `position` by up to `count` units; gives how many it moved.
int moveBy(LogViewModel& model, std::size_t& position, std::size_t size,
           std::optional<TextUnit> unit, int count) {
  int moved = 0;
  while (moved != count) {
    const bool forward = count > 0;
    const std::size_t next = step(model, position, size, unit, forward);
    if (next == position) {
      break;
    }
    position = next;
    moved += forward ? 1 : -1;
  }
  return moved;
}

BSTR bstrOf(std::u16string_view text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

}  // namespace

UiaTextRange::UiaTextRange(UiaProvider& provider, TextRange range)
    : provider_(provider), begin_(range.begin), end_(range.end) {
  provider_.AddRef();
}

UiaTextRange::~UiaTextRange() { provider_.Release(); }

UiaTextRange* UiaTextRange::from(ITextRangeProvider* other) {
  void* self = nullptr;
  if (other == nullptr || FAILED(other->QueryInterface(kThisRange, &self))) {
    return nullptr;
  }
  auto* range = static_cast<UiaTextRange*>(self);
  range->Release();
  return range;
}

HRESULT UiaTextRange::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (id == __uuidof(IUnknown) || id == __uuidof(ITextRangeProvider) || id == kThisRange) {
    *object = static_cast<ITextRangeProvider*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG UiaTextRange::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG UiaTextRange::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

LogView* UiaTextRange::view() {
  LogView* view = provider_.view();
  if (view != nullptr) {
    const std::size_t size = view->logText().size();
    end_ = std::min(end_, size);
    begin_ = std::min(begin_, end_);
  }
  return view;
}

// An endpoint moved past the other takes the other along.
void UiaTextRange::keepOrder(UiaEndpoint moved) {
  if (begin_ > end_) {
    (moved == UiaEndpoint_Start ? end_ : begin_) = endpoint(moved);
  }
}

HRESULT UiaTextRange::Clone(ITextRangeProvider** range) {
  *range = view() == nullptr ? nullptr : new UiaTextRange(provider_, {begin_, end_});
  return *range == nullptr ? kElementNotAvailable : S_OK;
}

HRESULT UiaTextRange::Compare(ITextRangeProvider* range, BOOL* same) {
  const UiaTextRange* other = from(range);
  if (other == nullptr) {
    return E_INVALIDARG;
  }
  if (view() == nullptr) {
    return kElementNotAvailable;
  }
  *same = other->begin_ == begin_ && other->end_ == end_;
  return S_OK;
}

HRESULT UiaTextRange::CompareEndpoints(UiaEndpoint which, ITextRangeProvider* target,
                                       UiaEndpoint targetEndpoint, int* order) {
  UiaTextRange* other = from(target);
  if (other == nullptr) {
    return E_INVALIDARG;
  }
  if (view() == nullptr || other->view() == nullptr) {
    return kElementNotAvailable;
  }
  const std::size_t here = endpoint(which);
  const std::size_t there = other->endpoint(targetEndpoint);
  *order = here < there ? -1 : here > there ? 1 : 0;
  return S_OK;
}

HRESULT UiaTextRange::ExpandToEnclosingUnit(UiaTextUnit unit) {
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  const TextRange range =
      enclosing(shown->model(), begin_, shown->logText().size(), modelUnit(unit));
  begin_ = range.begin;
  end_ = range.end;
  return S_OK;
}

// The log has no formatting to find.
HRESULT UiaTextRange::FindAttribute(TEXTATTRIBUTEID, VARIANT, BOOL, ITextRangeProvider** found) {
  *found = nullptr;
  return view() == nullptr ? kElementNotAvailable : S_OK;
}

HRESULT UiaTextRange::FindText(BSTR text, BOOL backward, BOOL ignoreCase,
                               ITextRangeProvider** found) {
  *found = nullptr;
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  const TextNeedle needle(
      std::u16string_view(reinterpret_cast<const char16_t*>(text), SysStringLen(text)),
      !ignoreCase);
  if (needle.empty()) {
    return E_INVALIDARG;
  }
  const std::u16string_view within = std::u16string_view(shown->logText()).substr(0, end_);
  const std::size_t at = backward ? needle.findBackward(within, begin_, end_)
                                  : needle.findForward(within, begin_, end_);
  if (at != TextNeedle::npos) {
    *found = new UiaTextRange(provider_, {at, at + needle.size()});
  }
  return S_OK;
}

// The log's text has no attributes of its own: every one is "not supported".
HRESULT UiaTextRange::GetAttributeValue(TEXTATTRIBUTEID, VARIANT* value) {
  VariantInit(value);
  if (view() == nullptr) {
    return kElementNotAvailable;
  }
  const auto notSupported =
      uiaFunction<UiaGetReservedNotSupportedValueFn>("UiaGetReservedNotSupportedValue");
  if (notSupported != nullptr && SUCCEEDED(notSupported(&value->punkVal))) {
    value->vt = VT_UNKNOWN;
  }
  return S_OK;
}

// One rectangle, in screen pixels, for the part of each row on screen that
// the range covers; a collapsed range on screen gives the caret's.
HRESULT UiaTextRange::GetBoundingRectangles(SAFEARRAY** rectangles) {
  *rectangles = nullptr;
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  LogViewModel& model = shown->model();
  const TextRange screen = model.onScreen();
  const std::size_t from = std::max(begin_, screen.begin);
  const std::size_t to = std::min(end_, screen.end);
  std::vector<ViewBox> boxes;
  if (begin_ == end_ && from == to) {
    if (const auto caret = model.caretBoxAt(from)) {
      boxes.push_back(*caret);
    }
  }
  for (std::size_t at = from; at < to;) {
    const TextRange row = model.unitAt(at, TextUnit::Row);
    const auto first = model.caretBoxAt(at);
    if (row.end <= at || !first) {
      break;
    }
    const std::size_t last = model.unitAt(std::min(to, row.end) - 1, TextUnit::Character).begin;
    const auto lastBox = model.caretBoxAt(last);
    const auto after = model.caretBoxAt(std::min(to, row.end));
    int right = lastBox ? lastBox->left + 1 : first->left + 1;
    if (after && lastBox && after->top == lastBox->top) {
      right = after->left;
    }
    boxes.push_back({first->left, first->top, std::max(right - first->left, 1), first->height});
    at = row.end;
  }
  *rectangles = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(boxes.size() * 4));
  if (*rectangles == nullptr) {
    return E_OUTOFMEMORY;
  }
  LONG index = 0;
  for (const ViewBox& box : boxes) {
    POINT corner{box.left, box.top};
    ClientToScreen(shown->handle(), &corner);
    for (double part :
         {double(corner.x), double(corner.y), double(box.width), double(box.height)}) {
      SafeArrayPutElement(*rectangles, &index, &part);
      ++index;
    }
  }
  return S_OK;
}

HRESULT UiaTextRange::GetEnclosingElement(IRawElementProviderSimple** element) {
  *element = nullptr;
  if (view() == nullptr) {
    return kElementNotAvailable;
  }
  provider_.AddRef();
  *element = &provider_;
  return S_OK;
}

// Copies no more than `maxLength` characters; -1 asks for the whole range.
HRESULT UiaTextRange::GetText(int maxLength, BSTR* text) {
  *text = nullptr;
  if (maxLength < -1) {
    return E_INVALIDARG;
  }
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  std::size_t length = end_ - begin_;
  if (maxLength >= 0) {
    length = std::min(length, static_cast<std::size_t>(maxLength));
  }
  *text = bstrOf(std::u16string_view(shown->logText()).substr(begin_, length));
  return *text == nullptr && length > 0 ? E_OUTOFMEMORY : S_OK;
}

// A collapsed range moves as a place; any other becomes the unit at its
// start, then moves whole, never onto the empty end of the log.
HRESULT UiaTextRange::Move(UiaTextUnit unit, int count, int* moved) {
  *moved = 0;
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  LogViewModel& model = shown->model();
  const std::size_t size = shown->logText().size();
  const std::optional<TextUnit> inModel = modelUnit(unit);
  if (begin_ == end_) {
    *moved = moveBy(model, begin_, size, inModel, count);
    end_ = begin_;
    return S_OK;
  }
  std::size_t start = enclosing(model, begin_, size, inModel).begin;
  std::size_t at = start;
  *moved = moveBy(model, at, size, inModel, count);
  if (at >= size && *moved > 0) {
    at = start;
    *moved = moveBy(model, at, size, inModel, *moved - 1);
  }
  const TextRange range = enclosing(model, at, size, inModel);
  begin_ = range.begin;
  end_ = range.end;
  return S_OK;
}

HRESULT UiaTextRange::MoveEndpointByUnit(UiaEndpoint which, UiaTextUnit unit, int count,
                                         int* moved) {
  *moved = 0;
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  std::size_t& place = endpoint(which);
  *moved = moveBy(shown->model(), place, shown->logText().size(), modelUnit(unit), count);
  keepOrder(which);
  return S_OK;
}

HRESULT UiaTextRange::MoveEndpointByRange(UiaEndpoint which, ITextRangeProvider* target,
                                          UiaEndpoint targetEndpoint) {
  UiaTextRange* other = from(target);
  if (other == nullptr) {
    return E_INVALIDARG;
  }
  if (view() == nullptr || other->view() == nullptr) {
    return kElementNotAvailable;
  }
  endpoint(which) = other->endpoint(targetEndpoint);
  keepOrder(which);
  return S_OK;
}

HRESULT UiaTextRange::Select() {
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  shown->model().select(begin_, end_);
  shown->refresh();
  return S_OK;
}

// The view has one selection only.
HRESULT UiaTextRange::AddToSelection() { return E_FAIL; }
HRESULT UiaTextRange::RemoveFromSelection() { return E_FAIL; }

HRESULT UiaTextRange::ScrollIntoView(BOOL alignToTop) {
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  shown->model().showPosition(alignToTop ? begin_ : end_);
  shown->refresh();
  return S_OK;
}

// The log holds no elements of its own.
HRESULT UiaTextRange::GetChildren(SAFEARRAY** children) {
  *children = SafeArrayCreateVector(VT_UNKNOWN, 0, 0);
  return *children == nullptr ? E_OUTOFMEMORY : S_OK;
}

}  // namespace zor
