#include "platform/NativePath.h"
#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace zor::test {
namespace {

// The program directory is where the running test program lies, without a
// trailing separator, wherever the working directory is.
TEST(ProgramLocationTest, TheProgramDirectoryHoldsTheRunningProgram) {
#ifdef _WIN32
  const std::u16string program = u"zor_core_tests.exe";
#else
  const std::u16string program = u"zor_core_tests";
#endif
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::error_code error;
  const std::u16string directory = programDirectory(error).text();
  std::filesystem::current_path(before);

  ASSERT_FALSE(error);
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), kPathSeparator.front());
  EXPECT_TRUE(std::filesystem::is_regular_file(
      nativePath(directory + std::u16string(kPathSeparator) + program)));
}

}  // namespace
}  // namespace zor::test
