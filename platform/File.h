#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <system_error>

namespace zor {

// A file opened for reading, or created for writing. Every failure comes
// back as the system's reason; nothing throws.
class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() { close(); }

  // Only a regular file opens: a directory, a FIFO or a device is refused
  // at once, and nothing waits for another process.
  std::error_code openForReading(const std::filesystem::path& path);
  // An existing regular file, to be written from its start; nothing of it
  // is removed before resize(). A file marked read-only is refused.
  std::error_code openForWriting(const std::filesystem::path& path);
  // Fails if something of that name is already there.
  std::error_code createNew(const std::filesystem::path& path);

  // Fills the buffer; `count` is less than its size only at the end of the
  // file.
  std::error_code read(std::span<char> buffer, std::size_t& count);
  std::error_code write(std::string_view bytes);
  // Cuts the file off, or lengthens it, at `size` bytes.
  std::error_code resize(std::uint64_t size);
  // Gives the file the permission bits, owner and group of `original`;
  // fails where the system lets the process give it no other owner.
  std::error_code copyAccessOf(const File& original);
  // Puts what was written on the disk, then closes the file.
  std::error_code syncAndClose();
  void close() noexcept;

  // The size of an existing file, and the number of its names (hard links),
  // as they were when it was opened.
  std::uint64_t size() const { return size_; }
  std::uint64_t links() const { return links_; }

 private:
  std::error_code openExisting(const std::filesystem::path& path, int flags);

  int descriptor_ = -1;
  std::uint64_t size_ = 0;
  std::uint64_t links_ = 0;
  std::uint64_t written_ = 0;      // bytes written so far
  std::uint64_t writtenBack_ = 0;  // of which the disk was asked to take
};

// The reason given for a FIFO, a device or a socket where a file was
// expected.
std::error_code notARegularFile();

// The file a path names once every symbolic link on its last part is
// followed; a dangling link gives the path of the file it would create. On
// Windows every link and junction on the way is resolved, and a name that
// would open an alternate data stream ("a:b") is refused as invalid.
std::filesystem::path followLinks(const std::filesystem::path& path, std::error_code& error);

// Puts the file `from` in the place of `to`, replacing a file of that name;
// the replaced file's attributes (hidden, system, ...) stay.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zor
