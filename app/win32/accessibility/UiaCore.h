#pragma once

#include <windows.h>

#include <uiautomationcore.h>

namespace zor {

// The calls of uiautomationcore.dll that the log view makes. mingw-w64 has
// no import library for it, and Windows before 7 (or an older Wine) lacks
// some of them: each is looked up, and skipped when absent.
using UiaReturnRawElementProviderFn = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM,
                                                       IRawElementProviderSimple*);
using UiaHostProviderFromHwndFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using UiaClientsAreListeningFn = BOOL(WINAPI*)();
using UiaRaiseAutomationEventFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int);
using UiaRaiseAutomationPropertyChangedEventFn = HRESULT(WINAPI*)(IRawElementProviderSimple*,
                                                                  PROPERTYID, VARIANT, VARIANT);
using UiaRaiseNotificationEventFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR,
                                                     BSTR);

template <typename Function>
Function uiaFunction(const char* name) {
  static const HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
  const FARPROC found = core == nullptr ? nullptr : GetProcAddress(core, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// UIA_E_ELEMENTNOTAVAILABLE: the element asked about is gone.
inline const HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

// UiaRootObjectId: the object id a UI Automation client asks a window for.
constexpr LONG kUiaRootObjectId = -25;

}  // namespace zor
