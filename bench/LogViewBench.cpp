#include "app/qt/Form1.h"
#include "app/qt/LogView.h"
#include "bench/BenchSupport.h"
#include "bench/GeneratedFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>
#include <fstream>
#include <memory>

namespace zor::bench {
namespace {

// The real window with the log view on screen, and a way to type into it.
class Window {
 public:
  explicit Window(ProgramDirectory programDirectory)
      : codePage_(systemCodePage()),
        form_(Services{clock_, media_, *codePage_, std::move(programDirectory)}) {
    form_.show();
    // The window's shortcuts (the zoom keys) work in the active window.
    QApplication::setActiveWindow(&form_);
    text1 = form_.findChild<LogView*>(QStringLiteral("Text1"));
    text2_ = form_.findChild<QLineEdit*>(QStringLiteral("Text2"));
  }

  Log& log() { return form_.console().log; }

  // Types the line, presses Enter and paints what the view now shows.
  void enter(const QString& line) {
    text2_->setText(line);
    QTest::keyClick(text2_, Qt::Key_Return);
    text1->viewport()->repaint();
  }
  // Presses the key in the input box and paints what the view now shows.
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(text2_, key, modifiers);
    text1->viewport()->repaint();
  }

  LogView* text1 = nullptr;

 private:
  const SystemClock clock_;
  SilentMediaDevice media_;
  const std::unique_ptr<CodePage> codePage_;
  Form1 form_;
  QLineEdit* text2_ = nullptr;
};

// `lines` lines; with `longEvery`, every so many of them is a line of some
// 1,500 characters that wraps over many rows.
std::u16string filler(std::int64_t lines, std::int64_t longEvery = 0) {
  std::u16string wrapped;
  for (int i = 0; i < 50; ++i) {
    wrapped += u"Wrapped words of a long line, 长行里的字 ";
  }
  wrapped += u"\r\n";
  std::u16string text;
  for (std::int64_t i = 0; i < lines; ++i) {
    text += longEvery != 0 && i % longEvery == 0 ? wrapped : kLine;
  }
  return text;
}

// The process's resident memory in bytes.
double residentBytes() {
  std::ifstream statm("/proc/self/statm");
  double size = 0;
  double resident = 0;
  statm >> size >> resident;
  return resident * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// One "say" command line typed into the real window and painted, with a
// log that already holds state.range(0) lines.
void BM_SayThroughWindowWithLogOf(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  window.log().append(filler(state.range(0)));
  window.enter(QStringLiteral("say The quick brown fox 跳过了懒狗"));
  for (auto _ : state) {
    window.enter(QStringLiteral("say The quick brown fox 跳过了懒狗"));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SayThroughWindowWithLogOf)->Arg(1'000)->Arg(2'000'000)->Unit(benchmark::kMicrosecond);

// The baseline of the load below: reading and decoding the same file.
void BM_ReadAndDecode(benchmark::State& state) { readAndDecode(state, bigTextFile()); }
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// "load" of the 100 MB, 2,000,000-line file typed into a fresh window,
// until the view has painted it; then the resident memory per byte of the
// file. Once per repetition, for it is long. The first repetition may pay
// for memory the machine has never used before: a virtual machine's host
// often hands it over only when it is first written.
void BM_LoadThroughWindow(benchmark::State& state) {
  const GeneratedFile& file = bigTextFile();
  // What the benchmarks before freed goes back to the system, so that the
  // figure is that of a console that has just started.
  malloc_trim(0);
  Window window(file.directory);
  for (auto _ : state) {
    window.enter(QStringLiteral("load big"));
  }
  if (!window.log().text().ends_with(u"big.txt读取完成！\r\n")) {
    state.SkipWithError("the command failed");
  }
  state.counters["resident/file"] = residentBytes() / static_cast<double>(file.size);
}
BENCHMARK(BM_LoadThroughWindow)
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// "load" of a 200 MB file that is one line with no blank, typed into the
// real window and painted, then a PageUp into the line painted. Once.
void BM_LoadOneLineOf200MB(benchmark::State& state) {
  static const GeneratedFile file(
      "long.txt", 1, [](int, std::u16string& block) { block.assign(100'000'000, u'字'); });
  Window window(file.directory);
  for (auto _ : state) {
    window.enter(QStringLiteral("load long"));
    window.text1->setFocus();
    QTest::keyClick(window.text1, Qt::Key_PageUp);
    window.text1->viewport()->repaint();
  }
  if (!window.log().text().ends_with(u"long.txt读取完成！\r\n")) {
    state.SkipWithError("the command failed");
  }
  state.counters["MB"] = static_cast<double>(file.size) / 1e6;
  state.counters["piece"] = static_cast<double>(window.text1->topRow().piece);
}
BENCHMARK(BM_LoadOneLineOf200MB)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// PageDown in the focused view and the paint of the new page, from the top
// to the end and from the top again.
void pageDownAndPaint(benchmark::State& state, Window& window) {
  window.enter(QStringLiteral("top"));
  window.text1->setFocus();
  for (auto _ : state) {
    const RowSpot before = window.text1->topRow();
    QTest::keyClick(window.text1, Qt::Key_PageDown);
    window.text1->viewport()->repaint();
    if (window.text1->topRow() == before) {
      state.PauseTiming();
      QTest::keyClick(window.text1, Qt::Key_Home, Qt::ControlModifier);
      state.ResumeTiming();
    }
  }
}

// PageDown and paint in a log of 2,000,000 lines, every 100th of them wrapped over many rows.
void BM_PageDownAndPaint(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  window.log().append(filler(2'000'000, 100));
  pageDownAndPaint(state, window);
}
BENCHMARK(BM_PageDownAndPaint)->Unit(benchmark::kMicrosecond);

// PageDown and paint inside one line of 2,000,000 characters, which is laid
// out a piece at a time.
void BM_PageDownInOneLongLine(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  std::u16string line;
  while (line.size() < 2'000'000) {
    line += u"天地玄黄宇宙洪荒 The quick brown fox jumps over a dog. ";
  }
  window.log().appendLine({}, line);
  pageDownAndPaint(state, window);
}
BENCHMARK(BM_PageDownInOneLongLine)->Unit(benchmark::kMicrosecond);

// A zoom step, Ctrl+= and Ctrl+- in turn, and the paint of the log at the
// new size, in the middle of a log of 2,000,000 lines, every 100th of them
// wrapped over many rows.
void BM_ZoomStepOf2MLines(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  window.log().append(filler(2'000'000, 100));
  window.enter(QStringLiteral("say end"));
  window.text1->model().scrollToLine(1'000'000);
  window.text1->refresh();
  bool in = true;
  const int rowHeight = window.text1->model().rowHeight();
  for (auto _ : state) {
    window.press(in ? Qt::Key_Equal : Qt::Key_Minus, Qt::ControlModifier);
    if (in && window.text1->model().rowHeight() == rowHeight) {
      state.SkipWithError("the key did not zoom");
      break;
    }
    in = !in;
  }
  state.counters["line"] = static_cast<double>(window.text1->topRow().line);
}
BENCHMARK(BM_ZoomStepOf2MLines)->Unit(benchmark::kMillisecond);

// "top" typed with a 2,000,000-line log whose end is shown.
void BM_TopOf2MLines(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  window.log().append(filler(2'000'000));
  for (auto _ : state) {
    state.PauseTiming();
    window.enter(QStringLiteral("say end"));
    state.ResumeTiming();
    window.enter(QStringLiteral("top"));
  }
}
BENCHMARK(BM_TopOf2MLines)->Unit(benchmark::kMillisecond);

// "clear" typed with a 2,000,000-line log.
void BM_ClearOf2MLines(benchmark::State& state) {
  Window window(std::filesystem::path("/opt/zor"));
  const std::u16string lines = filler(2'000'000);
  for (auto _ : state) {
    state.PauseTiming();
    window.log().append(lines);
    window.enter(QStringLiteral("say end"));
    state.ResumeTiming();
    window.enter(QStringLiteral("clear"));
  }
}
BENCHMARK(BM_ClearOf2MLines)->Iterations(10)->Unit(benchmark::kMillisecond);

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
