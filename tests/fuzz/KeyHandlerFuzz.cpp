// Command lines typed into the console, one per line of the input, run
// through the key handler in a program directory holding real files.

#include "app/Form.h"
#include "app/KeyHandler.h"
#include "interpreter/KeyPress.h"
#include "interpreter/Output.h"
#include "platform/Utf8.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/Fakes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string_view>

namespace {

using namespace zor;

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A text file with every kind of line ending, Chinese text and a byte that
// does not decode; and the question-and-answer file.
void putFiles() {
  const auto& directory = fuzz::programDirectory();
  fuzz::emptyProgramDirectory();
  writeFile(directory / "a.txt", "\xC4\xE3\xBA\xC3\r\nb\rc\nd\x81\r\n\r\n");
  writeFile(directory / "ZOR-AI-QA.txt", "\xC4\xE3\xBA\xC3!###\xC4\xE3\xD2\xB2\xBA\xC3!###0\r\n");
}

// Whether a temporary file of an interrupted write was left behind. The
// user may name a file ".zor-..." too, but every name a command makes ends
// in ".txt" or ".html", never in ".tmp".
bool temporaryFileLeft() {
  for (const auto& entry : std::filesystem::directory_iterator(fuzz::programDirectory())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".zor-") && name.ends_with(".tmp")) {
      return true;
    }
  }
  return false;
}

bool onlyBlanks(std::u16string_view line) {
  return std::all_of(line.begin(), line.end(), [](char16_t c) { return c == u' '; });
}

void typeLine(Console& console, std::u16string line) {
  const std::u16string before = console.log.text();
  const std::u16string echo = linePrefix(console) + u">>>" + line + u"\r\n";
  const bool ignored = onlyBlanks(line);
  console.input = line;
  handleKey(console, kEnter);
  // The front-end would end the process or hide the window here.
  console.window.stopRequested = false;
  console.window.visible = true;

  const std::u16string& after = console.log.text();
  fuzz::check(console.log.caret() <= after.size(), "the caret stays inside the log");
  fuzz::check(!temporaryFileLeft(), "no temporary file is left behind");
  if (ignored) {
    fuzz::check(after == before && console.input == line, "a blank line changes nothing");
  } else if (line != u"clear") {
    fuzz::check(console.input.empty(), "Enter empties the input box");
    fuzz::check(after.starts_with(before + echo), "the log keeps all it had, then the echo");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  putFiles();
  test::FixedClock clock;
  test::RecordingMediaDevice media;
  Console console(Services{clock, media, fuzz::codePage(), fuzz::programDirectory()});
  formLoad(console);

  std::string_view lines(reinterpret_cast<const char*>(data), size);
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    std::u16string line = fromUtf8(lines.substr(0, end));
    // A name with a separator could reach files outside the directory.
    std::replace(line.begin(), line.end(), u'/', u'_');
    typeLine(console, std::move(line));
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  return 0;
}
