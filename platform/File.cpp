#include "platform/File.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Written bytes that are sent on their way to the disk at once.
constexpr std::uint64_t kWriteBackStep = std::uint64_t{8} << 20;

// The C functions would stop at a NUL inside a name and open another file.
bool holdsNul(const std::filesystem::path& path) {
  return path.native().find(std::filesystem::path::value_type{}) !=
         std::filesystem::path::string_type::npos;
}

int openNative(const std::filesystem::path& path, int flags) {
  int descriptor = -1;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}
constexpr int kReading = O_RDONLY;
constexpr int kCreating = O_WRONLY | O_CREAT | O_EXCL;

long long readNative(int descriptor, char* data, std::size_t size) {
  return ::read(descriptor, data, size);
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return ::write(descriptor, data, size);
}
int syncNative(int descriptor) { return ::fsync(descriptor); }
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
int statusNative(int descriptor, bool& directory, std::uint64_t& size) {
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    return -1;
  }
  directory = S_ISDIR(status.st_mode);
  size = static_cast<std::uint64_t>(status.st_size);
  return 0;
}
int closeNative(int descriptor) { return ::close(descriptor); }

}  // namespace

std::error_code File::openForReading(const std::filesystem::path& path) {
  close();
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  descriptor_ = openNative(path, kReading);
  bool directory = false;
  if (descriptor_ < 0 || statusNative(descriptor_, directory, size_) != 0) {
    const std::error_code error = lastError();
    close();
    return error;
  }
  if (directory) {
    close();
    return std::make_error_code(std::errc::is_a_directory);
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
  return descriptor_ < 0 ? lastError() : std::error_code();
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
  while (!bytes.empty()) {
    const long long put = writeNative(descriptor_, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      return lastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
    written_ += static_cast<std::uint64_t>(put);
  }
  if (written_ - writtenBack_ >= kWriteBackStep) {
    startWriteBack(descriptor_, writtenBack_, written_ - writtenBack_);
    writtenBack_ = written_;
  }
  return {};
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
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

void File::close() noexcept {
  if (descriptor_ >= 0) {
    closeNative(std::exchange(descriptor_, -1));
  }
}

}  // namespace zor
