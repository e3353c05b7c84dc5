#include "bench/BenchSupport.h"

#include <benchmark/benchmark.h>

namespace zor::bench {
namespace {

// One "say" command line (its echo and its output line) with a log that
// already holds state.range(0) lines.
void BM_SayWithLogOf(benchmark::State& state) {
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  Console console(Services{clock, media, *codePage, std::filesystem::path("/opt/zor")});
  formLoad(console);
  std::u16string filler;
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    filler += kLine;
  }
  console.log.append(filler);
  for (auto _ : state) {
    enter(console, u"say The quick brown fox 跳过了懒狗");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SayWithLogOf)->Arg(1'000)->Arg(1'000'000);

}  // namespace
}  // namespace zor::bench
