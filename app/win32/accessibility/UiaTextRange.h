#pragma once

#include "app/logview/LogViewModel.h"
#include "app/win32/accessibility/UiaTextPattern.h"

#include <cstddef>

namespace zor {

class LogView;
class UiaProvider;

// A range of the log's text for UI Automation: two offsets, held against
// the log's size on every call, since the log may have been replaced or
// cut shorter since. Each call costs what the range's units hold, never
// the whole log, except the text of a range over all of it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UiaTextRange final : public ITextRangeProvider {
 public:
  UiaTextRange(UiaProvider& provider, TextRange range);

  // The range behind `other`, when it is one of these; null otherwise.
  static UiaTextRange* from(ITextRangeProvider* other);
  TextRange range() const { return {begin_, end_}; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Clone(ITextRangeProvider** range) override;
  HRESULT STDMETHODCALLTYPE Compare(ITextRangeProvider* range, BOOL* same) override;
  HRESULT STDMETHODCALLTYPE CompareEndpoints(UiaEndpoint endpoint, ITextRangeProvider* target,
                                             UiaEndpoint targetEndpoint, int* order) override;
  HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(UiaTextUnit unit) override;
  HRESULT STDMETHODCALLTYPE FindAttribute(TEXTATTRIBUTEID attribute, VARIANT value, BOOL backward,
                                          ITextRangeProvider** found) override;
  HRESULT STDMETHODCALLTYPE FindText(BSTR text, BOOL backward, BOOL ignoreCase,
                                     ITextRangeProvider** found) override;
  HRESULT STDMETHODCALLTYPE GetAttributeValue(TEXTATTRIBUTEID attribute, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** rectangles) override;
  HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** element) override;
  HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE Move(UiaTextUnit unit, int count, int* moved) override;
  HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(UiaEndpoint endpoint, UiaTextUnit unit, int count,
                                               int* moved) override;
  HRESULT STDMETHODCALLTYPE MoveEndpointByRange(UiaEndpoint endpoint, ITextRangeProvider* target,
                                                UiaEndpoint targetEndpoint) override;
  HRESULT STDMETHODCALLTYPE Select() override;
  HRESULT STDMETHODCALLTYPE AddToSelection() override;
  HRESULT STDMETHODCALLTYPE RemoveFromSelection() override;
  HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) override;
  HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** children) override;

 private:
  ~UiaTextRange();
  // The view with the range held to its log, or null once the view is gone.
  LogView* view();
  std::size_t& endpoint(UiaEndpoint which) { return which == UiaEndpoint_Start ? begin_ : end_; }
  void keepOrder(UiaEndpoint moved);

  UiaProvider& provider_;
  std::size_t begin_;
  std::size_t end_;
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace zor
