#include "platform/Descriptors.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

namespace zor {

namespace {
constexpr std::size_t kMostPerCall = 1u << 30;
}  // namespace

// Windows has no FIFO to wait for.
const int kReadingWaits = _O_RDONLY;
const int kReading = _O_RDONLY;
const int kWriting = _O_WRONLY;
const int kCreating = _O_WRONLY | _O_CREAT | _O_EXCL;

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

int binaryMode(int descriptor) {
  _setmode(descriptor, _O_BINARY);
  return descriptor;
}

int resizeNative(int descriptor, std::uint64_t size) {
  errno = _chsize_s(descriptor, static_cast<long long>(size));
  return errno == 0 ? 0 : -1;
}
// Windows keeps no owner or permission bits that a new file would lose; its
// attributes are carried over when the file is replaced.
int copyAccessNative(int, int) { return 0; }
void startWriteBack(int, std::uint64_t, std::uint64_t) {}

}  // namespace zor
