#include "platform/Descriptors.h"

#include "platform/FileCalls.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

// O_NONBLOCK makes no difference to the reads and writes of a regular file.
const int kReadingWaits = O_RDONLY;
const int kReading = O_RDONLY | O_NONBLOCK;
const int kWriting = O_WRONLY | O_NONBLOCK;
const int kCreating = O_WRONLY | O_CREAT | O_EXCL;

int openNative(const std::filesystem::path& path, int flags) {
  int descriptor = -1;
  do {
    descriptor = systemFileCalls().open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}
long long readNative(int descriptor, char* data, std::size_t size) {
  return ::read(descriptor, data, size);
}
long long writeNative(int descriptor, const char* data, std::size_t size) {
  return systemFileCalls().write(descriptor, data, size);
}
int closeNative(int descriptor) { return systemFileCalls().close(descriptor); }
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

int binaryMode(int descriptor) { return descriptor; }

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
void startWriteBack(int descriptor, std::uint64_t from, std::uint64_t size) {
#ifdef __linux__
  ::sync_file_range(descriptor, static_cast<off_t>(from), static_cast<off_t>(size),
                    SYNC_FILE_RANGE_WRITE);
#else
  (void)descriptor, (void)from, (void)size;
#endif
}

}  // namespace zor
