#include "ai/Ai.h"
#include "bench/BenchSupport.h"
#include "interpreter/TextFileReader.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace zor::bench {
namespace {

// A question-and-answer file of 1,000,000 entries (about 40 MB in GB18030),
// Chinese and Latin questions taking turns, made once per run and removed at
// exit.
class BigQaFile {
 public:
  static constexpr int kEntries = 1'000'000;

  static const BigQaFile& get() {
    static const BigQaFile file;
    return file;
  }

  BigQaFile(const BigQaFile&) = delete;
  BigQaFile& operator=(const BigQaFile&) = delete;
  ~BigQaFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }

  std::filesystem::path directory;
  std::filesystem::path path;
  std::u16string programDirectory;
  std::uintmax_t size = 0;

 private:
  BigQaFile()
      : directory(std::filesystem::temp_directory_path() /
                  ("zor-bench-qa-" + std::to_string(std::random_device()()))),
        path(directory / "ZOR-AI-QA.txt"),
        programDirectory(fromUtf8(directory.string())) {
    std::filesystem::create_directories(directory);
    const auto codePage = systemCodePage();
    std::ofstream out(path, std::ios::binary);
    std::u16string block;
    for (int i = 0; i < kEntries; ++i) {
      const std::u16string number = fromUtf8(std::to_string(i));
      if (i % 2 == 0) {
        block.append(u"第").append(number).append(u"个问题是什么?###第").append(number);
        block.append(u"个答案###0\r\n");
      } else {
        block.append(u"what is entry ").append(number).append(u"?###answer ").append(number);
        block.append(u"###0\r\n");
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

long peakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// What every lookup pays at least: reading and decoding the file line by
// line.
void BM_ReadAndDecodeQa(benchmark::State& state) {
  const BigQaFile& file = BigQaFile::get();
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
BENCHMARK(BM_ReadAndDecodeQa)->Unit(benchmark::kMillisecond)->UseRealTime();

// One question typed in AI mode, answered from the whole file.
void BM_AiLookup(benchmark::State& state) {
  const BigQaFile& file = BigQaFile::get();
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  Console console(Services{clock, media, *codePage, file.programDirectory});
  formLoad(console);
  enter(console, u"AI on");
  const long peakBefore = peakResidentKb();
  for (auto _ : state) {
    enter(console, u"第888888个问题是什么?");
    if (!console.log.text().ends_with(u"第888888个答案\r\n")) {
      state.SkipWithError("wrong answer");
      break;
    }
  }
  state.counters["peak_growth_MB"] = static_cast<double>(peakResidentKb() - peakBefore) / 1024.0;
}
BENCHMARK(BM_AiLookup)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zor::bench
