#include "app/logview/LogFind.h"
#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace zor::bench {
namespace {

// Find in the log after `load` of the 100 MB file, beside reading and
// decoding that file in the same run.
void BM_ReadAndDecode(benchmark::State& state) { readAndDecode(state, bigTextFile()); }
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

const Console& loadedConsole() {
  static const std::unique_ptr<Console> console = [] {
    const GeneratedFile& file = bigTextFile();
    static const SystemClock clock;
    static SilentMediaDevice media;
    static const auto codePage = systemCodePage();
    auto loaded = std::make_unique<Console>(Services{clock, media, *codePage, file.directory});
    formLoad(*loaded);
    enter(*loaded, u"load big");
    return loaded;
  }();
  return *console;
}

// A needle that stands once, at the top (the banner's), found from the
// bottom: the whole log read backwards.
void findOnceAtTheTop(benchmark::State& state, bool matchCase) {
  const Log& log = loadedConsole().log;
  LogFind find;
  for (auto _ : state) {
    find.setNeedle(u"ZOR_Command", matchCase);
    const auto match = find.findFrom(log, log.text().size());
    if (!match || match->start > 1000) {
      state.SkipWithError("not found at the top");
      break;
    }
  }
  state.counters["MB of text"] = static_cast<double>(log.text().size() * 2) / 1e6;
}
void BM_FindOnceAtTheTop(benchmark::State& state) { findOnceAtTheTop(state, true); }
BENCHMARK(BM_FindOnceAtTheTop)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_FindOnceAtTheTopAnyCase(benchmark::State& state) { findOnceAtTheTop(state, false); }
BENCHMARK(BM_FindOnceAtTheTopAnyCase)->Unit(benchmark::kMillisecond)->UseRealTime();

// Counting a needle that stands on every line, in the window's slices; the
// longest slice is reported too.
void countEveryLine(benchmark::State& state, bool matchCase) {
  const Log& log = loadedConsole().log;
  LogFind find;
  double longest = 0;
  for (auto _ : state) {
    find.setNeedle(u"fox", matchCase);
    find.findFrom(log, log.text().size());
    for (;;) {
      const auto start = std::chrono::steady_clock::now();
      const bool done = find.countStep(log, LogFind::kCountSlice);
      longest = std::max(longest, std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - start)
                                      .count());
      if (done) {
        break;
      }
    }
    if (find.countText(log) != u"1000000/1000000") {
      state.SkipWithError("wrong count");
      break;
    }
  }
  state.counters["longest slice ms"] = longest;
}
void BM_CountEveryLine(benchmark::State& state) { countEveryLine(state, true); }
BENCHMARK(BM_CountEveryLine)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_CountEveryLineAnyCase(benchmark::State& state) { countEveryLine(state, false); }
BENCHMARK(BM_CountEveryLineAnyCase)->Unit(benchmark::kMillisecond)->UseRealTime();

// The matches in one screen of rows, for the highlight.
void BM_MatchesOnScreen(benchmark::State& state) {
  const Log& log = loadedConsole().log;
  LogFind find;
  find.setNeedle(u"o", false);
  const std::size_t begin = log.lineStart(log.lineCount() / 2);
  const std::size_t end = log.lineStart(log.lineCount() / 2 + 60);
  for (auto _ : state) {
    benchmark::DoNotOptimize(find.matchesIn(log, begin, end));
  }
}
BENCHMARK(BM_MatchesOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zor::bench
