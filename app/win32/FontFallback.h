#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zor {

// Characters of a piece drawn in one font: [begin, end) of its text.
struct FontRun {
  std::size_t begin = 0;
  std::size_t end = 0;
  HFONT font = nullptr;  // null for the view's own font
  // Beyond the Basic Multilingual Plane, a run holds one character, drawn as
  // this glyph of `font`: GDI draws such a character from its text as two
  // missing ones under Wine.
  WORD glyph = 0;
};

// Finds fonts for the characters that the log view's font lacks: the same
// face for any character set, a few faces that Windows ships for Chinese and
// other scripts, then every family the system lists, first one that has the
// character. The fonts are made at the view font's size and kept until the
// view's font changes. Characters that no font has keep the view's font.
// A character beyond the Basic Multilingual Plane, which GDI cannot ask
// about, is looked up with Uniscribe, from the same face on.
class FontFallback {
 public:
  FontFallback();
  ~FontFallback();
  FontFallback(const FontFallback&) = delete;
  FontFallback& operator=(const FontFallback&) = delete;

  void setFont(HFONT font);
  // `text` cut into runs; `dc` has the view's font selected.
  std::vector<FontRun> runs(HDC dc, std::u16string_view text);

 private:
  HFONT fontFor(wchar_t c);
  // For the surrogate pair at `at`.
  FontRun fontForPair(std::u16string_view text, std::size_t at);
  // The first candidate that has the character, as `has` says of the font
  // selected in probe_; null if none has.
  HFONT firstWith(const std::function<bool()>& has);
  HFONT candidate(std::size_t index);
  void forget();

  HDC probe_;
  HGDIOBJ probeFont_;
  LOGFONTW base_{};
  std::vector<std::wstring> faces_;
  std::vector<HFONT> made_;  // for faces_[0, made_.size())
  std::unordered_map<wchar_t, HFONT> found_;
  std::unordered_map<char32_t, FontRun> foundPairs_;  // the font and glyph only
};

}  // namespace zor
