#include "pages/PageWriter.h"

#include "interpreter/Output.h"

namespace zor {

void writePage(Console& console, std::span<const std::u16string_view> lines) {
  const std::u16string prefix = linePrefix(console);
  for (const std::u16string_view line : lines) {
    console.log.appendLine(prefix, line);
  }
  console.log.caretToEnd();
}

}  // namespace zor
