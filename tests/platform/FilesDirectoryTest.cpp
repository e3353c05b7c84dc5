// The XDG rule and other users as POSIX systems have them.
#ifndef _WIN32

#include "platform/FilesDirectory.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <random>
#include <string>

namespace zor::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

fs::path temporaryRoot() {
  std::random_device random;
  return fs::temp_directory_path() /
         ("zor-files-" + std::to_string(random()) + std::to_string(random()));
}

class FilesDirectoryTest : public ::testing::Test {
 protected:
  FilesDirectoryTest() {
    fs::create_directories(program);
    fs::create_directories(home / ".config");
    variables["HOME"] = home;
    // A normal user must own the home.
    chownTree(home);
  }

  ~FilesDirectoryTest() override {
    std::error_code ignored;
    fs::permissions(program, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
  }

  Environment environment() const {
    return [this](const char* name) -> std::optional<fs::path> {
      const auto found = variables.find(name);
      if (found == variables.end()) {
        return std::nullopt;
      }
      return found->second;
    };
  }

  void writeUserDirs(std::string_view lines) const {
    writeBytes(home / ".config" / "user-dirs.dirs", lines);
    chownTree(home);
  }

  // What a user who may not write into the program directory gets. Root may
  // write anywhere, so as root the choice is made in a child process that
  // has become nobody.
  fs::path chosenWithReadOnlyProgramDirectory() const {
    fs::permissions(program,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (geteuid() != 0) {
      return filesDirectory(program, environment());
    }
    int channel[2];
    EXPECT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(channel[0]);
      if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
        _exit(2);
      }
      const std::string chosen = filesDirectory(program, environment()).string();
      const bool written =
          write(channel[1], chosen.data(), chosen.size()) == static_cast<ssize_t>(chosen.size());
      _exit(written ? 0 : 3);
    }
    close(channel[1]);
    std::string chosen;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
      chosen.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    return chosen;
  }

  static void chownTree(const fs::path& top) {
    if (geteuid() != 0) {
      return;
    }
    EXPECT_EQ(chown(top.c_str(), kNobody, kNobody), 0);
    for (const auto& entry : fs::recursive_directory_iterator(top)) {
      EXPECT_EQ(chown(entry.path().c_str(), kNobody, kNobody), 0);
    }
  }

  fs::path root = temporaryRoot();
  fs::path program = root / "opt" / "zor";
  fs::path home = root / "home";
  std::map<std::string, fs::path, std::less<>> variables;
};

TEST_F(FilesDirectoryTest, AWritableProgramDirectoryKeepsTheFilesBesideTheProgram) {
  writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
  EXPECT_EQ(filesDirectory(program, environment()), program);
  EXPECT_FALSE(fs::exists(home / "Docs"));
}

// As root may write into /usr/bin, where the package puts the program.
TEST_F(FilesDirectoryTest, AProgramDirectoryOnTheSearchPathSendsTheFilesToTheDocumentsFolder) {
  fs::create_directory_symlink(program, root / "bin");
  variables["PATH"] = (root / "missing").string() + "::" + (root / "bin").string();
  EXPECT_EQ(filesDirectory(program, environment()), home / "Documents" / "ZOR");

  variables["PATH"] = (root / "opt").string() + ":" + (root / "opt" / "zor" / "bin").string();
  EXPECT_EQ(filesDirectory(program, environment()), program);
}

TEST_F(FilesDirectoryTest, ZorHomeOverridesEveryOtherPlaceAndIsMadeWhenMissing) {
  variables["ZOR_HOME"] = root / "mine" / "files/";
  EXPECT_EQ(filesDirectory(program, environment()), root / "mine" / "files");
  EXPECT_TRUE(fs::is_directory(root / "mine" / "files"));

  variables["ZOR_HOME"] = program;
  EXPECT_EQ(chosenWithReadOnlyProgramDirectory(), program);
}

TEST_F(FilesDirectoryTest, AReadOnlyProgramDirectorySendsTheFilesToTheDocumentsFolder) {
  const fs::path chosen = chosenWithReadOnlyProgramDirectory();
  EXPECT_EQ(chosen, home / "Documents" / "ZOR");
  EXPECT_TRUE(fs::is_directory(chosen));
  EXPECT_EQ(entriesIn(program), 0u);
}

TEST_F(FilesDirectoryTest, TheDocumentsFolderFollowsTheUserDirsFile) {
  struct Case {
    std::string userDirs;
    fs::path documents;
  };
  const fs::path absolute = root / "elsewhere" / "文档";
  const Case cases[] = {
      {"# XDG_DOCUMENTS_DIR=\"$HOME/no\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
       "XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n",
       home / "文档"},
      {"XDG_DOCUMENTS_DIR=$HOME/My\\ Files\n", home / "My Files"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", home},
      {"XDG_DOCUMENTS_DIR=\"" + absolute.string() + "\"\n", absolute},
      // Not a documents folder: relative, or another variable than $HOME.
      {"XDG_DOCUMENTS_DIR=\"Docs\"\nXDG_DOCUMENTS_DIR=\"$HOMEDIR/x\"\n", home / "Documents"},
  };
  fs::create_directories(absolute.parent_path());
  chownTree(absolute.parent_path());
  for (const Case& c : cases) {
    writeUserDirs(c.userDirs);
    EXPECT_EQ(chosenWithReadOnlyProgramDirectory(), c.documents / "ZOR") << c.userDirs;
  }
}

TEST_F(FilesDirectoryTest, XdgConfigHomeNamesWhereTheUserDirsFileIs) {
  writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Unused\"\n");
  fs::create_directories(home / "config");
  writeBytes(home / "config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Used\"\n");
  chownTree(home);
  variables["XDG_CONFIG_HOME"] = home / "config";
  EXPECT_EQ(chosenWithReadOnlyProgramDirectory(), home / "Used" / "ZOR");
}

}  // namespace
}  // namespace zor::test

#endif
