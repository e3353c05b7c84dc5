#pragma once

#include "app/win32/accessibility/ComObject.h"

#include <windows.h>

#include <uiautomationcore.h>

namespace zor {

class LogView;

// The log view as UI Automation sees it: a Document named by its frame,
// focusable, hosted by the view's window, with the Text pattern. Once the view is gone, a client
// that still holds it is told so.
class UiaProvider final : public ComObject<IRawElementProviderSimple> {
 public:
  explicit UiaProvider(LogView& view) : view_(&view) {}
  void disconnect() { view_ = nullptr; }
  // The view, or null once it is gone.
  LogView* view() const { return view_; }

  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

 private:
  ~UiaProvider() override = default;

  LogView* view_;
};

}  // namespace zor
