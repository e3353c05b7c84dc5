#include "platform/FilesDirectory.h"

#include "platform/FilesDirectoryCalls.h"

#include <system_error>

namespace zor {

namespace {

namespace fs = std::filesystem;

fs::path withoutTrailingSeparator(fs::path directory) {
  if (!directory.has_filename() && directory.has_relative_path()) {
    return directory.parent_path();
  }
  return directory;
}

fs::path madeOnFirstUse(const fs::path& directory) {
  std::error_code ignored;
  fs::create_directories(directory, ignored);
  return withoutTrailingSeparator(directory);
}

}  // namespace

fs::path filesDirectory(const fs::path& programDirectory, const Environment& environment) {
  if (auto home = environment("ZOR_HOME")) {
    std::error_code error;
    const fs::path absolute = fs::absolute(*home, error);
    return madeOnFirstUse(error ? *home : absolute);
  }
  if (keepsFilesBesideIt(programDirectory, environment)) {
    return programDirectory;
  }
  return madeOnFirstUse(documentsDirectory(environment) / "ZOR");
}

ProgramDirectory filesDirectory(std::error_code& error) {
  const ProgramDirectory program = programDirectory(error);
  if (error) {
    return {};
  }
  return filesDirectory(program.path(), systemEnvironment());
}

}  // namespace zor
