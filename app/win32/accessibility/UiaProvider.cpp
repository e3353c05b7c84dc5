#include "app/win32/accessibility/UiaProvider.h"

#include "app/win32/LogView.h"
#include "app/win32/accessibility/UiaCore.h"
#include "app/win32/accessibility/UiaTextProvider.h"

namespace zor {

namespace {

// UI Automation's numbers for what the provider answers.
constexpr PROPERTYID kControlType = 30003;
constexpr PROPERTYID kName = 30005;
constexpr PROPERTYID kHasKeyboardFocus = 30008;
constexpr PROPERTYID kIsKeyboardFocusable = 30009;
constexpr PROPERTYID kIsControlElement = 30016;
constexpr PROPERTYID kIsContentElement = 30017;
constexpr LONG kDocumentControlType = 50030;

void setBool(VARIANT* value, bool on) {
  value->vt = VT_BOOL;
  value->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace

HRESULT UiaProvider::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
    *object = static_cast<IRawElementProviderSimple*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG UiaProvider::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG UiaProvider::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

// Called on the window's thread, which owns the view.
HRESULT UiaProvider::get_ProviderOptions(ProviderOptions* options) {
  *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                          ProviderOptions_UseComThreading);
  return S_OK;
}

HRESULT UiaProvider::GetPatternProvider(PATTERNID pattern, IUnknown** provider) {
  *provider = nullptr;
  if (view_ == nullptr) {
    return kElementNotAvailable;
  }
  if (pattern == kTextPatternId) {
    *provider = new UiaTextProvider(*this);
  }
  return S_OK;
}

HRESULT UiaProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
  VariantInit(value);
  if (view_ == nullptr) {
    return kElementNotAvailable;
  }
  switch (property) {
    case kControlType:
      value->vt = VT_I4;
      value->lVal = kDocumentControlType;
      break;
    case kName: {
      const std::u16string name = view_->name();
      value->vt = VT_BSTR;
      value->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(name.data()),
                                         static_cast<UINT>(name.size()));
      break;
    }
    case kHasKeyboardFocus:
      setBool(value, GetFocus() == view_->handle());
      break;
    case kIsKeyboardFocusable:
    case kIsControlElement:
    case kIsContentElement:
      setBool(value, true);
      break;
    default:
      break;
  }
  return S_OK;
}

// The window's own provider gives the rest: place, process, window handle.
HRESULT UiaProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
  *host = nullptr;
  if (view_ == nullptr) {
    return kElementNotAvailable;
  }
  const auto fromHwnd = uiaFunction<UiaHostProviderFromHwndFn>("UiaHostProviderFromHwnd");
  return fromHwnd == nullptr ? S_OK : fromHwnd(view_->handle(), host);
}

}  // namespace zor
