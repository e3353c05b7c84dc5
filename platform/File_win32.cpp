#include "platform/FileCalls.h"

#include "platform/Descriptors.h"

#include <windows.h>

#include <cerrno>

namespace zor {

namespace {

bool isDirectory(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The reasons the file functions of the system give, in the words the C
// run-time library has for them.
std::error_code fromSystemError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return std::make_error_code(std::errc::permission_denied);
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
      return std::make_error_code(std::errc::invalid_argument);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_FILENAME_EXCED_RANGE:
      return std::make_error_code(std::errc::filename_too_long);
    case ERROR_WRITE_PROTECT:
      return std::make_error_code(std::errc::read_only_file_system);
    default:
      return std::make_error_code(std::errc::io_error);
  }
}

}  // namespace

// Windows refuses to open a directory as a file with "access denied"; the
// reason the user is given is the one every system gives for a directory.
std::error_code openFailure(const std::filesystem::path& path) {
  if (errno == EACCES && isDirectory(path)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return lastError();
}

std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  const DWORD error = GetLastError();
  if (isDirectory(to)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return fromSystemError(error);
}

}  // namespace zor
