#pragma once

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

// The Text pattern of UI Automation, which mingw-w64's headers lack: the
// two interfaces in the order of their methods in UIAutomationCore.idl,
// and the enumerations they take.

namespace zor {

constexpr PATTERNID kTextPatternId = 10014;

enum UiaTextUnit : int {
  UiaTextUnit_Character = 0,
  UiaTextUnit_Format = 1,
  UiaTextUnit_Word = 2,
  UiaTextUnit_Line = 3,
  UiaTextUnit_Paragraph = 4,
  UiaTextUnit_Page = 5,
  UiaTextUnit_Document = 6,
};

enum UiaEndpoint : int { UiaEndpoint_Start = 0, UiaEndpoint_End = 1 };

enum UiaTextSelection : int {
  UiaTextSelection_None = 0,
  UiaTextSelection_Single = 1,
  UiaTextSelection_Multiple = 2,
};

}  // namespace zor

// A point on the screen, in pixels.
struct UiaPoint {
  double x;
  double y;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct ITextRangeProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE Compare(ITextRangeProvider* range, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareEndpoints(zor::UiaEndpoint endpoint,
                                                     ITextRangeProvider* target,
                                                     zor::UiaEndpoint targetEndpoint,
                                                     int* order) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(zor::UiaTextUnit unit) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAttribute(TEXTATTRIBUTEID attribute, VARIANT value,
                                                  BOOL backward, ITextRangeProvider** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindText(BSTR text, BOOL backward, BOOL ignoreCase,
                                             ITextRangeProvider** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAttributeValue(TEXTATTRIBUTEID attribute,
                                                      VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** rectangles) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* text) = 0;
  virtual HRESULT STDMETHODCALLTYPE Move(zor::UiaTextUnit unit, int count, int* moved) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(zor::UiaEndpoint endpoint,
                                                       zor::UiaTextUnit unit, int count,
                                                       int* moved) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByRange(zor::UiaEndpoint endpoint,
                                                        ITextRangeProvider* target,
                                                        zor::UiaEndpoint targetEndpoint) = 0;
  virtual HRESULT STDMETHODCALLTYPE Select() = 0;
  virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
  virtual HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** children) = 0;
};

struct ITextProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** ranges) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** ranges) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child,
                                                   ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint point, ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(zor::UiaTextSelection* kind) = 0;
};
#pragma GCC diagnostic pop

__CRT_UUID_DECL(ITextRangeProvider, 0x5347ad7b, 0xc355, 0x46f8, 0xaf, 0xf5, 0x90, 0x90, 0x33, 0x58,
                0x2f, 0x63)
__CRT_UUID_DECL(ITextProvider, 0x3589c92c, 0x63f3, 0x4367, 0x99, 0xbb, 0xad, 0xa6, 0x53, 0xb7, 0x7c,
                0xf2)
