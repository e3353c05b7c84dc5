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
  inLine_ = false;
  endOfFile_ = false;
  error_ = file_.openForReading(path);
  return error_;
}

// Decodes what was read up to a character cut off at the end, which waits
// for the next read. At the end of the file the rest is decoded whole.
bool TextFileReader::decodeNextPiece() {
  while (!endOfFile_) {
    const std::size_t old = bytes_.size();
    bytes_.resize(old + pieceSize_);
    std::size_t count = 0;
    error_ = file_.read(std::span(bytes_).subspan(old), count);
    bytes_.resize(old + count);
    if (error_) {
      return false;
    }
    endOfFile_ = count < pieceSize_;
    if (!endOfFile_) {
      std::size_t used = 0;
      text_ = codePage_.decodeStart(bytes_, used);
      bytes_.erase(0, used);
      position_ = 0;
      if (!text_.empty()) {
        return true;
      }
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

bool TextFileReader::next(std::u16string_view& piece, bool& endsLine) {
  while (position_ == text_.size()) {
    if (!decodeNextPiece()) {
      // A last line without an ending ends with the file.
      piece = {};
      endsLine = std::exchange(inLine_, false) && !error_;
      return endsLine;
    }
    if (std::exchange(afterCarriageReturn_, false) && text_.front() == u'\n') {
      position_ = 1;
    }
  }
  const std::u16string_view rest = std::u16string_view(text_).substr(position_);
  const std::size_t cr = rest.find(u'\r');
  piece = rest.substr(0, cr);
  endsLine = cr != std::u16string_view::npos;
  inLine_ = !endsLine;
  position_ += piece.size();
  if (endsLine) {
    ++position_;
    if (position_ == text_.size()) {
      afterCarriageReturn_ = true;
    } else if (text_[position_] == u'\n') {
      ++position_;
    }
  }
  return true;
}

bool TextFileReader::next(std::u16string& line) {
  line.clear();
  std::u16string_view piece;
  bool endsLine = false;
  while (next(piece, endsLine)) {
    line.append(piece);
    if (endsLine) {
      return true;
    }
  }
  return false;
}

}  // namespace zor
