// Links, attributes, permission bits and owners as each system has them.
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace zor::test {
namespace {

namespace fs = std::filesystem;

// The bytes a save of `name` writes right after the test starts.
std::string saved(std::string_view name) {
  return "[09:05:07]>>>save " + std::string(name) +
         "\r\n[09:05:07]\xB1\xA3\xB4\xE6\xA3\xA1\xC7\xEB\xBC\xEC\xB2\xE9\xCD\xAC\xD2\xBB\xC4\xBF"
         "\xC2\xBC\xCF\xC2\xB5\xC4" +
         std::string(name) + ".txt\r\n\r\n";
}

#ifndef _WIN32

constexpr uid_t kNobody = 65534;

// "save" writes into what the user had: links, permission bits, owner.
class SaveTargetTest : public ConsoleTest {
 protected:
  static fs::perms permissions(const fs::path& path) {
    return fs::symlink_status(path).permissions();
  }

  // Runs the lines as the unprivileged user "nobody" in a child process,
  // since root may write every file, and returns what the log gained there.
  std::u16string enterAsNobody(std::initializer_list<std::u16string_view> lines) {
    int pipe[2];
    EXPECT_EQ(::pipe(pipe), 0);
    const pid_t child = fork();
    if (child == 0) {
      ::close(pipe[0]);
      if (getuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
        _exit(1);
      }
      for (const std::u16string_view line : lines) {
        enter(line);
      }
      const std::u16string added = fresh();
      const auto bytes = static_cast<std::size_t>(added.size() * sizeof(char16_t));
      _exit(::write(pipe[1], added.data(), bytes) == static_cast<ssize_t>(bytes) ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::u16string added(bytes.size() / sizeof(char16_t), u'\0');
    bytes.copy(reinterpret_cast<char*>(added.data()), bytes.size());
    return added;
  }
};

TEST_F(SaveTargetTest, ASymbolicLinkIsFollowedAndStaysALink) {
  fs::create_directory(directory / "real");
  writeBytes(directory / "real" / "notes.txt", "earlier\r\n");
  fs::create_symlink("real/notes.txt", directory / "link.txt");
  fs::create_symlink("real/new.txt", directory / "dangling.txt");
  enter(u"clear");
  enter(u"save link");
  EXPECT_TRUE(fs::is_symlink(directory / "link.txt"));
  EXPECT_EQ(readBytes(directory / "real" / "notes.txt"), saved("link"));

  enter(u"clear");
  enter(u"save dangling");
  EXPECT_TRUE(fs::is_symlink(directory / "dangling.txt"));
  EXPECT_EQ(readBytes(directory / "real" / "new.txt"), saved("dangling"));
  EXPECT_EQ(fs::read_symlink(directory / "link.txt"), "real/notes.txt");
  EXPECT_EQ(entriesIn(directory / "real"), 2u);
}

TEST_F(SaveTargetTest, PermissionBitsOwnerAndHardLinksAreKept) {
  writeBytes(directory / "private.txt", "earlier\r\n");
  fs::permissions(directory / "private.txt", fs::perms::owner_read | fs::perms::owner_write |
                                                 fs::perms::group_read | fs::perms::others_exec);
  writeBytes(directory / "one.txt", "earlier\r\n");
  fs::create_hard_link(directory / "one.txt", directory / "two.txt");
  enter(u"clear");
  enter(u"save private");
  EXPECT_EQ(readBytes(directory / "private.txt"), saved("private"));
  EXPECT_EQ(permissions(directory / "private.txt"), fs::perms::owner_read | fs::perms::owner_write |
                                                        fs::perms::group_read |
                                                        fs::perms::others_exec);
  enter(u"clear");
  enter(u"save one");
  EXPECT_EQ(readBytes(directory / "two.txt"), saved("one"));
  EXPECT_EQ(fs::hard_link_count(directory / "one.txt"), 2u);
  EXPECT_EQ(entriesIn(directory), 3u);

  if (getuid() == 0) {
    writeBytes(directory / "theirs.txt", "earlier, much longer than what is saved\r\n");
    ASSERT_EQ(chown((directory / "theirs.txt").c_str(), kNobody, kNobody), 0);
    enter(u"clear");
    enter(u"save theirs");
    EXPECT_EQ(readBytes(directory / "theirs.txt"), saved("theirs"));
    struct stat status {};
    ASSERT_EQ(stat((directory / "theirs.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
  }
}

// A read-only file in a directory anyone may write is refused and left as
// it was; a writable file in a directory the user may not write is
// written into.
TEST_F(SaveTargetTest, WhatTheUserMayWriteDecidesNotTheDirectory) {
  fs::permissions(directory, fs::perms::all);
  writeBytes(directory / "ro.txt", "earlier\r\n");
  fs::permissions(directory / "ro.txt", fs::perms::owner_read | fs::perms::others_read);
  fs::create_directory(directory / "closed");
  writeBytes(directory / "closed" / "open.txt", "earlier\r\n");
  fs::permissions(directory / "closed" / "open.txt", fs::perms::all);
  fs::permissions(directory / "closed", fs::perms::owner_all | fs::perms::others_exec);

  const std::u16string log =
      u"[09:05:07]>>>save ro\r\n"
      u"[09:05:07]文件操作失败！ro.txt: Permission denied\r\n"
      u"[09:05:07]>>>save closed/open\r\n"
      u"[09:05:07]保存！请检查同一目录下的closed/open.txt\r\n";
  EXPECT_EQ(enterAsNobody({u"clear", u"save ro", u"save closed/open"}), log);
  EXPECT_EQ(readBytes(directory / "ro.txt"), "earlier\r\n");
  EXPECT_EQ(readBytes(directory / "closed" / "open.txt"), codePage->encode(log) + "\r\n");
  EXPECT_EQ(entriesIn(directory), 2u);
  EXPECT_EQ(entriesIn(directory / "closed"), 1u);

  // Without a temporary directory the text has nowhere to wait: the file is
  // refused rather than written half.
  const fs::path working = fs::current_path();
  fs::current_path(directory);
  const char* const tmpdir = std::getenv("TMPDIR");
  const std::string earlier = tmpdir != nullptr ? tmpdir : "";
  setenv("TMPDIR", (directory / "none").c_str(), 1);
  EXPECT_EQ(enterAsNobody({u"save closed/open"}),
            u"[09:05:07]>>>save closed/open\r\n"
            u"[09:05:07]文件操作失败！closed/open.txt: Permission denied\r\n");
  if (tmpdir != nullptr) {
    setenv("TMPDIR", earlier.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
  fs::current_path(working);
  EXPECT_EQ(readBytes(directory / "closed" / "open.txt"), codePage->encode(log) + "\r\n");
  EXPECT_EQ(entriesIn(directory), 2u);
}

#else

// Windows keeps in a file's attributes what POSIX keeps in its permission
// bits. Its access control list and alternate data streams only real NTFS
// shows; Wine has neither. Unix links under Wine: tests/win32/batch_test.sh.
using SaveTargetTest = ConsoleTest;

DWORD attributes(const fs::path& path) { return GetFileAttributesW(path.c_str()); }

TEST_F(SaveTargetTest, AttributesAreKept) {
  writeBytes(directory / "hidden.txt", "earlier\r\n");
  ASSERT_TRUE(SetFileAttributesW((directory / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  enter(u"clear");
  enter(u"save hidden");
  EXPECT_EQ(readBytes(directory / "hidden.txt"), saved("hidden"));
  EXPECT_EQ(attributes(directory / "hidden.txt") & FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(entriesIn(directory), 1u);
}

// Even for a process that the system would let write it.
TEST_F(SaveTargetTest, AReadOnlyFileIsRefusedAndKept) {
  const fs::path file = directory / "kept.txt";
  writeBytes(file, "earlier\r\n");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  fresh();
  enter(u"save kept");
  EXPECT_EQ(fresh(),
            u"[09:05:07]>>>save kept\r\n"
            u"[09:05:07]文件操作失败！kept.txt: Permission denied\r\n");
  EXPECT_EQ(readBytes(file), "earlier\r\n");
  EXPECT_EQ(attributes(file) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(entriesIn(directory), 1u);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

#endif

}  // namespace
}  // namespace zor::test
