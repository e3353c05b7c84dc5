#include "tests/support/ConsoleHarness.h"

#include <random>

namespace zor::test {

namespace {

std::filesystem::path makeTemporaryDirectory() {
  std::random_device random;
  const auto path = std::filesystem::temp_directory_path() /
                    ("zor-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace

ConsoleTest::ConsoleTest()
    : directory(makeTemporaryDirectory()), console(Services{clock, media, *codePage, directory}) {
  formLoad(console);
  seen_ = console.log.text().size();
}

ConsoleTest::~ConsoleTest() {
  std::error_code ignored;
  std::filesystem::permissions(directory, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(directory, ignored);
}

void ConsoleTest::enter(std::u16string_view line) {
  console.input = std::u16string(line);
  text2KeyPress(console, consoleCommands(), kEnter);
}

std::u16string ConsoleTest::fresh() {
  const std::u16string& text = console.log.text();
  std::u16string added = seen_ <= text.size() ? text.substr(seen_) : text;
  seen_ = text.size();
  return added;
}

}  // namespace zor::test
