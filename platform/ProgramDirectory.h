#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace zor {

// The directory that holds the running executable, without a trailing
// separator, kept as the system names it: files below it open whatever
// bytes its name holds, and only the names the user types are converted.
class ProgramDirectory {
 public:
  ProgramDirectory() = default;
  ProgramDirectory(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  // How the log shows it: on POSIX systems each byte that is not part of
  // UTF-8 shows as U+FFFD.
  const std::u16string& text() const { return text_; }

 private:
  std::filesystem::path path_;
  std::u16string text_;
};

// The running executable's directory. It does not depend on the working
// directory, and nothing stands in for it: when the system cannot tell it,
// the result is empty and `error` says why.
ProgramDirectory programDirectory(std::error_code& error);

}  // namespace zor
