#pragma once

#include <windows.h>

#include <cstddef>
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
};

// Finds fonts for the characters that the log view's font lacks: the same
// face for any character set, a few faces that Windows ships for Chinese and
// other scripts, then every family the system lists, first one that has the
// character. The fonts are made at the view font's size and kept until the
// view's font changes. Characters that no font has, and those beyond the
// Basic Multilingual Plane (which GDI cannot ask about), keep the view's
// font.
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
  HFONT candidate(std::size_t index);
  void forget();

  HDC probe_;
  HGDIOBJ probeFont_;
  LOGFONTW base_{};
  std::vector<std::wstring> faces_;
  std::vector<HFONT> made_;  // for faces_[0, made_.size())
  std::unordered_map<wchar_t, HFONT> found_;
};

}  // namespace zor
