#include "app/batch/Arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace zor::test {
namespace {

Arguments parse(std::vector<std::string_view> arguments) { return parseArguments(arguments); }

TEST(ArgumentsTest, ChoosesTheWindowBatchHelpOrVersion) {
  EXPECT_EQ(parse({}).mode, StartMode::Window);
  const Arguments fromInput = parse({"--batch"});
  EXPECT_EQ(fromInput.mode, StartMode::Batch);
  EXPECT_EQ(fromInput.file, "");
  EXPECT_EQ(parse({"--batch", "-"}).file, "-");
  EXPECT_EQ(parse({"--batch", "脚本 1.txt"}).file, "脚本 1.txt");
  EXPECT_EQ(parse({"--help"}).mode, StartMode::Help);
  EXPECT_EQ(parse({"--version"}).mode, StartMode::Version);

  const char* const argv[] = {"zor", "--batch", "a.txt"};
  EXPECT_EQ(parseArguments(3, argv).file, "a.txt");
}

TEST(ArgumentsTest, NamesWhatItCannotTake) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
      {{"--bogus"}, "zor: --bogus: unknown option (see zor --help)\n"},
      {{"-b"}, "zor: -b: unknown option (see zor --help)\n"},
      {{"notes.txt"}, "zor: notes.txt: unexpected argument (see zor --help)\n"},
      {{"--batch", "--bogus"}, "zor: --bogus: unknown option (see zor --help)\n"},
      {{"--batch", "a", "b"}, "zor: b: unexpected argument (see zor --help)\n"},
      {{"--version", "x"}, "zor: x: unexpected argument (see zor --help)\n"},
      {{"--help", "--help"}, "zor: --help: unexpected argument (see zor --help)\n"},
  };
  for (const auto& [arguments, error] : cases) {
    const Arguments parsed = parse(arguments);
    EXPECT_EQ(parsed.mode, StartMode::Invalid) << error;
    EXPECT_EQ(parsed.error, error);
  }
}

}  // namespace
}  // namespace zor::test
