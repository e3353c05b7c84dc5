#include "platform/Descriptors.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zor {

std::error_code lastError() { return {errno, std::generic_category()}; }

bool holdsNul(const std::filesystem::path& path) {
  return path.native().find(std::filesystem::path::value_type{}) !=
         std::filesystem::path::string_type::npos;
}

std::error_code writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const long long put = writeNative(descriptor, bytes.data(), bytes.size());
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

#ifdef _WIN32

namespace {
constexpr std::size_t kMostPerCall = 1u << 30;
}  // namespace

int openNative(const std::filesystem::path& path, int flags) {
  int descriptor = -1;
  _wsopen_s(&descriptor, path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
            _S_IREAD | _S_IWRITE);
  return descriptor;
}
long long readNative(int descriptor, char* data, std::size_t size) {
  return _read(descriptor, data, static_cast<unsigned>(std::min(size, kMostPerCall)));
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return _write(descriptor, data, static_cast<unsigned>(std::min(size, kMostPerCall)));
}
int closeNative(int descriptor) { return _close(descriptor); }
int statusNative(int descriptor, Status& status) {
  struct _stat64 native {};
  if (_fstat64(descriptor, &native) != 0) {
    return -1;
  }
  status.directory = (native.st_mode & _S_IFMT) == _S_IFDIR;
  status.regular = (native.st_mode & _S_IFMT) == _S_IFREG;
  status.size = static_cast<std::uint64_t>(native.st_size);
  status.links = static_cast<std::uint64_t>(native.st_nlink);
  return 0;
}

#else

int openNative(const std::filesystem::path& path, int flags) {
  int descriptor = -1;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}
long long readNative(int descriptor, char* data, std::size_t size) {
  return ::read(descriptor, data, size);
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return ::write(descriptor, data, size);
}
int closeNative(int descriptor) { return ::close(descriptor); }
int statusNative(int descriptor, Status& status) {
  struct stat native {};
  if (::fstat(descriptor, &native) != 0) {
    return -1;
  }
  status.directory = S_ISDIR(native.st_mode);
  status.regular = S_ISREG(native.st_mode);
  status.size = static_cast<std::uint64_t>(native.st_size);
  status.links = static_cast<std::uint64_t>(native.st_nlink);
  return 0;
}

#endif

}  // namespace zor
