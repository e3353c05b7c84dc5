#include "app/win32/accessibility/UiaTextProvider.h"

#include "app/win32/LogView.h"
#include "app/win32/accessibility/UiaCore.h"
#include "app/win32/accessibility/UiaProvider.h"
#include "app/win32/accessibility/UiaTextRange.h"

namespace zor {

namespace {

// A safe array holding one range, which it keeps.
HRESULT oneRange(UiaProvider& provider, TextRange range, SAFEARRAY** ranges) {
  *ranges = SafeArrayCreateVector(VT_UNKNOWN, 0, 1);
  if (*ranges == nullptr) {
    return E_OUTOFMEMORY;
  }
  auto* made = new UiaTextRange(provider, range);
  LONG index = 0;
  const HRESULT put = SafeArrayPutElement(*ranges, &index, static_cast<IUnknown*>(made));
  made->Release();
  return put;
}

}  // namespace

UiaTextProvider::UiaTextProvider(UiaProvider& provider) : provider_(provider) {
  provider_.AddRef();
}

UiaTextProvider::~UiaTextProvider() { provider_.Release(); }

HRESULT UiaTextProvider::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (id == __uuidof(IUnknown) || id == __uuidof(ITextProvider)) {
    *object = static_cast<ITextProvider*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG UiaTextProvider::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG UiaTextProvider::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

HRESULT UiaTextProvider::GetSelection(SAFEARRAY** ranges) {
  *ranges = nullptr;
  LogView* view = provider_.view();
  if (view == nullptr) {
    return kElementNotAvailable;
  }
  const LogSelection& selection = view->model().selection();
  return oneRange(provider_, {selection.start(), selection.end()}, ranges);
}

HRESULT UiaTextProvider::GetVisibleRanges(SAFEARRAY** ranges) {
  *ranges = nullptr;
  LogView* view = provider_.view();
  return view == nullptr ? kElementNotAvailable
                         : oneRange(provider_, view->model().onScreen(), ranges);
}

// The log has no child elements to find.
HRESULT UiaTextProvider::RangeFromChild(IRawElementProviderSimple*, ITextRangeProvider** range) {
  *range = nullptr;
  return provider_.view() == nullptr ? kElementNotAvailable : E_INVALIDARG;
}

HRESULT UiaTextProvider::RangeFromPoint(UiaPoint point, ITextRangeProvider** range) {
  *range = nullptr;
  LogView* view = provider_.view();
  if (view == nullptr) {
    return kElementNotAvailable;
  }
  POINT at{static_cast<LONG>(point.x), static_cast<LONG>(point.y)};
  ScreenToClient(view->handle(), &at);
  const std::size_t position = view->model().positionAt(at.x, at.y);
  *range = new UiaTextRange(provider_, {position, position});
  return S_OK;
}

HRESULT UiaTextProvider::get_DocumentRange(ITextRangeProvider** range) {
  *range = nullptr;
  LogView* view = provider_.view();
  if (view == nullptr) {
    return kElementNotAvailable;
  }
  *range = new UiaTextRange(provider_, {0, view->logText().size()});
  return S_OK;
}

HRESULT UiaTextProvider::get_SupportedTextSelection(UiaTextSelection* kind) {
  *kind = UiaTextSelection_Single;
  return provider_.view() == nullptr ? kElementNotAvailable : S_OK;
}

}  // namespace zor
