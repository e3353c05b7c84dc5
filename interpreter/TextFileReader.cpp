#include "interpreter/TextFileReader.h"

#include <algorithm>
#include <new>
#include <utility>

namespace zor {

std::error_code TextFileReader::open(const std::filesystem::path& path) {
  bytes_.clear();
  text_.clear();
  position_ = 0;
  afterCarriageReturn_ = false;
  endOfFile_ = false;
  error_ = file_.openForReading(path);
  return error_;
}

// Decodes up to the last CR of what was read, so that no character is cut
// in two: the bytes CR and LF never occur inside a multi-byte character.
// At the end of the file the rest is decoded whole.
bool TextFileReader::decodeNextPiece() {
  while (!endOfFile_) {
    const std::size_t old = bytes_.size();
    bytes_.resize(old + kPieceSize);
    std::size_t count = 0;
    error_ = file_.read(std::span(bytes_).subspan(old), count);
    bytes_.resize(old + count);
    if (error_) {
      return false;
    }
    endOfFile_ = count < kPieceSize;
    const std::size_t lastCr = std::string_view(bytes_).substr(old).rfind('\r');
    if (!endOfFile_ && lastCr != std::string_view::npos) {
      const std::size_t end = old + lastCr + 1;
      text_ = codePage_.decode(std::string_view(bytes_).substr(0, end));
      bytes_.erase(0, end);
      position_ = 0;
      return true;
    }
  }
  file_.close();
  if (bytes_.empty()) {
    return false;
  }
  text_ = codePage_.decode(bytes_);
  bytes_.clear();
  position_ = 0;
  return true;
}

bool TextFileReader::next(std::u16string& line) {
  line.clear();
  bool started = false;
  while (true) {
    if (position_ == text_.size()) {
      if (!decodeNextPiece()) {
        return started && !error_;
      }
      if (std::exchange(afterCarriageReturn_, false) && text_.front() == u'\n') {
        position_ = 1;
        continue;
      }
    }
    const std::size_t cr = text_.find(u'\r', position_);
    if (cr == std::u16string::npos) {
      line.append(text_, position_);
      position_ = text_.size();
      started = true;
      continue;
    }
    line.append(text_, position_, cr - position_);
    position_ = cr + 1;
    if (position_ < text_.size()) {
      if (text_[position_] == u'\n') {
        ++position_;
      }
    } else {
      afterCarriageReturn_ = true;
    }
    return true;
  }
}

}  // namespace zor
