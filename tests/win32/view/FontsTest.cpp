#include "app/win32/FontFallback.h"
#include "app/win32/Fonts.h"
#include "tests/support/ConsoleHarness.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace zor::test {
namespace {

// A memory DC with a font selected, given back at the end.
class FontDc {
 public:
  explicit FontDc(HFONT font)
      : dc_(CreateCompatibleDC(nullptr)), before_(SelectObject(dc_, font)) {}
  ~FontDc() {
    SelectObject(dc_, before_);
    DeleteDC(dc_);
  }
  FontDc(const FontDc&) = delete;
  FontDc& operator=(const FontDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ before_;
};

// A font without Chinese (fonts-dejavu-core, which Wine finds through
// fontconfig).
HFONT latinFont() {
  LOGFONTW font{};
  font.lfHeight = -12;
  font.lfCharSet = ANSI_CHARSET;
  wcscpy(font.lfFaceName, L"DejaVu Sans");
  return CreateFontIndirectW(&font);
}

class ControlFontTest : public ConsoleTest {};

TEST_F(ControlFontTest, HasEveryGlyphOfTheBannerAndTheHelpPage) {
  enter(u"help");
  for (const UINT dpi : {96u, 144u}) {
    HFONT font = createControlFont(dpi);
    {
      FontDc dc(font);
      EXPECT_TRUE(hasGlyphs(dc.get(), console.log.text())) << "at " << dpi << " dpi";
    }
    DeleteObject(font);
  }
}

TEST(ControlFontSize, IsTheMessageFontsAtTheDpi) {
  HFONT font = createControlFont(144);
  LOGFONTW chosen{};
  GetObjectW(font, sizeof chosen, &chosen);
  DeleteObject(font);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  EXPECT_EQ(chosen.lfHeight, MulDiv(metrics.lfMessageFont.lfHeight, 144, 96));
}

// Each row: a text, and for each run of it, its end and whether it is drawn
// in a font found for it rather than in the view's own.
struct RunCase {
  std::u16string text;
  std::vector<std::pair<std::size_t, bool>> runs;
};

TEST(FontFallbackTest, DrawsWhatTheViewsFontLacksInAFontThatHasIt) {
  HFONT latin = latinFont();
  FontDc dc(latin);
  ASSERT_FALSE(hasGlyphs(dc.get(), u"你")) << "DejaVu Sans has Chinese here";
  FontFallback fallback;
  fallback.setFont(latin);
  const RunCase cases[] = {
      {u"", {}},
      {u"abc", {{3, false}}},
      {u"a你好b", {{1, false}, {3, true}, {4, false}}},
      {u"你a界", {{1, true}, {2, false}, {3, true}}},
      // Beyond the Basic Multilingual Plane, a run for each character that a
      // font has (DejaVu Sans itself, WenQuanYi, DejaVu Serif); none has
      // U+10401, nor a lone half of a pair.
      {u"x\U0001F600\U0001F601y", {{1, false}, {3, true}, {5, true}, {6, false}}},
      {u"\U00010400", {{2, true}}},
      {u"x\U0001D400", {{1, false}, {3, true}}},
      {u"x\U00010401y\xD800", {{5, false}}},
  };
  for (const RunCase& row : cases) {
    const std::vector<FontRun> runs = fallback.runs(dc.get(), row.text);
    ASSERT_EQ(runs.size(), row.runs.size()) << "runs of " << runs.size();
    std::size_t begin = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(runs[i].begin, begin);
      EXPECT_EQ(runs[i].end, row.runs[i].first);
      EXPECT_EQ(runs[i].font != nullptr, row.runs[i].second);
      const bool pair = runs[i].end - runs[i].begin == 2 && row.text[runs[i].begin] >= 0xD800 &&
                        row.text[runs[i].begin] < 0xDC00;
      EXPECT_EQ(runs[i].glyph != 0, pair && runs[i].font != nullptr);
      if (runs[i].font != nullptr && !pair) {
        FontDc found(runs[i].font);
        EXPECT_TRUE(hasGlyphs(found.get(), std::u16string_view(row.text).substr(
                                               runs[i].begin, runs[i].end - runs[i].begin)));
      }
      begin = runs[i].end;
    }
  }
  SelectObject(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  DeleteObject(latin);
}

}  // namespace
}  // namespace zor::test
