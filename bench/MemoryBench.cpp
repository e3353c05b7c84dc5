#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

namespace zor::bench {
namespace {

// A file of about 200 MB without a single line break: Latin words and
// Chinese characters taking turns. It doubles as the question-and-answer
// file, a line with no entry in it.
const GeneratedFile& oneLongLine() {
  static const GeneratedFile file("long.txt", 2'000'000, [](int, std::u16string& block) {
    block.append(u"one line without an end, 天地玄黄宇宙洪荒 ")
        .append(u"the quick brown fox jumps over a dog: 日月盈昃辰宿列张. ");
  });
  static const bool linked = [] {
    std::filesystem::create_hard_link(file.path, file.directory / "ZOR-AI-QA.txt");
    return true;
  }();
  (void)linked;
  return file;
}

long peakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Runs the lines in a child process of its own, so that each command's
// peak is its own, and reports by how much it raised the child's peak
// resident memory, as a multiple of the file's size.
void peakOf(benchmark::State& state, std::initializer_list<std::u16string_view> lines,
            std::u16string_view done) {
  const GeneratedFile& file = oneLongLine();
  for (auto _ : state) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    const pid_t child = fork();
    if (child == 0) {
      const long before = peakResidentKb();
      const SystemClock clock;
      SilentMediaDevice media;
      const auto codePage = systemCodePage();
      auto console = std::make_unique<Console>(Services{clock, media, *codePage, file.directory});
      formLoad(*console);
      for (const std::u16string_view line : lines) {
        enter(*console, line);
      }
      const long growth = console->log.text().ends_with(done) ? peakResidentKb() - before : -1;
      _exit(::write(pipe[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
    }
    ::close(pipe[1]);
    long growth = -1;
    const bool read = ::read(pipe[0], &growth, sizeof growth) == sizeof growth;
    ::close(pipe[0]);
    waitpid(child, nullptr, 0);
    if (!read || growth < 0) {
      state.SkipWithError("the command failed");
      break;
    }
    const double fileMb = static_cast<double>(file.size) / 1e6;
    state.counters["file_MB"] = fileMb;
    state.counters["peak_growth_MB"] = static_cast<double>(growth) * 1024.0 / 1e6;
    state.counters["times_file"] = static_cast<double>(growth) * 1024.0 / 1e6 / fileMb;
  }
}

void BM_PeakOfLoad(benchmark::State& state) {
  peakOf(state, {u"load long"}, u"long.txt读取完成！\r\n");
}
BENCHMARK(BM_PeakOfLoad)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PeakOfHtml(benchmark::State& state) {
  peakOf(state, {u"html long"}, u"完成！请检查同一目录下的long.html\r\n");
}
BENCHMARK(BM_PeakOfHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PeakOfLoadAddSave(benchmark::State& state) {
  peakOf(state, {u"loadaddsave long"}, u"完成！请检查同一目录下的long-Done.txt\r\n");
}
BENCHMARK(BM_PeakOfLoadAddSave)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PeakOfAiQuestion(benchmark::State& state) {
  peakOf(state, {u"AI on", u"天地玄黄"}, u"每一行的格式为 问题###答案###未知用途的数字 \r\n");
}
BENCHMARK(BM_PeakOfAiQuestion)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace zor::bench
