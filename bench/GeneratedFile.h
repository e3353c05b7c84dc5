#pragma once

#include "interpreter/TextFileReader.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zor::bench {

// A text file in GB18030 made line by line in a directory of its own, which
// is removed with it. Lines are encoded and written 10,000 at a time, so
// making even a large file takes little memory.
class GeneratedFile {
 public:
  template <typename AppendLine>
  GeneratedFile(const char* name, int lines, AppendLine appendLine)
      : directory(std::filesystem::temp_directory_path() /
                  ("zor-bench-" + std::to_string(std::random_device()()))),
        path(directory / name) {
    std::filesystem::create_directories(directory);
    const auto codePage = systemCodePage();
    std::ofstream out(path, std::ios::binary);
    std::u16string block;
    for (int i = 0; i < lines; ++i) {
      appendLine(i, block);
      if (i % 10'000 == 9'999 || i == lines - 1) {
        const std::string bytes = codePage->encode(block);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        block.clear();
      }
    }
    out.close();
    size = std::filesystem::file_size(path);
  }

  GeneratedFile(const GeneratedFile&) = delete;
  GeneratedFile& operator=(const GeneratedFile&) = delete;
  ~GeneratedFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }

  std::filesystem::path directory;
  std::filesystem::path path;
  std::uintmax_t size = 0;  // bytes
};

// The 100 MB text file: 2,000,000 lines, lines of Chinese (47 bytes with
// their CR LF) taking turns with lines of Latin letters (53 bytes).
inline const GeneratedFile& bigTextFile() {
  static const GeneratedFile file("big.txt", 2'000'000, [](int i, std::u16string& block) {
    const std::u16string number = fromUtf8(std::to_string(1'000'000 + i / 2));
    if (i % 2 == 0) {
      block.append(u"第").append(number).append(u"行：天地玄黄宇宙洪荒日月盈昃辰宿列张\r\n");
    } else {
      block.append(u"Line ").append(number).append(u": The quick brown fox jumps over a dog.\r\n");
    }
  });
  return file;
}

// What every command on a file pays at least: reading and decoding it line
// by line with the program's own reader.
inline void readAndDecode(benchmark::State& state, const GeneratedFile& file) {
  const auto codePage = systemCodePage();
  for (auto _ : state) {
    TextFileReader reader(*codePage);
    if (reader.open(file.path)) {
      state.SkipWithError("cannot open the file");
      break;
    }
    std::u16string line;
    std::size_t characters = 0;
    while (reader.next(line)) {
      characters += line.size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.counters["MB"] = static_cast<double>(file.size) / 1e6;
}

}  // namespace zor::bench
