#pragma once

#include <windows.h>

#include <uiautomationcore.h>

namespace zor {

class LogView;

// The log view as UI Automation sees it: a Document named by its frame,
// focusable, hosted by the view's window, with the Text pattern. Once the view is gone, a client
// that still holds it is told so.
// A COM object ends in its own Release, never deleted through the interface,
// whose destructor COM leaves non-virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UiaProvider final : public IRawElementProviderSimple {
 public:
  explicit UiaProvider(LogView& view) : view_(&view) {}
  void disconnect() { view_ = nullptr; }
  // The view, or null once it is gone.
  LogView* view() const { return view_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

 private:
  ~UiaProvider() = default;

  LogView* view_;
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace zor
