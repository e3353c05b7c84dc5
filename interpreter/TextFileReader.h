#pragma once

#include "platform/CodePage.h"
#include "platform/File.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zor {

// Reads a text file line by line, a piece at a time, decoding as it goes,
// so that a file of any size, even one long line, goes through in constant
// memory. A line ends at CR LF or at a lone CR; a lone LF stays in the line.
// A last line without an ending counts like the others, and an empty file
// has no lines.
class TextFileReader {
 public:
  // Bytes read from the file at a time.
  static constexpr std::size_t kPieceSize = std::size_t{1} << 20;

  // A smaller piece lets a test meet the ends of pieces in a small file.
  explicit TextFileReader(const CodePage& codePage, std::size_t pieceSize = kPieceSize)
      : codePage_(codePage), pieceSize_(pieceSize) {}

  std::error_code open(const std::filesystem::path& path);
  // The file's size in bytes when it was opened.
  std::uint64_t size() const { return file_.size(); }

  // Takes the next piece of the current line: every line comes as one or
  // more pieces, the last with `endsLine` set. The piece stays valid until
  // the next call. False at the end of the file, or when a read failed:
  // error() tells which.
  bool next(std::u16string_view& piece, bool& endsLine);

  // Takes the next line whole, without its ending.
  bool next(std::u16string& line);
  const std::error_code& error() const { return error_; }

 private:
  bool decodeNextPiece();

  const CodePage& codePage_;
  const std::size_t pieceSize_;
  File file_;
  std::string bytes_;    // read, not yet decoded: a character cut off
  std::u16string text_;  // decoded, handed out up to position_
  std::size_t position_ = 0;
  bool afterCarriageReturn_ = false;  // text_ ended in CR: a LF next is its pair
  bool inLine_ = false;               // a piece of a line that has not ended
  bool endOfFile_ = false;
  std::error_code error_;
};

}  // namespace zor
