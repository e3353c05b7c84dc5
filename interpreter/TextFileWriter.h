#pragma once

#include "platform/CodePage.h"
#include "platform/File.h"

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <system_error>

namespace zor {

// Writes a text file whole or not at all. The text goes into a new file
// beside the target, which takes the target's place only once everything is
// on the disk; on any failure the new file is removed and whatever had the
// target's name before is left as it was.
class TextFileWriter {
 public:
  explicit TextFileWriter(const CodePage& codePage) : codePage_(codePage) {}
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;
  ~TextFileWriter() { discard(); }

  // Creates the new file; after a failure nothing is left behind.
  std::error_code create(const std::filesystem::path& target);

  // Writes the parts one after the other as one text, followed by CR LF,
  // and puts the file in place of the target.
  std::error_code commit(std::initializer_list<std::u16string_view> parts);

 private:
  void discard() noexcept;

  const CodePage& codePage_;
  File file_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
};

// One text followed by CR LF, as the whole content of the file.
std::error_code writeTextFile(const CodePage& codePage, const std::filesystem::path& path,
                              std::u16string_view text);

}  // namespace zor
