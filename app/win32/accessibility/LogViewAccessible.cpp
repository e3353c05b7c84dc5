#include "app/win32/accessibility/LogViewAccessible.h"

#include "app/win32/LogView.h"

namespace zor {

namespace {

// A string for COM's caller, which frees it.
BSTR bstrOf(const std::u16string& text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

void setLong(VARIANT* variant, LONG value) {
  variant->vt = VT_I4;
  variant->lVal = value;
}

}  // namespace

HRESULT LogViewAccessible::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG LogViewAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG LogViewAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

HRESULT LogViewAccessible::check(const VARIANT& child) const {
  if (view_ == nullptr) {
    return RPC_E_DISCONNECTED;
  }
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
}

HRESULT LogViewAccessible::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}
HRESULT LogViewAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT LogViewAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT LogViewAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
  return E_NOTIMPL;
}

// The window that holds the view is its parent, as for any control.
HRESULT LogViewAccessible::get_accParent(IDispatch** parent) {
  *parent = nullptr;
  if (view_ == nullptr) {
    return RPC_E_DISCONNECTED;
  }
  return AccessibleObjectFromWindow(view_->handle(), static_cast<DWORD>(OBJID_WINDOW),
                                    __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT LogViewAccessible::get_accChildCount(LONG* count) {
  *count = 0;
  return view_ == nullptr ? RPC_E_DISCONNECTED : S_OK;
}

HRESULT LogViewAccessible::get_accChild(VARIANT, IDispatch** object) {
  *object = nullptr;
  return view_ == nullptr ? RPC_E_DISCONNECTED : E_INVALIDARG;
}

HRESULT LogViewAccessible::get_accName(VARIANT child, BSTR* name) {
  *name = nullptr;
  const HRESULT checked = check(child);
  if (FAILED(checked)) {
    return checked;
  }
  *name = bstrOf(view_->name());
  return S_OK;
}

HRESULT LogViewAccessible::get_accValue(VARIANT child, BSTR* value) {
  *value = nullptr;
  const HRESULT checked = check(child);
  if (FAILED(checked)) {
    return checked;
  }
  *value = bstrOf(view_->textOnScreen());
  return S_OK;
}

HRESULT LogViewAccessible::get_accDescription(VARIANT child, BSTR* text) {
  *text = nullptr;
  const HRESULT checked = check(child);
  return FAILED(checked) ? checked : S_FALSE;
}

HRESULT LogViewAccessible::get_accRole(VARIANT child, VARIANT* role) {
  VariantInit(role);
  const HRESULT checked = check(child);
  if (SUCCEEDED(checked)) {
    setLong(role, ROLE_SYSTEM_TEXT);
  }
  return checked;
}

HRESULT LogViewAccessible::get_accState(VARIANT child, VARIANT* state) {
  VariantInit(state);
  const HRESULT checked = check(child);
  if (SUCCEEDED(checked)) {
    const bool focused = GetFocus() == view_->handle();
    setLong(state, static_cast<LONG>(STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE |
                                     (focused ? STATE_SYSTEM_FOCUSED : 0)));
  }
  return checked;
}

HRESULT LogViewAccessible::get_accHelp(VARIANT child, BSTR* text) {
  return get_accDescription(child, text);
}

HRESULT LogViewAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  *file = nullptr;
  *topic = 0;
  return view_ == nullptr ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT LogViewAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* text) {
  return get_accDescription(child, text);
}

HRESULT LogViewAccessible::get_accFocus(VARIANT* focused) {
  VariantInit(focused);
  if (view_ == nullptr) {
    return RPC_E_DISCONNECTED;
  }
  if (GetFocus() != view_->handle()) {
    return S_FALSE;
  }
  setLong(focused, CHILDID_SELF);
  return S_OK;
}

HRESULT LogViewAccessible::get_accSelection(VARIANT* selected) {
  VariantInit(selected);
  return view_ == nullptr ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT LogViewAccessible::get_accDefaultAction(VARIANT child, BSTR* text) {
  return get_accDescription(child, text);
}

HRESULT LogViewAccessible::accSelect(LONG flags, VARIANT child) {
  const HRESULT checked = check(child);
  if (FAILED(checked)) {
    return checked;
  }
  if ((flags & SELFLAG_TAKEFOCUS) != 0) {
    SetFocus(view_->handle());
  }
  return S_OK;
}

HRESULT LogViewAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                       VARIANT child) {
  const HRESULT checked = check(child);
  if (FAILED(checked)) {
    return checked;
  }
  RECT place;
  GetWindowRect(view_->handle(), &place);
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

HRESULT LogViewAccessible::accNavigate(LONG, VARIANT, VARIANT* end) {
  VariantInit(end);
  return view_ == nullptr ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT LogViewAccessible::accHitTest(LONG x, LONG y, VARIANT* found) {
  VariantInit(found);
  if (view_ == nullptr) {
    return RPC_E_DISCONNECTED;
  }
  RECT place;
  GetWindowRect(view_->handle(), &place);
  if (!PtInRect(&place, POINT{x, y})) {
    return S_FALSE;
  }
  setLong(found, CHILDID_SELF);
  return S_OK;
}

HRESULT LogViewAccessible::accDoDefaultAction(VARIANT child) {
  const HRESULT checked = check(child);
  return FAILED(checked) ? checked : DISP_E_MEMBERNOTFOUND;
}

HRESULT LogViewAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT LogViewAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace zor
