#pragma once

#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zor::bench {

// A text file of 2,000,000 lines and 100,000,000 bytes in GB18030, made
// once per run in a directory of its own and removed at exit: lines of
// Chinese (47 bytes with their CR LF) take turns with lines of Latin
// letters (53 bytes).
class BigTextFile {
 public:
  static constexpr int kLines = 2'000'000;

  static const BigTextFile& get() {
    static const BigTextFile file;
    return file;
  }

  BigTextFile(const BigTextFile&) = delete;
  BigTextFile& operator=(const BigTextFile&) = delete;
  ~BigTextFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }

  std::filesystem::path directory;
  std::filesystem::path path;  // "big.txt" in the directory
  std::u16string programDirectory;
  std::uintmax_t size = 0;  // bytes

 private:
  BigTextFile()
      : directory(std::filesystem::temp_directory_path() /
                  ("zor-bench-" + std::to_string(std::random_device()()))),
        path(directory / "big.txt"),
        programDirectory(fromUtf8(directory.string())) {
    std::filesystem::create_directories(directory);
    const auto codePage = systemCodePage();
    std::ofstream out(path, std::ios::binary);
    std::u16string block;
    for (int i = 0; i < kLines; ++i) {
      std::u16string number = fromUtf8(std::to_string(1'000'000 + i / 2));
      if (i % 2 == 0) {
        block += u"第" + number + u"行：天地玄黄宇宙洪荒日月盈昃辰宿列张\r\n";
      } else {
        block += u"Line " + number + u": The quick brown fox jumps over a dog.\r\n";
      }
      if (i % 10'000 == 9'999) {
        const std::string bytes = codePage->encode(block);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        block.clear();
      }
    }
    out.close();
    size = std::filesystem::file_size(path);
  }
};

}  // namespace zor::bench
