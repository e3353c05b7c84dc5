#pragma once

#include "interpreter/CommandTable.h"

#include <string_view>

namespace zor {

// How a text file becomes another: the new file holds `head`, then for
// every line of the source CR LF, `before`, the line and `after`, then
// `tail`, then CR LF.
struct Conversion {
  std::u16string_view ending;  // of the new file's name
  std::u16string_view head;
  std::u16string_view before;
  std::u16string_view after;
  std::u16string_view tail;
};

// Turns argument + ".txt" into argument + the conversion's ending, between
// the messages "正在更改..." and "完成！...". The new file is written as the
// source is read, a block at a time, and takes the place of any earlier
// file of its name only when it is whole.
void convertTextFile(Console& console, const Invocation& call, const Conversion& conversion);

}  // namespace zor
