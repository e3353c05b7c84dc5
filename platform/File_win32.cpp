#include "platform/File.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace zor {

namespace {

// The C run-time functions take sizes as unsigned int.
constexpr std::size_t kMostPerCall = std::size_t{1} << 30;

std::error_code fromErrno(int error) { return {error, std::generic_category()}; }

// The C functions would stop at a NUL inside a name and open another file.
bool holdsNul(const std::filesystem::path& path) {
  return path.native().find(L'\0') != std::wstring::npos;
}

bool isDirectory(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows refuses to open a directory as a file with "access denied"; the
// reason the user is given is the one every system gives for a directory.
std::error_code openError(errno_t error, const std::filesystem::path& path) {
  if (error == EACCES && isDirectory(path)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return fromErrno(error);
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

std::error_code File::openForReading(const std::filesystem::path& path) {
  close();
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  if (const errno_t error = _wsopen_s(&descriptor_, path.c_str(),
                                      _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0)) {
    descriptor_ = -1;
    return openError(error, path);
  }
  struct _stat64 status {};
  if (_fstat64(descriptor_, &status) != 0) {
    const std::error_code error = fromErrno(errno);
    close();
    return error;
  }
  if ((status.st_mode & _S_IFMT) == _S_IFDIR) {
    close();
    return std::make_error_code(std::errc::is_a_directory);
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  return {};
}

std::error_code File::createNew(const std::filesystem::path& path) {
  close();
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  // Others may read the file while it is written, but not write to it.
  if (const errno_t error = _wsopen_s(&descriptor_, path.c_str(),
                                      _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                      _SH_DENYWR, _S_IREAD | _S_IWRITE)) {
    descriptor_ = -1;
    return openError(error, path);
  }
  return {};
}

std::error_code File::read(std::span<char> buffer, std::size_t& count) {
  count = 0;
  while (count < buffer.size()) {
    const std::size_t want = std::min(buffer.size() - count, kMostPerCall);
    const int got = _read(descriptor_, buffer.data() + count, static_cast<unsigned>(want));
    if (got < 0) {
      return fromErrno(errno);
    }
    if (got == 0) {
      break;
    }
    count += static_cast<std::size_t>(got);
  }
  return {};
}

std::error_code File::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t give = std::min(bytes.size(), kMostPerCall);
    const int put = _write(descriptor_, bytes.data(), static_cast<unsigned>(give));
    if (put < 0) {
      return fromErrno(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

std::error_code File::syncAndClose() {
  std::error_code error;
  if (_commit(descriptor_) != 0) {
    error = fromErrno(errno);
  }
  if (_close(std::exchange(descriptor_, -1)) != 0 && !error) {
    error = fromErrno(errno);
  }
  return error;
}

void File::close() noexcept {
  if (descriptor_ >= 0) {
    _close(std::exchange(descriptor_, -1));
  }
}

// The new file takes the old one's name in one step; a directory of that
// name is not replaced.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (holdsNul(from) || holdsNul(to)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
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
