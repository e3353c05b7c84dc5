#include "platform/FileCalls.h"

#include "platform/Descriptors.h"

namespace zor {

std::error_code openFailure(const std::filesystem::path&) { return lastError(); }

std::error_code refusedName(const std::filesystem::path&) { return {}; }

// The links were followed one by one.
std::filesystem::path finalPath(const std::filesystem::path& path) { return path; }

// Opening the file for writing tells.
std::error_code refusedForWriting(const std::filesystem::path&) { return {}; }

std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

}  // namespace zor
