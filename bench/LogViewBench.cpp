#include "app/qt/Form1.h"
#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace zor::bench {
namespace {

// One "say" command line typed into the real window, with a log that
// already holds state.range(0) lines.
void BM_SayThroughWindowWithLogOf(benchmark::State& state) {
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, media, *codePage, std::filesystem::path("/opt/zor")});
  form.show();
  std::u16string filler;
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    filler += kLine;
  }
  form.console().log.append(filler);
  auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  const QString line = QStringLiteral("say The quick brown fox 跳过了懒狗");
  text2->setText(line);
  QTest::keyClick(text2, Qt::Key_Return);  // the view takes the filler in once
  for (auto _ : state) {
    text2->setText(line);
    QTest::keyClick(text2, Qt::Key_Return);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SayThroughWindowWithLogOf)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// "load" of the 100 MB, 2,000,000-line file typed into the real window: the
// command and the view taking in the loaded lines. Once, for it is long.
void BM_LoadThroughWindow(benchmark::State& state) {
  const GeneratedFile& file = bigTextFile();
  const SystemClock clock;
  SilentMediaDevice media;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, media, *codePage, file.directory});
  form.show();
  auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  for (auto _ : state) {
    text2->setText(QStringLiteral("load big"));
    QTest::keyClick(text2, Qt::Key_Return);
  }
  if (!form.console().log.text().ends_with(u"big.txt读取完成！\r\n")) {
    state.SkipWithError("the command failed");
  }
}
BENCHMARK(BM_LoadThroughWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zor::bench

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
