#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The font the controls are drawn in: the system's message font at the
// window's DPI when it has glyphs for the program's own words (the frames'
// captions and the welcome banner), else the first of these that has them:
// the same face asked for any character set, "Microsoft YaHei UI",
// "SimSun", then any family the system lists for simplified Chinese. When
// none has them all, the message font as it comes. The caller deletes it.
HFONT createControlFont(UINT dpi);

// Whether the font selected into `dc` has a glyph for every character of
// `text` (line ends and other control characters aside).
bool hasGlyphs(HDC dc, std::u16string_view text);

// `font` in another face, for any character set.
LOGFONTW withFace(LOGFONTW font, const wchar_t* face);

// The font families the system lists for a character set, each once,
// without the vertical ("@") variants, which are drawn on their side.
std::vector<std::wstring> fontFamilies(HDC dc, BYTE charSet);

}  // namespace zor
