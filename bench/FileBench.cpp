#include "bench/BenchSupport.h"
#include "bench/BigTextFile.h"
#include "interpreter/TextFileReader.h"

#include <benchmark/benchmark.h>

namespace zor::bench {
namespace {

// What every file command pays at least: reading and decoding the file line
// by line.
void BM_ReadAndDecode(benchmark::State& state) {
  const BigTextFile& file = BigTextFile::get();
  const auto codePage = systemCodePage();
  for (auto _ : state) {
    TextFileReader reader(*codePage);
    if (reader.open(file.path)) {
      state.SkipWithError("cannot open the file");
      break;
    }
    std::u16string line;
    std::size_t characters = 0;
    std::size_t lines = 0;
    while (reader.next(line)) {
      characters += line.size();
      ++lines;
    }
    benchmark::DoNotOptimize(characters);
    state.counters["lines"] = static_cast<double>(lines);
  }
  state.counters["MB"] = static_cast<double>(file.size) / 1e6;
}
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// One command line on the big file; `done` is how the log must end.
void runCommand(benchmark::State& state, std::u16string_view line, std::u16string_view done,
                bool freshConsole) {
  const BigTextFile& file = BigTextFile::get();
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  const Services services{clock, media, *codePage, file.programDirectory};
  auto console = std::make_unique<Console>(services);
  formLoad(*console);
  for (auto _ : state) {
    if (freshConsole) {
      state.PauseTiming();
      console = std::make_unique<Console>(services);
      formLoad(*console);
      state.ResumeTiming();
    }
    enter(*console, line);
    if (!console->log.text().ends_with(done)) {
      state.SkipWithError("the command failed");
      break;
    }
  }
}

void BM_Load(benchmark::State& state) {
  runCommand(state, u"load big", u"big.txt读取完成！\r\n", true);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadAddSave(benchmark::State& state) {
  runCommand(state, u"loadaddsave big", u"完成！请检查同一目录下的big-Done.txt\r\n", false);
}
BENCHMARK(BM_LoadAddSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Html(benchmark::State& state) {
  runCommand(state, u"html big", u"完成！请检查同一目录下的big.html\r\n", false);
}
BENCHMARK(BM_Html)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zor::bench
