#include "platform/FileCalls.h"

#include "platform/Descriptors.h"

#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cerrno>
#include <string>

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
    // ReplaceFileW's: the file of that name could not be put aside, or the
    // new one not moved in; the old one keeps its name.
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
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

// "\\?\C:\x" as "C:\x", "\\?\UNC\server\x" as "\\server\x".
std::wstring withoutLongPrefix(std::wstring path) {
  constexpr std::wstring_view kLong = L"\\\\?\\";
  constexpr std::wstring_view kNetwork = L"\\\\?\\UNC\\";
  if (path.starts_with(kNetwork)) {
    return L"\\\\" + path.substr(kNetwork.size());
  }
  if (path.starts_with(kLong)) {
    return path.substr(kLong.size());
  }
  return path;
}

// What SetFileAttributesW may set.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY;

// As much as one WriteFile() takes.
constexpr std::size_t kMostPerCall = std::size_t{1} << 30;

}  // namespace

SystemFileCalls& systemFileCalls() {
  static SystemFileCalls calls{::WriteFile, ::FlushFileBuffers, ::SetFileAttributesW, ::MoveFileExW,
                               ::ReplaceFileW};
  return calls;
}

// The C library's own writes would give a failure a reason of their own.
std::error_code writeToFile(int descriptor, std::string_view bytes) {
  const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  while (!bytes.empty()) {
    DWORD put = 0;
    const auto size = static_cast<DWORD>(std::min(bytes.size(), kMostPerCall));
    if (!systemFileCalls().writeFile(file, bytes.data(), size, &put, nullptr)) {
      return fromSystemError(GetLastError());
    }
    if (put == 0) {
      return std::make_error_code(std::errc::no_space_on_device);
    }
    bytes.remove_prefix(put);
  }
  return {};
}

std::error_code syncFile(int descriptor) {
  const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  return systemFileCalls().flushFileBuffers(file) ? std::error_code()
                                                  : fromSystemError(GetLastError());
}

// Windows refuses to open a directory as a file with "access denied"; the
// reason the user is given is the one every system gives for a directory.
std::error_code openFailure(const std::filesystem::path& path) {
  if (errno == EACCES && isDirectory(path)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return lastError();
}

// A colon after the drive would name a stream of another file ("a:b" is the
// stream b of a), which no folder shows.
std::error_code refusedName(const std::filesystem::path& path) {
  if (path.relative_path().native().find(L':') != std::wstring::npos) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  return {};
}

// A symbolic link, a junction or a mapped drive lead to the file that is
// written; Wine gives the target of a Unix link too.
std::filesystem::path finalPath(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return path;  // nothing there yet, or the open that follows says why
  }
  std::wstring final(MAX_PATH, L'\0');
  DWORD length = 0;
  for (;;) {
    length = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length < final.size()) {
      break;
    }
    final.resize(length);  // the size it needs, its end included
  }
  CloseHandle(file);
  if (length == 0) {
    return path;  // written under the name it was given, as before links were known
  }
  final.resize(length);
  return withoutLongPrefix(std::move(final));
}

// Windows refuses to write it to every user; under Wine root could, and
// the file would come back without its mark.
std::error_code refusedForWriting(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::make_error_code(std::errc::permission_denied);
  }
  return {};
}

// An existing file is replaced with ReplaceFileW, which on NTFS keeps what
// only the old file holds: its access control list, its alternate data
// streams, its creation time and short name. Wine has none of those to
// keep, and its ReplaceFileW drops the attributes (hidden, system), so the
// new file is given them before it takes the old one's place: a failure on
// the way leaves the old file as it was, attributes and all. ReplaceFileW
// takes full paths only under Wine.
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (systemFileCalls().moveFileEx(from.c_str(), to.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return {};
    }
    return fromSystemError(GetLastError());
  }
  std::error_code fromError;
  std::error_code toError;
  const std::filesystem::path fullFrom = std::filesystem::absolute(from, fromError);
  const std::filesystem::path fullTo = std::filesystem::absolute(to, toError);
  if (fromError || toError) {
    return fromError ? fromError : toError;
  }
  // A file that another program holds open cannot be replaced. Asked
  // first, the refusal leaves nothing behind; Wine's ReplaceFileW would
  // leave a file of its own.
  const HANDLE held =
      CreateFileW(fullTo.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (held == INVALID_HANDLE_VALUE) {
    return fromSystemError(GetLastError());
  }
  CloseHandle(held);
  const DWORD kept = attributes & kSettableAttributes;
  if (!systemFileCalls().setFileAttributes(fullFrom.c_str(),
                                           kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL) ||
      !systemFileCalls().replaceFile(fullTo.c_str(), fullFrom.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return fromSystemError(GetLastError());
  }
  return {};
}

}  // namespace zor
