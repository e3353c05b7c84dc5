#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace zor {

// The C library's file descriptors, called alike on every system, for the
// file adapters to build on. A call that fails returns -1 and leaves its
// reason in errno, which lastError() turns into an error code.

// How openNative() opens a file. A FIFO opened for reading waits for a
// writer: kReading and kWriting open it at once, so that it can be refused
// as no regular file.
extern const int kReadingWaits;
extern const int kReading;
extern const int kWriting;
extern const int kCreating;

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
// Bytes go through untranslated (no CR added before LF); returns the
// descriptor.
int binaryMode(int descriptor);

int resizeNative(int descriptor, std::uint64_t size);
// Gives the file `descriptor` the owner and permission bits of `original`.
int copyAccessNative(int descriptor, int original);
// Asks the system to start putting a written range on the disk, so that
// the sync at the end has less left to wait for.
void startWriteBack(int descriptor, std::uint64_t from, std::uint64_t size);

struct Status {
  bool directory = false;
  bool regular = false;
  std::uint64_t size = 0;
  std::uint64_t links = 0;
};
int statusNative(int descriptor, Status& status);

}  // namespace zor
