#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#include <filesystem>

namespace zor {

namespace {

std::filesystem::path executableDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    return executable.parent_path();
  }
  // Without /proc nothing tells where the program lies; the working
  // directory stands in rather than the program failing to start.
  return std::filesystem::current_path(error);
}

}  // namespace

std::u16string programDirectory() {
  const std::filesystem::path directory = executableDirectory();
  // A directory at the root of the file system keeps its "/".
  return fromUtf8(directory.native());
}

}  // namespace zor
