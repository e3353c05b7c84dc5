#pragma once

#include <windows.h>

#include <string>

namespace zor::remote {

// Checks the picture of the window's client area in `file` (8-bit red,
// green and blue, row after row) by the rules of tests/support/PictureRules.h,
// measuring the window's texts in its own font: `dark` tells the scheme,
// `match` (when not empty) the text selected by the find box. Writes each
// control's place and the room it needs, then each fault; 0 when there is
// none.
int checkPicture(HWND form, bool dark, const std::wstring& file, const std::wstring& match);

}  // namespace zor::remote
