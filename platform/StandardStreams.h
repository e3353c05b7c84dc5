#pragma once

#include "platform/ByteStreams.h"

#include <filesystem>

namespace zor {

// Standard input, or a file named on the command line, read as its bytes
// arrive. A closed stream stays closed.
class InputStream final : public ByteSource {
 public:
  InputStream() = default;
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;
  ~InputStream() override;

  static InputStream standardInput();
  // A directory cannot be opened, on every system.
  std::error_code open(const std::filesystem::path& path);

  std::error_code readSome(std::span<char> buffer, std::size_t& count) override;

 private:
  explicit InputStream(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
  bool owned_ = false;
};

// Standard output or standard error, unbuffered and in binary: "\n" goes
// out as it is. Writing to a pipe whose reader has gone is an error
// (EPIPE) only once ignoreBrokenPipes() has run; by default it ends the
// process.
class StandardStream final : public ByteSink {
 public:
  static StandardStream output();
  static StandardStream error();

  std::error_code write(std::string_view bytes) override;

 private:
  explicit StandardStream(int descriptor);
  int descriptor_;
};

}  // namespace zor
