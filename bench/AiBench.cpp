#include "ai/Ai.h"
#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace zor::bench {
namespace {

// A question-and-answer file of 1,000,000 entries (about 43 MB), Chinese and
// Latin questions taking turns.
const GeneratedFile& bigQaFile() {
  static const GeneratedFile file("ZOR-AI-QA.txt", 1'000'000, [](int i, std::u16string& block) {
    const std::u16string number = fromUtf8(std::to_string(i));
    if (i % 2 == 0) {
      block.append(u"第").append(number).append(u"个问题是什么?###第").append(number);
      block.append(u"个答案###0\r\n");
    } else {
      block.append(u"what is entry ").append(number).append(u"?###answer ").append(number);
      block.append(u"###0\r\n");
    }
  });
  return file;
}

long peakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_ReadAndDecodeQa(benchmark::State& state) { readAndDecode(state, bigQaFile()); }
BENCHMARK(BM_ReadAndDecodeQa)->Unit(benchmark::kMillisecond)->UseRealTime();

// One question typed in AI mode, answered from the whole file.
void BM_AiLookup(benchmark::State& state) {
  const GeneratedFile& file = bigQaFile();
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  Console console(Services{clock, media, *codePage, file.directory});
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
