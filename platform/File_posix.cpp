#include "platform/FileCalls.h"

#include "platform/Descriptors.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace zor {

SystemFileCalls& systemFileCalls() {
  static SystemFileCalls calls{
      [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }, ::write,
      ::fsync, ::close, ::rename};
  return calls;
}

std::error_code openFailure(const std::filesystem::path&) { return lastError(); }

std::error_code refusedName(const std::filesystem::path&) { return {}; }

// The links were followed one by one.
std::filesystem::path finalPath(const std::filesystem::path& path) { return path; }

// Opening the file for writing tells.
std::error_code refusedForWriting(const std::filesystem::path&) { return {}; }

std::error_code writeToFile(int descriptor, std::string_view bytes) {
  return writeAll(descriptor, bytes);
}

std::error_code syncFile(int descriptor) {
  return systemFileCalls().fsync(descriptor) == 0 ? std::error_code() : lastError();
}

// A directory of that name is not replaced: rename() refuses to put a file
// in its place.
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  return systemFileCalls().rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

}  // namespace zor
