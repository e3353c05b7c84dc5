#include "app/win32/accessibility/UiaTextRange.h"

#include "app/logview/TextNavigation.h"
#include "app/logview/TextNeedle.h"
#include "app/win32/LogView.h"
#include "app/win32/accessibility/Bstr.h"
#include "app/win32/accessibility/UiaCore.h"
#include "app/win32/accessibility/UiaProvider.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace zor {

namespace {

using UiaGetReservedNotSupportedValueFn = HRESULT(WINAPI*)(IUnknown**);

// The navigation's unit for UI Automation's. A line is a row as wrapped on
// screen, a paragraph a line of the log; there are no formats or pages
// apart from those.
TextUnit unitOf(UiaTextUnit unit) {
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
      return TextUnit::Document;
  }
}

}  // namespace

UiaTextRange::UiaTextRange(UiaProvider& provider, TextRange range)
    : provider_(provider), begin_(range.begin), end_(range.end) {
  provider_.AddRef();
}

UiaTextRange::~UiaTextRange() { provider_.Release(); }

UiaTextRange* UiaTextRange::from(ITextRangeProvider* other) {
  void* self = nullptr;
  if (other == nullptr || FAILED(other->QueryInterface(__uuidof(UiaTextRangeIdentity), &self))) {
    return nullptr;
  }
  auto* range = static_cast<UiaTextRange*>(static_cast<ITextRangeProvider*>(self));
  range->Release();
  return range;
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
  const TextRange range = TextNavigation(shown->model()).enclosing(begin_, unitOf(unit));
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
  const std::vector<ViewBox> boxes = TextNavigation(shown->model()).boxes({begin_, end_});
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

HRESULT UiaTextRange::Move(UiaTextUnit unit, int count, int* moved) {
  *moved = 0;
  LogView* shown = view();
  if (shown == nullptr) {
    return kElementNotAvailable;
  }
  TextRange range{begin_, end_};
  *moved = TextNavigation(shown->model()).move(range, unitOf(unit), count);
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
  *moved = TextNavigation(shown->model()).moveBy(endpoint(which), unitOf(unit), count);
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
