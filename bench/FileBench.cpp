#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <benchmark/benchmark.h>

namespace zor::bench {
namespace {

void BM_ReadAndDecode(benchmark::State& state) { readAndDecode(state, bigTextFile()); }
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// One command line on the big file; `done` is how the log must end.
void runCommand(benchmark::State& state, std::u16string_view line, std::u16string_view done,
                bool freshConsole) {
  const GeneratedFile& file = bigTextFile();
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  const Services services{clock, media, *codePage, file.directory};
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
