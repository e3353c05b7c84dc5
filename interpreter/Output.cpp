#include "interpreter/Output.h"

namespace zor {

namespace {

void appendTwoDigits(std::u16string& out, int value) {
  out.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
  out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

}  // namespace

std::u16string timePrefix(const Clock& clock) {
  const TimeOfDay time = clock.now();
  std::u16string prefix = u"[";
  appendTwoDigits(prefix, time.hour);
  prefix.push_back(u':');
  appendTwoDigits(prefix, time.minute);
  prefix.push_back(u':');
  appendTwoDigits(prefix, time.second);
  prefix.push_back(u']');
  return prefix;
}

std::u16string linePrefix(const Console& console) {
  return console.vars.tof == u"1" ? timePrefix(console.services.clock) : std::u16string();
}

void writeLine(Console& console, std::u16string_view prefix, std::u16string_view text) {
  writeLines(console, prefix, std::span(&text, 1));
}

void writeLines(Console& console, std::u16string_view prefix,
                std::span<const std::u16string_view> lines) {
  for (const std::u16string_view line : lines) {
    console.log.appendLine(prefix, line);
  }
  console.log.caretToEnd();
}

}  // namespace zor
