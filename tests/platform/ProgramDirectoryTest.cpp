// Mount namespaces are Linux's.
#ifdef __linux__

#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace zor::test {
namespace {

// A child process in a mount namespace of its own hides /proc, which alone
// tells where the program lies; the directory is then not guessed.
TEST(ProgramDirectoryTest, IsNotGuessedWhenTheSystemCannotTellIt) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
        mount("none", "/proc", "tmpfs", 0, nullptr) != 0) {
      _exit(2);
    }
    std::error_code error;
    const ProgramDirectory directory = programDirectory(error);
    _exit(error == std::errc::no_such_file_or_directory && directory.path().empty() &&
                  directory.text().empty()
              ? 0
              : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 2) {
    GTEST_SKIP() << "no mount namespace of its own for this user";
  }
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zor::test

#endif
