// Any bytes as a text file: the lines the reader hands out, a piece at a
// time, are the lines of the whole file decoded at once.

#include "interpreter/TextFileReader.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
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

}  // namespace

// The first byte chooses whether the rest follows a long line that ends up
// to 63 bytes before the first megabyte (one input in four, as the long
// line is slow), so that the reader's pieces meet inside the bytes being
// fuzzed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return -1;
  }
  std::string bytes;
  if ((data[0] & 3) == 3) {
    bytes.assign((std::size_t{1} << 20) - (data[0] >> 2), 'a');
  }
  bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto path = fuzz::programDirectory() / "lines.txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  TextFileReader reader(fuzz::codePage());
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
  return 0;
}
