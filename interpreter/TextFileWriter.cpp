#include "interpreter/TextFileWriter.h"

#include <random>
#include <string>

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
  std::error_code error;
  for (int attempt = 0; attempt < 8; ++attempt) {
    temporary_ = temporaryName(target);
    error = file_.createNew(temporary_);
    if (error != std::errc::file_exists) {
      break;
    }
  }
  if (error) {
    temporary_.clear();
    return error;
  }
  target_ = target;
  return {};
}

std::error_code TextFileWriter::commit(std::initializer_list<std::u16string_view> parts) {
  std::error_code error;
  for (const std::u16string_view part : parts) {
    if (!error) {
      error = file_.write(codePage_.encode(part));
    }
  }
  if (!error) {
    error = file_.write("\r\n");
  }
  if (!error) {
    error = file_.syncAndClose();
  }
  if (!error) {
    error = replaceFile(temporary_, target_);
  }
  if (error) {
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

std::error_code writeTextFile(const CodePage& codePage, const std::filesystem::path& path,
                              std::u16string_view text) {
  TextFileWriter writer(codePage);
  if (const std::error_code error = writer.create(path)) {
    return error;
  }
  return writer.commit({text});
}

}  // namespace zor
