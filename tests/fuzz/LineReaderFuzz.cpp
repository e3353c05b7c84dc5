// Any bytes as a text file: the lines the reader hands out, a piece at a
// time, are the lines of the whole file decoded at once. The same bytes
// through a pipe into batch mode's line reader: the lines between the LFs,
// up to the first that is longer than the reader's limit.

#include "app/batch/LineReader.h"
#include "interpreter/TextFileReader.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/ByteStreamFakes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace zor;

// Lines end at CR LF or at a lone CR; a lone LF stays in its line.
std::vector<std::u16string> splitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u'\r') {
      lines.emplace_back(text.substr(start, i - start));
      i += i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) {
    lines.emplace_back(text.substr(start));
  }
  return lines;
}

void checkTextFile(const std::string& bytes, std::size_t piece) {
  const auto path = fuzz::programDirectory() / "lines.txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  TextFileReader reader(fuzz::codePage(), piece);
  fuzz::check(!reader.open(path), "the file opens");
  fuzz::check(reader.size() == bytes.size(), "the size is the file's");
  std::vector<std::u16string> read;
  std::u16string line;
  while (reader.next(line)) {
    read.push_back(line);
  }
  fuzz::check(!reader.error(), "the file reads to its end");
  fuzz::check(!reader.next(line), "the end stays the end");
  fuzz::check(read == splitLines(fuzz::codePage().decode(bytes)),
              "the lines are those of the whole file decoded at once");
  // The next run makes a new file: a file cut to nothing and written again
  // goes to the disk when it is closed (as ext4 does), which would cost far
  // more than the run.
  std::filesystem::remove(path);
}

// Lines end at LF, a CR before it dropped; the last needs no end.
void checkPipe(const std::string& bytes, std::size_t chunk, std::size_t limit, bool interrupted) {
  std::vector<std::string_view> expected;
  bool tooLong = false;
  for (std::string_view rest = bytes; !rest.empty() && !tooLong;) {
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    tooLong = line.size() > limit;
    if (!tooLong) {
      expected.push_back(line);
    }
  }

  test::TextSource source(bytes, chunk);
  if (interrupted) {
    source.onRead = [](int read) {
      return read % 2 == 0 ? std::make_error_code(std::errc::interrupted) : std::error_code();
    };
  }
  LineReader reader(source, limit);
  std::vector<std::string> read;
  std::string_view line;
  std::error_code error;
  while (reader.next(line, error) || error == std::errc::interrupted) {
    if (!error) {
      read.emplace_back(line);
    }
  }
  fuzz::check(std::equal(read.begin(), read.end(), expected.begin(), expected.end()),
              "the pipe's lines are those between its LFs");
  fuzz::check(reader.lines() == read.size(), "the lines are counted");
  fuzz::check(tooLong ? error == std::errc::value_too_large : !error,
              "a line longer than the limit ends the reading, and only that");
}

}  // namespace

// The first byte is the size of the file reader's reads (1 to 64 bytes) and
// the second the size of what the pipe gives at a time, so that lines of
// the size of a read, one byte longer, and CR LF and characters across two
// reads come from a few bytes. The third is the pipe reader's limit (0 to
// 63), its top bit an interruption before every other read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) {
    return -1;
  }
  const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
  checkTextFile(bytes, std::size_t{data[0] & 63u} + 1);
  checkPipe(bytes, std::size_t{data[1] & 63u} + 1, data[2] & 63u, (data[2] & 128u) != 0);
  return 0;
}
