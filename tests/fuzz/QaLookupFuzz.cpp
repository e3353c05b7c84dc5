// A question and any bytes as the question-and-answer file: the answer is
// the one a plain reading of the whole file gives.

#include "ai/Ai.h"
#include "interpreter/Output.h"
#include "platform/Utf8.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/Fakes.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace {

using namespace zor;

constexpr std::u16string_view kNoAnswer =
    u"没有相似问题的答案...\r\n"
    u"你可以在程序同目录下的ZOR-AI-QA.txt中加入问题和答案\r\n"
    u"每一行的格式为 问题###答案###未知用途的数字 \r\n";

// The number of equal pairs, one pair at a time.
std::uint64_t pairsEqual(std::u16string_view question, std::u16string_view stored) {
  std::uint64_t count = 0;
  for (const char16_t a : question) {
    for (const char16_t b : stored) {
      count += a == b ? 1 : 0;
    }
  }
  return count;
}

// The first answer with the highest score above 0 in the file decoded whole.
std::optional<std::u16string> expectedAnswer(std::u16string_view question,
                                             std::u16string_view text) {
  std::optional<std::u16string> best;
  std::uint64_t bestScore = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\r', start);
    end = end == std::u16string_view::npos ? text.size() : end;
    const std::u16string_view line = text.substr(start, end - start);
    start = end + (text.substr(end).starts_with(u"\r\n") ? 2 : 1);
    const std::size_t first = line.find(u"###");
    const std::size_t second = first == line.npos ? line.npos : line.find(u"###", first + 3);
    if (second == line.npos) {
      continue;
    }
    if (const std::uint64_t score = pairsEqual(question, line.substr(0, first));
        score > bestScore) {
      bestScore = score;
      best = std::u16string(line.substr(first + 3, second - first - 3));
    }
  }
  return best;
}

}  // namespace

// The input is the question in UTF-8, a NUL byte, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  if (split == std::string_view::npos) {
    return -1;
  }
  const std::u16string question = fromUtf8(input.substr(0, split));
  const std::string_view bytes = input.substr(split + 1);
  std::ofstream(fuzz::programDirectory() / "ZOR-AI-QA.txt", std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  test::FixedClock clock;
  test::RecordingMediaDevice media;
  Console console(Services{clock, media, fuzz::codePage(), fuzz::programDirectory()});
  console.vars.aii = u"1";
  AI(console, question);

  const std::u16string& log = console.log.text();
  fuzz::check(console.log.caret() == log.size(), "the caret is at the end");
  if (question == u"AI off") {
    fuzz::check(log == u"AI模式已关闭!\r\n" && console.vars.aii == u"0", "AI off leaves AI mode");
    return 0;
  }
  fuzz::check(console.vars.aii == u"1", "a question keeps AI mode");
  const auto answer = expectedAnswer(question, fuzz::codePage().decode(bytes));
  fuzz::check(log == (answer ? *answer + u"\r\n" : std::u16string(kNoAnswer)),
              "the answer is the best entry's");
  return 0;
}
