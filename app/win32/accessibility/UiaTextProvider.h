#pragma once

#include "app/win32/accessibility/UiaTextPattern.h"

namespace zor {

class UiaProvider;

// The Text pattern of the log view's UI Automation provider: the whole log,
// the part on screen, the selection and the place under a point, each as a
// range of the log.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UiaTextProvider final : public ITextProvider {
 public:
  explicit UiaTextProvider(UiaProvider& provider);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** ranges) override;
  HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** ranges) override;
  HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child,
                                           ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint point, ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(UiaTextSelection* kind) override;

 private:
  ~UiaTextProvider();

  UiaProvider& provider_;
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace zor
