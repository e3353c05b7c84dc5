#include "pages/DisplayModes.h"

#include "interpreter/Output.h"

namespace zor {

bool blackmodeOn(const WindowState& window) { return window.text1.background != kWhite; }

void blackmode(Console& console) {
  BoxColours& text1 = console.window.text1;
  BoxColours& text2 = console.window.text2;
  if (!blackmodeOn(console.window)) {
    text1.background = kDesktopColour;
    text2.background = kDesktopColour;
    text1.text = kWhite;
    text2.text = kWhite;
  } else {
    text1.background = kWhite;
    text2.background = kWhite;
    text1.text = kBlack;
    text2.text = kBlack;
  }
}

void timehide(Console& console) {
  if (console.vars.tof == u"1") {
    console.vars.tof = u"0";
    writeLine(console, u"", u"时间显示已关闭!");
  } else {
    console.vars.tof = u"1";
    writeLine(console, timePrefix(console.services.clock), u"时间显示已开启!");
  }
}

}  // namespace zor
