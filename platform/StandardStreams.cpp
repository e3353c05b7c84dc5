#include "platform/StandardStreams.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zor {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

#ifdef _WIN32

constexpr std::size_t kMostPerCall = 1u << 30;

int openNative(const std::filesystem::path& path) {
  int descriptor = -1;
  _wsopen_s(&descriptor, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0);
  return descriptor;
}
bool isDirectory(int descriptor) {
  struct _stat64 status {};
  return _fstat64(descriptor, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFDIR;
}
int binary(int descriptor) {
  _setmode(descriptor, _O_BINARY);
  return descriptor;
}
long long readNative(int descriptor, char* data, std::size_t size) {
  return _read(descriptor, data, static_cast<unsigned>(std::min(size, kMostPerCall)));
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return _write(descriptor, data, static_cast<unsigned>(std::min(size, kMostPerCall)));
}
void closeNative(int descriptor) { _close(descriptor); }

#else

int openNative(const std::filesystem::path& path) {
  int descriptor = -1;
  do {
    descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}
bool isDirectory(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
}
int binary(int descriptor) { return descriptor; }
long long readNative(int descriptor, char* data, std::size_t size) {
  return ::read(descriptor, data, size);
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return ::write(descriptor, data, size);
}
void closeNative(int descriptor) { ::close(descriptor); }

#endif

}  // namespace

InputStream::~InputStream() {
  if (owned_ && descriptor_ >= 0) {
    closeNative(descriptor_);
  }
}

InputStream InputStream::standardInput() { return InputStream(binary(0)); }

std::error_code InputStream::open(const std::filesystem::path& path) {
  if (path.native().find(std::filesystem::path::value_type{}) !=
      std::filesystem::path::string_type::npos) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  const int descriptor = openNative(path);
  if (descriptor < 0) {
    return lastError();
  }
  if (isDirectory(descriptor)) {
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

StandardStream::StandardStream(int descriptor) : descriptor_(binary(descriptor)) {}

StandardStream StandardStream::output() { return StandardStream(1); }
StandardStream StandardStream::error() { return StandardStream(2); }

std::error_code StandardStream::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const long long put = writeNative(descriptor_, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      return lastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

}  // namespace zor
