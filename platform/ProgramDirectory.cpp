#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#include <utility>

namespace zor {

// A directory at the root of the file system keeps its "/".
ProgramDirectory::ProgramDirectory(std::filesystem::path path) : path_(std::move(path)) {
  text_ = fromUtf8(path_.native());
}

ProgramDirectory programDirectory(std::error_code& error) {
  error.clear();
  // Without /proc nothing tells where the program lies.
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return {};
  }
  return executable.parent_path();
}

}  // namespace zor
