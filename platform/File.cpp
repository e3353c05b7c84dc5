#include "platform/File.h"

#include "platform/Descriptors.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zor {

namespace {

// Written bytes that are sent on their way to the disk at once.
constexpr std::uint64_t kWriteBackStep = std::uint64_t{8} << 20;

#ifdef _WIN32

int syncNative(int descriptor) { return _commit(descriptor); }
int resizeNative(int descriptor, std::uint64_t size) {
  errno = _chsize_s(descriptor, static_cast<long long>(size));
  return errno == 0 ? 0 : -1;
}
// Windows keeps no owner or permission bits that a new file would lose.
int copyAccessNative(int, int) { return 0; }
void startWriteBack(int, std::uint64_t, std::uint64_t) {}

bool isDirectory(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows refuses to open a directory as a file with "access denied"; the
// reason the user is given is the one every system gives for a directory.
std::error_code openFailure(const std::filesystem::path& path) {
  if (errno == EACCES && isDirectory(path)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return lastError();
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

// The new file takes the old one's name in one step; a directory of that
// name is not replaced.
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

#else

int syncNative(int descriptor) { return ::fsync(descriptor); }
int resizeNative(int descriptor, std::uint64_t size) {
  return ::ftruncate(descriptor, static_cast<off_t>(size));
}
// The owner first: changing it may clear the set-user-ID bit.
int copyAccessNative(int descriptor, int original) {
  struct stat native {};
  if (::fstat(original, &native) != 0 || ::fchown(descriptor, native.st_uid, native.st_gid) != 0) {
    return -1;
  }
  return ::fchmod(descriptor, native.st_mode & 07777);
}
// Asks the system to start putting a written range on the disk, so that
// the sync at the end has less left to wait for.
void startWriteBack(int descriptor, std::uint64_t from, std::uint64_t size) {
#ifdef __linux__
  ::sync_file_range(descriptor, static_cast<off_t>(from), static_cast<off_t>(size),
                    SYNC_FILE_RANGE_WRITE);
#else
  (void)descriptor, (void)from, (void)size;
#endif
}
std::error_code openFailure(const std::filesystem::path&) { return lastError(); }
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

#endif

class FileCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "zor.file"; }
  std::string message(int) const override { return "Not a regular file"; }
};

}  // namespace

std::error_code notARegularFile() {
  static const FileCategory category;
  return {1, category};
}

std::error_code File::openForReading(const std::filesystem::path& path) {
  return openExisting(path, kReading);
}

// A FIFO without a reader would refuse to open for writing with a reason of
// its own; it is told apart before.
std::error_code File::openForWriting(const std::filesystem::path& path) {
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  std::error_code error;
  const auto type = std::filesystem::status(path, error).type();
  if (!error && type != std::filesystem::file_type::regular &&
      type != std::filesystem::file_type::directory) {
    return notARegularFile();
  }
  written_ = 0;
  writtenBack_ = 0;
  return openExisting(path, kWriting);
}

std::error_code File::openExisting(const std::filesystem::path& path, int flags) {
  close();
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  descriptor_ = openNative(path, flags);
  Status status;
  if (descriptor_ < 0 || statusNative(descriptor_, status) != 0) {
    const std::error_code error = descriptor_ < 0 ? openFailure(path) : lastError();
    close();
    return error;
  }
  size_ = status.size;
  links_ = status.links;
  if (!status.regular) {
    close();
    return status.directory ? std::make_error_code(std::errc::is_a_directory) : notARegularFile();
  }
  return {};
}

std::error_code File::createNew(const std::filesystem::path& path) {
  close();
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  descriptor_ = openNative(path, kCreating);
  written_ = 0;
  writtenBack_ = 0;
  return descriptor_ < 0 ? openFailure(path) : std::error_code();
}

std::error_code File::read(std::span<char> buffer, std::size_t& count) {
  count = 0;
  while (count < buffer.size()) {
    const long long got = readNative(descriptor_, buffer.data() + count, buffer.size() - count);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return lastError();
    }
    if (got == 0) {
      break;
    }
    count += static_cast<std::size_t>(got);
  }
  return {};
}

std::error_code File::write(std::string_view bytes) {
  if (const std::error_code error = writeAll(descriptor_, bytes)) {
    return error;
  }
  written_ += bytes.size();
  if (written_ - writtenBack_ >= kWriteBackStep) {
    startWriteBack(descriptor_, writtenBack_, written_ - writtenBack_);
    writtenBack_ = written_;
  }
  return {};
}

std::error_code File::resize(std::uint64_t size) {
  return resizeNative(descriptor_, size) == 0 ? std::error_code() : lastError();
}

std::error_code File::copyAccessOf(const File& original) {
  return copyAccessNative(descriptor_, original.descriptor_) == 0 ? std::error_code() : lastError();
}

std::error_code File::syncAndClose() {
  std::error_code error;
  if (syncNative(descriptor_) != 0) {
    error = lastError();
  }
  // A file system may report a failed write only when the file is closed.
  if (closeNative(std::exchange(descriptor_, -1)) != 0 && !error) {
    error = lastError();
  }
  return error;
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (holdsNul(from) || holdsNul(to)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  return replaceNative(from, to);
}

std::filesystem::path followLinks(const std::filesystem::path& path, std::error_code& error) {
  // As many links in a row as Linux follows before it gives up.
  constexpr int kMostLinks = 40;
  error.clear();
  if (holdsNul(path)) {
    error = std::make_error_code(std::errc::invalid_argument);
    return {};
  }
  std::filesystem::path current = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)) || error) {
      // Something that does not exist yet is created under its own name.
      if (error == std::errc::no_such_file_or_directory) {
        error.clear();
      }
      return current;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) {
      return {};
    }
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return {};
}

void File::close() noexcept {
  if (descriptor_ >= 0) {
    closeNative(std::exchange(descriptor_, -1));
  }
}

}  // namespace zor
