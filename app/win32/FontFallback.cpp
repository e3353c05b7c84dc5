#include "app/win32/FontFallback.h"

#include "app/win32/Fonts.h"
#include "platform/Surrogates.h"

#include <usp10.h>

#include <algorithm>

namespace zor {

namespace {

constexpr const wchar_t* kShippedFaces[] = {
    L"Microsoft YaHei UI", L"SimSun",    L"Segoe UI Symbol", L"Segoe UI Emoji",
    L"Malgun Gothic",      L"Meiryo UI", L"Nirmala UI",      L"Ebrima",
    L"Segoe UI Historic",  L"Gadugi",    L"Leelawadee UI",   L"Javanese Text"};

// The glyph that the font selected in `dc` has for the character of the
// surrogate pair, 0 if it has none.
WORD glyphOfPair(HDC dc, const wchar_t* pair) {
  SCRIPT_ITEM items[3];
  int itemCount = 0;
  if (FAILED(ScriptItemize(pair, 2, 2, nullptr, nullptr, items, &itemCount))) {
    return 0;
  }
  SCRIPT_CACHE cache = nullptr;
  WORD glyphs[2] = {};
  WORD clusters[2] = {};
  SCRIPT_VISATTR attributes[2] = {};
  int glyphCount = 0;
  SCRIPT_FONTPROPERTIES font{};
  font.cBytes = sizeof font;
  const bool found = SUCCEEDED(ScriptShape(dc, &cache, pair, 2, 2, &items[0].a, glyphs, clusters,
                                           attributes, &glyphCount)) &&
                     glyphCount == 1 && SUCCEEDED(ScriptGetFontProperties(dc, &cache, &font)) &&
                     glyphs[0] != font.wgDefault;
  ScriptFreeCache(&cache);
  return found ? glyphs[0] : 0;
}

}  // namespace

FontFallback::FontFallback()
    : probe_(CreateCompatibleDC(nullptr)),
      probeFont_(SelectObject(probe_, GetStockObject(DEFAULT_GUI_FONT))) {}

FontFallback::~FontFallback() {
  forget();
  SelectObject(probe_, probeFont_);
  DeleteDC(probe_);
}

void FontFallback::forget() {
  SelectObject(probe_, GetStockObject(DEFAULT_GUI_FONT));
  for (HFONT font : made_) {
    if (font != nullptr) {
      DeleteObject(font);
    }
  }
  made_.clear();
  faces_.clear();
  found_.clear();
  foundPairs_.clear();
}

void FontFallback::setFont(HFONT font) {
  forget();
  GetObjectW(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof base_, &base_);
  faces_.emplace_back(base_.lfFaceName);
  faces_.insert(faces_.end(), std::begin(kShippedFaces), std::end(kShippedFaces));
  for (std::wstring& family : fontFamilies(probe_, DEFAULT_CHARSET)) {
    if (std::find(faces_.begin(), faces_.end(), family) == faces_.end()) {
      faces_.push_back(std::move(family));
    }
  }
}

// The fonts are made one by one, as far as a character needs.
HFONT FontFallback::candidate(std::size_t index) {
  while (made_.size() <= index) {
    const LOGFONTW font = withFace(base_, faces_[made_.size()].c_str());
    made_.push_back(CreateFontIndirectW(&font));
  }
  return made_[index];
}

HFONT FontFallback::firstWith(const std::function<bool()>& has) {
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    HFONT font = candidate(i);
    if (font != nullptr && SelectObject(probe_, font) != nullptr && has()) {
      return font;
    }
  }
  return nullptr;
}

HFONT FontFallback::fontFor(wchar_t c) {
  if (const auto known = found_.find(c); known != found_.end()) {
    return known->second;
  }
  HFONT found = firstWith([&] {
    WORD glyph = 0xffff;
    return GetGlyphIndicesW(probe_, &c, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
           glyph != 0xffff;
  });
  found_.emplace(c, found);
  return found;
}

FontRun FontFallback::fontForPair(std::u16string_view text, std::size_t at) {
  const char32_t c = pairAt(text, at);
  if (const auto known = foundPairs_.find(c); known != foundPairs_.end()) {
    return known->second;
  }
  FontRun found;
  found.font = firstWith([&] {
    found.glyph = glyphOfPair(probe_, reinterpret_cast<const wchar_t*>(text.data() + at));
    return found.glyph != 0;
  });
  foundPairs_.emplace(c, found);
  return found;
}

std::vector<FontRun> FontFallback::runs(HDC dc, std::u16string_view text) {
  const auto* chars = reinterpret_cast<const wchar_t*>(text.data());
  std::vector<WORD> glyphs(text.size());
  std::vector<FontRun> runs;
  if (!text.empty() && GetGlyphIndicesW(dc, chars, static_cast<int>(text.size()), glyphs.data(),
                                        GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    std::fill(glyphs.begin(), glyphs.end(), WORD{0});
  }
  for (std::size_t i = 0; i < text.size();) {
    FontRun run{i, i + 1, nullptr, 0};
    if (startsSurrogatePair(text, i)) {
      const FontRun found = fontForPair(text, i);
      run = FontRun{i, i + 2, found.font, found.glyph};
    } else if (glyphs[i] == 0xffff && !isSurrogate(chars[i])) {
      run.font = fontFor(chars[i]);
    }
    if (run.glyph == 0 && !runs.empty() && runs.back().font == run.font && runs.back().glyph == 0) {
      runs.back().end = run.end;
    } else {
      runs.push_back(run);
    }
    i = run.end;
  }
  return runs;
}

}  // namespace zor
