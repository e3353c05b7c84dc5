#include "app/win32/Fonts.h"

#include "app/win32/Dpi.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace zor {

namespace {

// The Chinese and the Latin that the window shows before anything is typed.
constexpr std::u16string_view kOwnWords =
    u"日志Log输入Input欢迎使用ZOR命令符！此命令符的版本为 V"
    u"输入help/?获取帮助！程序路径Run at Welcome to use ZOR_Command!";

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
  auto& names = *reinterpret_cast<std::vector<std::wstring>*>(families);
  if (font->lfFaceName[0] != L'@' &&
      std::find(names.begin(), names.end(), font->lfFaceName) == names.end()) {
    names.emplace_back(font->lfFaceName);
  }
  return 1;
}

// The font made from `font` when it has all of the program's words, else
// null.
HFONT fontWithOwnWords(HDC dc, const LOGFONTW& font) {
  HFONT made = CreateFontIndirectW(&font);
  if (made == nullptr) {
    return nullptr;
  }
  const HGDIOBJ before = SelectObject(dc, made);
  const bool has = hasGlyphs(dc, kOwnWords);
  SelectObject(dc, before);
  if (!has) {
    DeleteObject(made);
    return nullptr;
  }
  return made;
}

}  // namespace

LOGFONTW withFace(LOGFONTW font, const wchar_t* face) {
  std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  font.lfFaceName[LF_FACESIZE - 1] = L'\0';
  font.lfCharSet = DEFAULT_CHARSET;
  return font;
}

std::vector<std::wstring> fontFamilies(HDC dc, BYTE charSet) {
  LOGFONTW wanted{};
  wanted.lfCharSet = charSet;
  std::vector<std::wstring> names;
  EnumFontFamiliesExW(dc, &wanted, addFamily, reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

bool hasGlyphs(HDC dc, std::u16string_view text) {
  std::wstring shown;
  for (const char16_t c : text) {
    if (c >= u' ' && c != u'\x7f') {
      shown.push_back(static_cast<wchar_t>(c));
    }
  }
  std::vector<WORD> glyphs(shown.size());
  if (GetGlyphIndicesW(dc, shown.data(), static_cast<int>(shown.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    return false;
  }
  return std::find(glyphs.begin(), glyphs.end(), WORD{0xffff}) == glyphs.end();
}

HFONT createControlFont(UINT dpi) {
  const LOGFONTW message = nonClientMetrics(dpi).lfMessageFont;
  HDC dc = CreateCompatibleDC(nullptr);
  const LOGFONTW candidates[] = {message, withFace(message, message.lfFaceName),
                                 withFace(message, L"Microsoft YaHei UI"),
                                 withFace(message, L"SimSun")};
  HFONT chosen = nullptr;
  for (const LOGFONTW& candidate : candidates) {
    if ((chosen = fontWithOwnWords(dc, candidate)) != nullptr) {
      break;
    }
  }
  if (chosen == nullptr) {
    for (const std::wstring& family : fontFamilies(dc, GB2312_CHARSET)) {
      if ((chosen = fontWithOwnWords(dc, withFace(message, family.c_str()))) != nullptr) {
        break;
      }
    }
  }
  DeleteDC(dc);
  return chosen != nullptr ? chosen : CreateFontIndirectW(&message);
}

}  // namespace zor
