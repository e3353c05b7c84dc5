#include "app/win32/Fonts.h"
#include "app/win32/LogView.h"
#include "app/win32/accessibility/UiaProvider.h"
#include "app/win32/accessibility/UiaTextPattern.h"
#include "interpreter/Log.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zor::test {
namespace {

// A COM pointer that lets go at the end.
template <typename Interface>
struct Held {
  Interface* p = nullptr;
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (p != nullptr) {
      p->Release();
    }
  }
  Interface* operator->() const { return p; }
  Interface** out() { return &p; }
};

std::u16string textOf(ITextRangeProvider* range, int maxLength = -1) {
  BSTR text = nullptr;
  EXPECT_EQ(range->GetText(maxLength, &text), S_OK);
  std::u16string result(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
  SysFreeString(text);
  return result;
}

// A real log view in a frame named as the window's, showing `log`, with
// its provider's Text pattern.
class UiaTextTest : public testing::Test {
 protected:
  void SetUp() override {
    frame_ = CreateWindowExW(0, L"STATIC", L"日志Log", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420,
                             320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    font_ = createControlFont(96);
    view_ = std::make_unique<LogView>(frame_);
    SendMessageW(view_->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    MoveWindow(view_->handle(), 0, 0, 400, 300, TRUE);
    provider_ = new UiaProvider(*view_);
    IUnknown* pattern = nullptr;
    ASSERT_EQ(provider_->GetPatternProvider(kTextPatternId, &pattern), S_OK);
    ASSERT_NE(pattern, nullptr);
    ASSERT_EQ(
        pattern->QueryInterface(__uuidof(ITextProvider), reinterpret_cast<void**>(text_.out())),
        S_OK);
    pattern->Release();
  }
  void TearDown() override {
    provider_->disconnect();
    provider_->Release();
    view_.reset();
    DestroyWindow(frame_);
    DeleteObject(font_);
  }
  void show(std::u16string_view text) {
    log_.replace(std::u16string(text));
    view_->mirror(log_);
  }
  ITextRangeProvider* document() {
    ranges_.emplace_back(std::make_unique<Held<ITextRangeProvider>>());
    EXPECT_EQ(text_->get_DocumentRange(ranges_.back()->out()), S_OK);
    return ranges_.back()->p;
  }

  Log log_;
  std::unique_ptr<LogView> view_;
  UiaProvider* provider_ = nullptr;
  Held<ITextProvider> text_;
  std::vector<std::unique_ptr<Held<ITextRangeProvider>>> ranges_;

 private:
  HWND frame_ = nullptr;
  HFONT font_ = nullptr;
};

constexpr std::u16string_view kLog = u"alpha beta\r\ngamma\r\nlast";

TEST_F(UiaTextTest, ExpandsToTheUnitAtAPlace) {
  show(kLog);
  struct Case {
    int at;
    UiaTextUnit unit;
    std::u16string text;
  };
  const Case cases[] = {
      {1, UiaTextUnit_Character, u"l"},
      {10, UiaTextUnit_Character, u"\r\n"},
      {1, UiaTextUnit_Word, u"alpha "},
      {7, UiaTextUnit_Line, u"alpha beta\r\n"},
      {14, UiaTextUnit_Paragraph, u"gamma\r\n"},
      {23, UiaTextUnit_Line, u"last"},
      {14, UiaTextUnit_Document, std::u16string(kLog)},
  };
  for (const Case& c : cases) {
    ITextRangeProvider* range = document();
    int moved = 0;
    ASSERT_EQ(range->MoveEndpointByUnit(UiaEndpoint_End, UiaTextUnit_Document, -1, &moved), S_OK);
    range->MoveEndpointByUnit(UiaEndpoint_End, UiaTextUnit_Character, c.at, &moved);
    range->MoveEndpointByUnit(UiaEndpoint_Start, UiaTextUnit_Character, c.at, &moved);
    ASSERT_EQ(range->ExpandToEnclosingUnit(c.unit), S_OK);
    EXPECT_EQ(textOf(range), c.text) << "at " << c.at << " by " << c.unit;
  }
  EXPECT_EQ(textOf(document()), kLog);
  EXPECT_EQ(textOf(document(), 3), u"alp");
  EXPECT_EQ(textOf(document(), 0), u"");
}

TEST_F(UiaTextTest, MovesByLinesAndComparesEndpoints) {
  show(kLog);
  ITextRangeProvider* line = document();
  ASSERT_EQ(line->ExpandToEnclosingUnit(UiaTextUnit_Line), S_OK);
  struct Step {
    int count;
    int moved;
    std::u16string text;
  };
  const Step steps[] = {{1, 1, u"gamma\r\n"}, {5, 1, u"last"}, {-9, -2, u"alpha beta\r\n"}};
  for (const Step& s : steps) {
    int moved = 0;
    ASSERT_EQ(line->Move(UiaTextUnit_Line, s.count, &moved), S_OK);
    EXPECT_EQ(moved, s.moved) << s.count;
    EXPECT_EQ(textOf(line), s.text) << s.count;
  }
  ITextRangeProvider* rest = document();
  int moved = 0;
  rest->MoveEndpointByUnit(UiaEndpoint_Start, UiaTextUnit_Word, 1, &moved);
  EXPECT_EQ(textOf(rest), u"beta\r\ngamma\r\nlast");
  struct Order {
    UiaEndpoint here;
    UiaEndpoint there;
    int order;
  };
  for (const Order o :
       {Order{UiaEndpoint_Start, UiaEndpoint_Start, -1},
        Order{UiaEndpoint_End, UiaEndpoint_Start, 1}, Order{UiaEndpoint_End, UiaEndpoint_End, -1},
        Order{UiaEndpoint_Start, UiaEndpoint_End, -1}}) {
    int order = 0;
    ASSERT_EQ(line->CompareEndpoints(o.here, rest, o.there, &order), S_OK);
    EXPECT_EQ(order, o.order) << o.here << " against " << o.there;
  }
  BOOL same = TRUE;
  ASSERT_EQ(line->Compare(rest, &same), S_OK);
  EXPECT_FALSE(same);
  ASSERT_EQ(rest->MoveEndpointByRange(UiaEndpoint_Start, line, UiaEndpoint_Start), S_OK);
  EXPECT_EQ(textOf(rest), kLog);
}

TEST_F(UiaTextTest, FindsSelectsAndBoundsWhatIsOnScreen) {
  show(kLog);
  Held<ITextRangeProvider> none;
  BSTR needle = SysAllocString(L"GAMMA");
  ASSERT_EQ(document()->FindText(needle, FALSE, FALSE, none.out()), S_OK);
  EXPECT_EQ(none.p, nullptr);
  Held<ITextRangeProvider> found;
  ASSERT_EQ(document()->FindText(needle, TRUE, TRUE, found.out()), S_OK);
  SysFreeString(needle);
  ASSERT_NE(found.p, nullptr);
  EXPECT_EQ(textOf(found.p), u"gamma");
  ASSERT_EQ(found->Select(), S_OK);
  EXPECT_EQ(view_->model().selection().start(), 12u);
  EXPECT_EQ(view_->model().selection().end(), 17u);
  SAFEARRAY* selection = nullptr;
  ASSERT_EQ(text_->GetSelection(&selection), S_OK);
  LONG index = 0;
  IUnknown* first = nullptr;
  ASSERT_EQ(SafeArrayGetElement(selection, &index, &first), S_OK);
  BOOL same = FALSE;
  EXPECT_EQ(found->Compare(static_cast<ITextRangeProvider*>(first), &same), S_OK);
  EXPECT_TRUE(same);
  first->Release();
  SafeArrayDestroy(selection);

  // One rectangle for "gamma", below the top row and on the screen.
  SAFEARRAY* boxes = nullptr;
  ASSERT_EQ(found->GetBoundingRectangles(&boxes), S_OK);
  ASSERT_EQ(boxes->rgsabound[0].cElements, 4u);
  const auto* box = static_cast<const double*>(boxes->pvData);
  RECT window{};
  GetWindowRect(view_->handle(), &window);
  EXPECT_GT(box[1], window.top + view_->model().rowHeight() / 2);
  EXPECT_GT(box[2], 10.0);
  EXPECT_EQ(box[3], view_->model().rowHeight());
  const UiaPoint middle{box[0] + box[2] / 2, box[1] + box[3] / 2};
  SafeArrayDestroy(boxes);
  Held<ITextRangeProvider> under;
  ASSERT_EQ(text_->RangeFromPoint(middle, under.out()), S_OK);
  ASSERT_EQ(under->ExpandToEnclosingUnit(UiaTextUnit_Paragraph), S_OK);
  EXPECT_EQ(textOf(under.p), u"gamma\r\n");

  VARIANT value;
  ASSERT_EQ(found->GetAttributeValue(40008, &value), S_OK);
  EXPECT_EQ(value.vt, VT_UNKNOWN);
  VariantClear(&value);
  EXPECT_EQ(found->AddToSelection(), E_FAIL);
}

TEST_F(UiaTextTest, ReadsOneLineOfALongLogAndFollowsItWhenCut) {
  std::u16string text;
  for (int line = 0; line < 200000; ++line) {
    text += u"line ";
    text += static_cast<char16_t>(u'0' + line % 10);
    text += u"\r\n";
  }
  show(text);
  const std::size_t deep = 150000 * 8 + 2;
  view_->model().select(deep, deep);
  view_->refresh();
  SAFEARRAY* selection = nullptr;
  ASSERT_EQ(text_->GetSelection(&selection), S_OK);
  LONG index = 0;
  IUnknown* caret = nullptr;
  ASSERT_EQ(SafeArrayGetElement(selection, &index, &caret), S_OK);
  SafeArrayDestroy(selection);
  auto* line = static_cast<ITextRangeProvider*>(caret);
  ASSERT_EQ(line->ExpandToEnclosingUnit(UiaTextUnit_Paragraph), S_OK);
  EXPECT_EQ(textOf(line), u"line 0\r\n");
  EXPECT_EQ(textOf(document(), 10), u"line 0\r\nli");
  ASSERT_EQ(document()->ScrollIntoView(TRUE), S_OK);
  ASSERT_EQ(text_->GetVisibleRanges(&selection), S_OK);
  IUnknown* visible = nullptr;
  ASSERT_EQ(SafeArrayGetElement(selection, &index, &visible), S_OK);
  SafeArrayDestroy(selection);
  EXPECT_EQ(textOf(static_cast<ITextRangeProvider*>(visible), 16), u"line 0\r\nline 1\r\n");
  visible->Release();

  log_.truncate(16);
  view_->mirror(log_);
  EXPECT_EQ(textOf(line), u"");
  EXPECT_EQ(textOf(document()), u"line 0\r\nline 1\r\n");
  provider_->disconnect();
  BSTR gone = nullptr;
  EXPECT_EQ(line->GetText(-1, &gone), static_cast<HRESULT>(0x80040201));
  line->Release();
}

}  // namespace
}  // namespace zor::test
