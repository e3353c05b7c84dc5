#include "platform/StandardStreams.h"

#include "platform/Descriptors.h"

#include <cerrno>

namespace zor {

InputStream::~InputStream() {
  if (owned_ && descriptor_ >= 0) {
    closeNative(descriptor_);
  }
}

InputStream InputStream::standardInput() { return InputStream(binaryMode(0)); }

std::error_code InputStream::open(const std::filesystem::path& path) {
  if (holdsNul(path)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  const int descriptor = openNative(path, kReadingWaits);
  if (descriptor < 0) {
    return lastError();
  }
  if (Status status; statusNative(descriptor, status) == 0 && status.directory) {
    closeNative(descriptor);
    return std::make_error_code(std::errc::is_a_directory);
  }
  if (owned_) {
    closeNative(descriptor_);
  }
  descriptor_ = descriptor;
  owned_ = true;
  return {};
}

std::error_code InputStream::readSome(std::span<char> buffer, std::size_t& count) {
  count = 0;
  const long long got = readNative(descriptor_, buffer.data(), buffer.size());
  if (got < 0) {
    return errno == EINTR ? std::make_error_code(std::errc::interrupted) : lastError();
  }
  count = static_cast<std::size_t>(got);
  return {};
}

StandardStream::StandardStream(int descriptor) : descriptor_(binaryMode(descriptor)) {}

StandardStream StandardStream::output() { return StandardStream(1); }
StandardStream StandardStream::error() { return StandardStream(2); }

std::error_code StandardStream::write(std::string_view bytes) {
  return writeAll(descriptor_, bytes);
}

}  // namespace zor
