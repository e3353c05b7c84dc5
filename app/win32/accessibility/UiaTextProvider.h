#pragma once

#include "app/win32/accessibility/ComObject.h"
#include "app/win32/accessibility/UiaTextPattern.h"

namespace zor {

class UiaProvider;

// The Text pattern of the log view's UI Automation provider: the whole log,
// the part on screen, the selection and the place under a point, each as a
// range of the log.
class UiaTextProvider final : public ComObject<ITextProvider> {
 public:
  explicit UiaTextProvider(UiaProvider& provider);

  HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** ranges) override;
  HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** ranges) override;
  HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child,
                                           ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint point, ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(UiaTextSelection* kind) override;

 private:
  ~UiaTextProvider() override;

  UiaProvider& provider_;
};

}  // namespace zor
