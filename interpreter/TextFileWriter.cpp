#include "interpreter/TextFileWriter.h"

#include "platform/Surrogates.h"

#include <algorithm>
#include <random>

namespace zor {

namespace {

// A name in the target's directory that nothing else uses. It is short
// and does not grow with the target's name, so that every name the system
// takes for the target can be written.
std::filesystem::path temporaryName(const std::filesystem::path& target) {
  static const char kDigits[] = "0123456789abcdef";
  std::random_device random;
  std::string name = ".zor-";
  for (unsigned value = random(), i = 0; i < 8; ++i, value >>= 4) {
    name.push_back(kDigits[value & 0xFu]);
  }
  name += ".tmp";
  return target.parent_path() / name;
}

}  // namespace

std::error_code TextFileWriter::create(const std::filesystem::path& target) {
  discard();
  for (int attempt = 0; attempt < 8; ++attempt) {
    temporary_ = temporaryName(target);
    error_ = file_.createNew(temporary_);
    if (error_ != std::errc::file_exists) {
      break;
    }
  }
  if (error_) {
    temporary_.clear();
    return error_;
  }
  target_ = target;
  pendingSize_ = 0;
  return {};
}

// The text gathers in `pending_` and is converted a block at a time; a
// high surrogate at the end of a block waits there for its other half.
void TextFileWriter::writeLong(std::u16string_view text) {
  while (!text.empty()) {
    const std::size_t take = std::min(text.size(), kBlockSize - pendingSize_);
    pendingSize_ += text.copy(pending_.data() + pendingSize_, take);
    text.remove_prefix(take);
    if (pendingSize_ == kBlockSize) {
      const std::size_t cut = isHighSurrogate(pending_.back()) ? kBlockSize - 1 : kBlockSize;
      writeBlock(std::u16string_view(pending_).substr(0, cut));
      pendingSize_ = pending_.copy(pending_.data(), kBlockSize - cut, cut);
    }
  }
}

void TextFileWriter::writeBlock(std::u16string_view block) {
  if (!error_ && !block.empty()) {
    error_ = file_.write(codePage_.encode(block));
  }
}

std::error_code TextFileWriter::commit() {
  write(u"\r\n");
  writeBlock(std::u16string_view(pending_).substr(0, pendingSize_));
  pendingSize_ = 0;
  if (!error_) {
    error_ = file_.syncAndClose();
  }
  if (!error_) {
    error_ = replaceFile(temporary_, target_);
  }
  if (error_) {
    const std::error_code error = error_;
    discard();
    return error;
  }
  temporary_.clear();
  return {};
}

void TextFileWriter::discard() noexcept {
  file_.close();
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace zor
