#include "platform/File.h"

#include "platform/Descriptors.h"
#include "platform/FileCalls.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

namespace zor {

namespace {

// Written bytes that are sent on their way to the disk at once.
constexpr std::uint64_t kWriteBackStep = std::uint64_t{8} << 20;

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
  if (const std::error_code refused = refusedName(path)) {
    return refused;
  }
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
  if (const std::error_code refused = refusedForWriting(path)) {
    return refused;
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
  if (const std::error_code error = writeToFile(descriptor_, bytes)) {
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
  std::error_code error = syncFile(descriptor_);
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
  error = refusedName(path);
  if (error) {
    return {};
  }
  std::filesystem::path current = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)) || error) {
      // Something that does not exist yet is created under its own name.
      if (error == std::errc::no_such_file_or_directory) {
        error.clear();
      }
      return error ? current : finalPath(current);
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
