#include "interpreter/TextFileWriter.h"

#include "platform/Surrogates.h"

#include <algorithm>
#include <random>

namespace zor {

namespace {

// A name in the directory that nothing else uses. It is short and does not
// grow with the target's name, so that every name the system takes for the
// target can be written.
std::filesystem::path temporaryName(const std::filesystem::path& directory) {
  static const char kDigits[] = "0123456789abcdef";
  std::random_device random;
  std::string name = ".zor-";
  for (unsigned value = random(), i = 0; i < 8; ++i, value >>= 4) {
    name.push_back(kDigits[value & 0xFu]);
  }
  name += ".tmp";
  return directory / name;
}

}  // namespace

std::error_code TextFileWriter::createTemporary(const std::filesystem::path& directory) {
  std::error_code error;
  for (int attempt = 0; attempt < 8; ++attempt) {
    temporary_ = temporaryName(directory);
    error = file_.createNew(temporary_);
    if (error != std::errc::file_exists) {
      break;
    }
  }
  if (error) {
    temporary_.clear();
  }
  return error;
}

// Opening the existing file for writing tells at once whether the user may
// write it.
std::error_code TextFileWriter::create(const std::filesystem::path& target) {
  discard();
  pendingSize_ = 0;
  inPlace_ = false;
  destination_ = followLinks(target, error_);
  if (error_) {
    return error_;
  }
  const std::error_code opened = target_.openForWriting(destination_);
  const bool exists = !opened;
  if (!exists && opened != std::errc::no_such_file_or_directory) {
    return error_ = opened;
  }
  error_ = createTemporary(destination_.parent_path());
  if (exists &&
      (error_ == std::errc::permission_denied || error_ == std::errc::operation_not_permitted)) {
    // The directory may not be written: the text waits in the system's
    // temporary directory, if there is one. A failing disk is no reason
    // to write into the file in place.
    std::error_code noTemporary;
    const std::filesystem::path elsewhere = std::filesystem::temp_directory_path(noTemporary);
    if (!noTemporary) {
      error_ = createTemporary(elsewhere);
      inPlace_ = true;
    }
  } else if (exists) {
    inPlace_ = target_.links() > 1 || file_.copyAccessOf(target_);
  }
  if (error_ || !inPlace_) {
    target_.close();
  }
  return error_;
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
    error_ = inPlace_ ? copyIntoTarget() : replaceFile(temporary_, destination_);
  }
  if (error_ || inPlace_) {
    const std::error_code error = error_;
    discard();
    return error;
  }
  temporary_.clear();
  return {};
}

// Only a failing disk can leave the target half written here: everything
// that can be refused was refused before.
std::error_code TextFileWriter::copyIntoTarget() {
  File whole;
  if (const std::error_code error = whole.openForReading(temporary_)) {
    return error;
  }
  std::string block(kBlockSize * 4, '\0');
  std::size_t count = block.size();
  while (count == block.size()) {
    if (const std::error_code error = whole.read(block, count)) {
      return error;
    }
    if (const std::error_code error = target_.write(std::string_view(block).substr(0, count))) {
      return error;
    }
  }
  if (const std::error_code error = target_.resize(whole.size())) {
    return error;
  }
  return target_.syncAndClose();
}

void TextFileWriter::discard() noexcept {
  file_.close();
  target_.close();
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace zor
