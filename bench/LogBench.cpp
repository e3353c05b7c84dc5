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

// Filling fresh room with 150 MB of text, a piece of 1 MB at a time, as a
// load of a 100 MB file does: in the log (1), and in a plain string that
// reserved the same room (0). Each repetition takes new room from the
// system; the first may be slower when the machine hands out memory it has
// never used, as a virtual machine's host often does.
template <typename Text>
void fill(benchmark::State& state) {
  const std::u16string piece(std::size_t{1} << 19, u'字');
  constexpr std::size_t kPieces = 150;
  for (auto _ : state) {
    Text text;
    text.reserve(kPieces * piece.size());
    for (std::size_t i = 0; i < kPieces; ++i) {
      text.append(piece);
    }
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(sizeof(char16_t) * kPieces * piece.size()));
}
void BM_FillFreshRoom(benchmark::State& state) {
  if (state.range(0) == 0) {
    fill<std::u16string>(state);
  } else {
    fill<Log>(state);
  }
}
BENCHMARK(BM_FillFreshRoom)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace zor::bench
