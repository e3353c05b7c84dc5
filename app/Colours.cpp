#include "app/Colours.h"

#include "app/logview/FindBar.h"
#include "platform/SystemColour.h"

namespace zor {

namespace {

constexpr ColourRef kSystemColourBit = 0x80000000;

}  // namespace

ColourRef paintedColour(ColourRef reference) {
  if (reference & kSystemColourBit) {
    return systemColour(reference & 0xFF);
  }
  return reference;
}

ViewColours viewColours(const WindowState& window, bool contrastTheme) {
  const BoxColours selection{kHighlightColour, kHighlightTextColour};
  if (contrastTheme) {
    const BoxColours system{kWindowColour, kWindowTextColour};
    return ViewColours{system, system, {selection, {kWindowTextColour, kWindowColour}, false}};
  }
  return ViewColours{window.text1,
                     window.text2,
                     {selection, {FindBar::kHighlightBackground, FindBar::kHighlightText}, true}};
}

}  // namespace zor
