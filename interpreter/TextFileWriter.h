#pragma once

#include "platform/CodePage.h"
#include "platform/File.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zor {

// Writes a text file whole or not at all, keeping what the user had. The
// text goes into a new file beside the target, which takes the target's
// place only once everything is on the disk; on any failure, and when the
// writer is dropped before it is committed, the new file is removed and
// whatever had the target's name before is left as it was.
//
// A symbolic link at the target is followed and stays a link. The new file
// gets the permission bits, owner and group of the file it replaces. A file
// the user may not write is refused. When taking the place would break hard
// links, lose the owner, or the directory may not be written, the text is
// copied into the existing file once it is whole.
class TextFileWriter {
 public:
  // Characters converted and written at a time.
  static constexpr std::size_t kBlockSize = std::size_t{1} << 16;

  explicit TextFileWriter(const CodePage& codePage) : codePage_(codePage) {}
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;
  ~TextFileWriter() { discard(); }

  // Creates the new file; after a failure nothing is left behind.
  std::error_code create(const std::filesystem::path& target);

  // Adds to the text, which is converted and written a block at a time; a
  // failure shows at commit().
  void write(std::u16string_view text) {
    if (text.size() < kBlockSize - pendingSize_) {
      pendingSize_ += text.copy(pending_.data() + pendingSize_, text.size());
    } else {
      writeLong(text);
    }
  }

  // Ends the text with CR LF and puts the file in place of the target.
  std::error_code commit();

 private:
  void writeLong(std::u16string_view text);
  void writeBlock(std::u16string_view block);
  void discard() noexcept;

  std::error_code createTemporary(const std::filesystem::path& directory);
  std::error_code copyIntoTarget();

  const CodePage& codePage_;
  File file_;                          // the new file
  File target_;                        // the existing file, when it is written into
  std::filesystem::path destination_;  // the target, links followed
  std::filesystem::path temporary_;
  std::u16string pending_ = std::u16string(kBlockSize, u'\0');
  std::size_t pendingSize_ = 0;  // not converted yet: less than a block
  bool inPlace_ = false;
  std::error_code error_;
};

}  // namespace zor
