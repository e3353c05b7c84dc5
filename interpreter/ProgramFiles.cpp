#include "interpreter/ProgramFiles.h"

#include "interpreter/Output.h"
#include "platform/NativePath.h"
#include "platform/SystemError.h"

namespace zor {

std::u16string programPath(const Console& console, std::u16string_view argument,
                           std::u16string_view ending) {
  std::u16string path = console.services.programDirectory.text();
  path.append(kPathSeparator).append(argument).append(ending);
  return path;
}

ProgramFile programFile(const Console& console, std::u16string_view argument,
                        std::u16string_view ending) {
  std::u16string name(argument);
  name += ending;
  // Joined as text: an argument that starts with a separator still names a
  // file below the directory.
  std::filesystem::path path = console.services.programDirectory.path();
  path += nativePath(std::u16string(kPathSeparator) + name);
  return {std::move(name), std::move(path)};
}

void reportFileError(Console& console, std::u16string_view prefix, std::u16string_view name,
                     const std::error_code& error) {
  std::u16string text = u"文件操作失败！";
  text.append(name).append(u": ").append(systemMessage(error));
  writeLine(console, prefix, text);
}

}  // namespace zor
