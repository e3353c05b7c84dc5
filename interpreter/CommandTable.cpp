#include "interpreter/CommandTable.h"

namespace zor {

std::optional<std::u16string_view> matchRow(const CommandRow& row, std::u16string_view line) {
  for (const std::u16string_view keyword : row.keywords) {
    if (keyword.empty() || !line.starts_with(keyword)) {
      continue;
    }
    const std::u16string_view rest = line.substr(keyword.size());
    if (row.kind == CommandKind::Exact) {
      if (rest.empty()) {
        return rest;
      }
    } else if (!rest.empty() && rest.front() == u' ') {
      return rest.substr(1);
    }
  }
  return std::nullopt;
}

bool runCommandTable(Console& console, std::span<const CommandRow> table, std::u16string_view line,
                     std::u16string_view prefix) {
  bool matched = false;
  for (const CommandRow& row : table) {
    if (const auto argument = matchRow(row, line)) {
      matched = true;
      row.action(console, Invocation{prefix, *argument});
      if (console.window.stopRequested) {
        break;
      }
    }
  }
  return matched;
}

}  // namespace zor
