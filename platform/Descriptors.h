#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>

namespace zor {

// The C library's file descriptors, called alike on every system, for the
// file adapters to build on. A call that fails returns -1 and leaves its
// reason in errno, which lastError() turns into an error code.

#ifdef _WIN32
constexpr int kReadingWaits = _O_RDONLY;
constexpr int kReading = _O_RDONLY;
constexpr int kWriting = _O_WRONLY;
constexpr int kCreating = _O_WRONLY | _O_CREAT | _O_EXCL;
#else
// A FIFO opened for reading waits for a writer. Without blocking it opens
// at once and can be refused as no regular file; O_NONBLOCK makes no
// difference to the reads and writes of a regular file.
constexpr int kReadingWaits = O_RDONLY;
constexpr int kReading = O_RDONLY | O_NONBLOCK;
constexpr int kWriting = O_WRONLY | O_NONBLOCK;
constexpr int kCreating = O_WRONLY | O_CREAT | O_EXCL;
#endif

std::error_code lastError();

// The C functions would stop at a NUL inside a name and open another file.
bool holdsNul(const std::filesystem::path& path);

// In binary, not inherited by child processes; a new file may be read and
// written by everyone the system's mask lets.
int openNative(const std::filesystem::path& path, int flags);
long long readNative(int descriptor, char* data, std::size_t size);
long long writeNative(int descriptor, const char* data, std::size_t size);
int closeNative(int descriptor);
// Writes every byte, however many calls it takes.
std::error_code writeAll(int descriptor, std::string_view bytes);

struct Status {
  bool directory = false;
  bool regular = false;
  std::uint64_t size = 0;
  std::uint64_t links = 0;
};
int statusNative(int descriptor, Status& status);

}  // namespace zor
