#include "app/batch/BatchRun.h"
#include "bench/BenchSupport.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace zor::bench {
namespace {

constexpr std::int64_t kLines = 100'000;

// The script, already read: what a fast pipe or a cached file gives.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(const std::string& text) : rest_(text) {}
  std::error_code readSome(std::span<char> buffer, std::size_t& count) override {
    count = std::min(buffer.size(), rest_.size());
    std::memcpy(buffer.data(), rest_.data(), count);
    rest_.remove_prefix(count);
    return {};
  }

 private:
  std::string_view rest_;
};

// /dev/null, one write call for each piece, as standard output would be.
class NullSink final : public ByteSink {
 public:
  NullSink() : descriptor_(::open("/dev/null", O_WRONLY | O_CLOEXEC)) {}
  ~NullSink() override { ::close(descriptor_); }
  std::error_code write(std::string_view bytes) override {
    if (keep) {
      pieces.emplace_back(bytes);
    }
    benchmark::DoNotOptimize(::write(descriptor_, bytes.data(), bytes.size()));
    return {};
  }
  bool keep = false;
  std::vector<std::string> pieces;

 private:
  int descriptor_;
};

std::string sayScript() {
  std::string script;
  for (std::int64_t i = 0; i < kLines; ++i) {
    script += "say The quick brown fox 跳过了懒狗\n";
  }
  return script;
}

int runScript(const std::string& script, NullSink& output) {
  const SystemClock clock;
  SilentMediaDevice device;
  PlayedMusic music(device);
  const auto codePage = systemCodePage();
  Console console(Services{clock, music, *codePage, std::filesystem::path("/opt/zor")});
  MemorySource input(script);
  NullSink errors;
  const std::atomic<bool> interrupted{false};
  return runBatch(console, music, BatchStreams{input, "-", output, errors, interrupted});
}

// The whole batch run of a 100,000-line script of say lines, output to
// /dev/null. Time per item is time per line.
void BM_BatchSayScript(benchmark::State& state) {
  const std::string script = sayScript();
  NullSink output;
  for (auto _ : state) {
    benchmark::DoNotOptimize(runScript(script, output));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_BatchSayScript)->Unit(benchmark::kMillisecond);

// Baseline: writing the same output to /dev/null in the same pieces.
void BM_WriteTheSameOutputToDevNull(benchmark::State& state) {
  NullSink recorder;
  recorder.keep = true;
  runScript(sayScript(), recorder);
  NullSink output;
  for (auto _ : state) {
    for (const std::string& piece : recorder.pieces) {
      output.write(piece);
    }
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_WriteTheSameOutputToDevNull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zor::bench
