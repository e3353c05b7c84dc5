#include "interpreter/KeyPress.h"

#include "interpreter/Output.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zor {

namespace {

constexpr std::u16string_view kUnrecognised = u"无法识别的命令！请仔细检查你的命令！";

}  // namespace

bool isBlankLine(std::u16string_view line) {
  return std::all_of(line.begin(), line.end(), [](char16_t c) { return c == u' '; });
}

void text2KeyPress(Console& console, const CommandSet& commands, char16_t keyCode) {
  const std::u16string prefix = linePrefix(console);
  if (keyCode != kEnter || isBlankLine(console.input)) {
    return;
  }
  writeLine(console, prefix, u">>>" + console.input);
  const std::u16string line = std::exchange(console.input, std::u16string());
  if (console.vars.aii == u"0") {
    if (!runCommandTable(console, commands.table, line, prefix)) {
      writeLine(console, prefix, kUnrecognised);
    }
  } else {
    commands.ai(console, line);
  }
}

}  // namespace zor
