#include "app/win32/FontFallback.h"

#include "app/win32/Fonts.h"

#include <algorithm>

namespace zor {

namespace {

constexpr const wchar_t* kShippedFaces[] = {
    L"Microsoft YaHei UI", L"SimSun",    L"Segoe UI Symbol", L"Segoe UI Emoji",
    L"Malgun Gothic",      L"Meiryo UI", L"Nirmala UI",      L"Ebrima",
    L"Segoe UI Historic",  L"Gadugi",    L"Leelawadee UI",   L"Javanese Text"};

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

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

HFONT FontFallback::fontFor(wchar_t c) {
  if (const auto known = found_.find(c); known != found_.end()) {
    return known->second;
  }
  HFONT found = nullptr;
  for (std::size_t i = 0; i < faces_.size() && found == nullptr; ++i) {
    HFONT font = candidate(i);
    WORD glyph = 0xffff;
    if (font != nullptr && SelectObject(probe_, font) != nullptr &&
        GetGlyphIndicesW(probe_, &c, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
        glyph != 0xffff) {
      found = font;
    }
  }
  found_.emplace(c, found);
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
  for (std::size_t i = 0; i < text.size(); ++i) {
    HFONT font = nullptr;
    if (glyphs[i] == 0xffff && !isSurrogate(chars[i])) {
      font = fontFor(chars[i]);
    }
    if (runs.empty() || runs.back().font != font) {
      runs.push_back(FontRun{i, i + 1, font});
    } else {
      runs.back().end = i + 1;
    }
  }
  return runs;
}

}  // namespace zor
