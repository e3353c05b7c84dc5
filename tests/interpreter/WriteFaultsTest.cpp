// Each system call that writing a file makes fails in turn, as a failing
// disk would make it fail: the old file keeps its bytes (and on Windows its
// attributes), no temporary file stays behind, the log gains one line that
// names the file and the reason, and the next try succeeds.
#include "platform/FileCalls.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

#include <cerrno>
#include <map>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor::test {
namespace {

namespace fs = std::filesystem;

// A command and the file it writes, which holds "earlier\r\n" before.
struct Writer {
  std::u16string_view line;
  std::u16string_view target;
  std::u16string_view before;  // what the log gains before the failure line
};

const Writer kWriters[] = {
    {u"save notes", u"notes.txt", u""},
    {u"loadaddsave src", u"src-Done.txt", u"[09:05:07]正在更改src.txt...\r\n"},
    {u"html src", u"src.html", u"[09:05:07]正在更改src.txt...\r\n"},
};

constexpr std::string_view kEarlier = "earlier\r\n";
constexpr std::u16string_view kIo = u"Input/output error";
constexpr std::u16string_view kFull = u"No space left on device";

// Gives the target its old content again.
void putEarlier(const fs::path& target);

// The fixture writes the files every writer needs; what a command wrote
// once it works again is checked against a run without faults.
class WriteFaultsTest : public ConsoleTest {
 protected:
  WriteFaultsTest() {
    writeBytes(directory / "src.txt", "a\r\n");
    for (const Writer& writer : kWriters) {
      putEarlier(directory / fs::path(writer.target));
    }
  }

  // Runs the line and returns what the log gained.
  std::u16string run(std::u16string_view line) {
    fresh();
    enter(line);
    return fresh();
  }

  std::u16string failed(const Writer& writer, std::u16string_view reason) {
    return u"[09:05:07]>>>" + std::u16string(writer.line) + u"\r\n" +
           std::u16string(writer.before) + u"[09:05:07]文件操作失败！" +
           std::u16string(writer.target) + u": " + std::u16string(reason) + u"\r\n";
  }

  // The bytes the command writes when nothing fails, in a directory of its
  // own with the same log.
  std::string written(const Writer& writer) {
    TemporaryDirectory other;
    fs::copy_file(directory / "src.txt", other.path() / "src.txt");
    Console copy(Services{clock, media, *codePage, other.path()});
    copy.vars = console.vars;
    copy.log.append(console.log.text());
    copy.input = std::u16string(writer.line);
    text2KeyPress(copy, consoleCommands(), kEnter);
    return readBytes(other.path() / fs::path(writer.target));
  }
};

#ifndef _WIN32

enum class Call { open, write, fsync, close, rename };
// The file a call is made on: the one the command writes, or the new one
// beside it.
enum class On { target, temporary };

struct Fault {
  const char* name;
  Call call;
  On on;
  int occurrence;  // the first, second, ... such call on that file
  int error;
  std::u16string_view reason;
  bool keepsOld = true;   // whether the target still holds its old bytes after
  bool diskFull = false;  // half the bytes go, then the disk is full
  bool newFile = false;   // whether the target is not there before
};

// Puts failing calls in the place of the system's while it lives. A file
// is known by its name; the source a command reads is neither file.
class FailingCalls {
 public:
  FailingCalls(const Fault& fault, const fs::path& target, const fs::path& source)
      : fault_(fault), target_(target.filename()), source_(source.filename()) {
    active_ = this;
    systemFileCalls() = {open, write, fsync, close, rename};
  }
  ~FailingCalls() {
    systemFileCalls() = real_;
    active_ = nullptr;
  }
  FailingCalls(const FailingCalls&) = delete;
  FailingCalls& operator=(const FailingCalls&) = delete;

  bool struck() const { return struck_; }

 private:
  // Whether this call is the one that fails; errno is set if so.
  bool strikes(Call call, std::optional<On> on) {
    if (!on || *on != fault_.on || call != fault_.call || ++counts_[call] != fault_.occurrence) {
      return false;
    }
    struck_ = true;
    errno = fault_.error;
    return true;
  }
  std::optional<On> fileNamed(const char* path) const {
    const fs::path name = fs::path(path).filename();
    if (name == source_) {
      return std::nullopt;
    }
    return name == target_ ? On::target : On::temporary;
  }
  std::optional<On> fileOf(int descriptor) const {
    const auto found = files_.find(descriptor);
    return found == files_.end() ? std::nullopt : std::optional<On>(found->second);
  }

  static int open(const char* path, int flags, mode_t mode) {
    const std::optional<On> on = active_->fileNamed(path);
    if (active_->strikes(Call::open, on)) {
      return -1;
    }
    const int descriptor = active_->real_.open(path, flags, mode);
    if (descriptor >= 0 && on) {
      active_->files_[descriptor] = *on;
    }
    return descriptor;
  }
  static ssize_t write(int descriptor, const void* data, std::size_t size) {
    const std::optional<On> on = active_->fileOf(descriptor);
    if (active_->full_ && on == active_->fault_.on) {
      errno = ENOSPC;
      return -1;
    }
    if (!active_->strikes(Call::write, on)) {
      return active_->real_.write(descriptor, data, size);
    }
    if (!active_->fault_.diskFull) {
      return -1;
    }
    active_->full_ = true;
    return active_->real_.write(descriptor, data, size / 2);
  }
  static int fsync(int descriptor) {
    return active_->strikes(Call::fsync, active_->fileOf(descriptor))
               ? -1
               : active_->real_.fsync(descriptor);
  }
  // Linux lets the descriptor go even when it reports a failure.
  static int close(int descriptor) {
    const bool fails = active_->strikes(Call::close, active_->fileOf(descriptor));
    active_->files_.erase(descriptor);
    const int closed = active_->real_.close(descriptor);
    errno = fails ? active_->fault_.error : errno;
    return fails ? -1 : closed;
  }
  static int rename(const char* from, const char* to) {
    return active_->strikes(Call::rename, active_->fileNamed(to)) ? -1
                                                                  : active_->real_.rename(from, to);
  }

  static inline FailingCalls* active_ = nullptr;
  const SystemFileCalls real_ = systemFileCalls();
  const Fault fault_;
  const fs::path target_;
  const fs::path source_;
  std::map<int, On> files_;     // the descriptors open on either file
  std::map<Call, int> counts_;  // of calls on the fault's file
  bool struck_ = false;
  bool full_ = false;
};

// The calls of a write in the order it makes them.
const Fault kFaults[] = {
    {"the target opened", Call::open, On::target, 1, EIO, kIo},
    {"the temporary file created", Call::open, On::temporary, 1, EIO, kIo},
    {"a write", Call::write, On::temporary, 1, EIO, kIo},
    {"a full disk", Call::write, On::temporary, 1, ENOSPC, kFull, true, true},
    {"fsync", Call::fsync, On::temporary, 1, EIO, kIo},
    {"close", Call::close, On::temporary, 1, EIO, kIo},
    {"rename", Call::rename, On::target, 1, EIO, kIo},
    {"rename to a new name", Call::rename, On::target, 1, EIO, kIo, true, false, true},
};

// A file with another name is written into, once the text is whole on the
// disk beside it: until then nothing of it changes.
const Fault kLinkedFaults[] = {
    {"the target opened", Call::open, On::target, 1, EIO, kIo},
    {"the temporary file created", Call::open, On::temporary, 1, EIO, kIo},
    {"a write", Call::write, On::temporary, 1, EIO, kIo},
    {"a full disk", Call::write, On::temporary, 1, ENOSPC, kFull, true, true},
    {"fsync", Call::fsync, On::temporary, 1, EIO, kIo},
    {"close", Call::close, On::temporary, 1, EIO, kIo},
    {"the temporary file opened to be read", Call::open, On::temporary, 2, EIO, kIo},
    {"a write into the target", Call::write, On::target, 1, EIO, kIo},
    {"the target's fsync", Call::fsync, On::target, 1, EIO, kIo, false},
    {"the target's close", Call::close, On::target, 1, EIO, kIo, false},
};

std::size_t openDescriptors() { return entriesIn("/proc/self/fd"); }

void putEarlier(const fs::path& target) { writeBytes(target, kEarlier); }

#else

enum class Call { writeFile, flushFileBuffers, setFileAttributes, moveFileEx, replaceFile };

struct Fault {
  const char* name;
  Call call;
  DWORD error;
  std::u16string_view reason;
  bool newFile = false;  // whether the target is not there before
};

// Puts failing calls in the place of the system's while it lives; the
// first call of the fault's kind fails.
class FailingCalls {
 public:
  FailingCalls(const Fault& fault, const fs::path&, const fs::path&) : fault_(fault) {
    active_ = this;
    systemFileCalls() = {writeFile, flushFileBuffers, setFileAttributes, moveFileEx, replaceFile};
  }
  ~FailingCalls() {
    systemFileCalls() = real_;
    active_ = nullptr;
  }
  FailingCalls(const FailingCalls&) = delete;
  FailingCalls& operator=(const FailingCalls&) = delete;

  bool struck() const { return struck_; }

 private:
  bool strikes(Call call) {
    if (call != fault_.call || struck_) {
      return false;
    }
    struck_ = true;
    SetLastError(fault_.error);
    return true;
  }

  static BOOL WINAPI writeFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                               LPOVERLAPPED overlapped) {
    return !active_->strikes(Call::writeFile) &&
           active_->real_.writeFile(file, data, size, written, overlapped);
  }
  static BOOL WINAPI flushFileBuffers(HANDLE file) {
    return !active_->strikes(Call::flushFileBuffers) && active_->real_.flushFileBuffers(file);
  }
  static BOOL WINAPI setFileAttributes(LPCWSTR path, DWORD attributes) {
    return !active_->strikes(Call::setFileAttributes) &&
           active_->real_.setFileAttributes(path, attributes);
  }
  static BOOL WINAPI moveFileEx(LPCWSTR from, LPCWSTR to, DWORD flags) {
    return !active_->strikes(Call::moveFileEx) && active_->real_.moveFileEx(from, to, flags);
  }
  static BOOL WINAPI replaceFile(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                                 LPVOID exclude, LPVOID reserved) {
    return !active_->strikes(Call::replaceFile) &&
           active_->real_.replaceFile(replaced, replacement, backup, flags, exclude, reserved);
  }

  static inline FailingCalls* active_ = nullptr;
  const SystemFileCalls real_ = systemFileCalls();
  const Fault fault_;
  bool struck_ = false;
};

// The calls of a write in the order it makes them; a new file is moved to
// its name, an existing one replaced.
const Fault kFaults[] = {
    {"WriteFile", Call::writeFile, ERROR_DISK_FULL, kFull},
    {"FlushFileBuffers", Call::flushFileBuffers, ERROR_IO_DEVICE, kIo},
    {"SetFileAttributesW", Call::setFileAttributes, ERROR_ACCESS_DENIED, u"Permission denied"},
    {"ReplaceFileW", Call::replaceFile, ERROR_UNABLE_TO_REMOVE_REPLACED, u"Permission denied"},
    {"MoveFileExW", Call::moveFileEx, ERROR_IO_DEVICE, kIo, true},
};

std::size_t openDescriptors() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

// The old file is hidden, to see that the attributes stay with it.
void putEarlier(const fs::path& target) {
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  writeBytes(target, kEarlier);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

#endif

TEST_F(WriteFaultsTest, EachCallOfAWriteThatFailsLeavesTheOldFile) {
  for (const Writer& writer : kWriters) {
    for (const Fault& fault : kFaults) {
      SCOPED_TRACE(testing::Message() << testing::PrintToString(std::u16string(writer.line))
                                      << ", failing " << fault.name);
      const fs::path target = directory / fs::path(writer.target);
      if (fault.newFile) {
        fs::remove(target);
      }
      const std::size_t descriptors = openDescriptors();
      const std::u16string failure = failed(writer, fault.reason);
      {
        FailingCalls calls(fault, target, directory / "src.txt");
        EXPECT_EQ(run(writer.line), failure);
        EXPECT_TRUE(calls.struck());
      }
      if (fault.newFile) {
        EXPECT_FALSE(fs::exists(target));
      } else {
        EXPECT_EQ(readBytes(target), kEarlier);
#ifdef _WIN32
        EXPECT_EQ(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN,
                  FILE_ATTRIBUTE_HIDDEN);
#endif
      }
      EXPECT_EQ(entriesIn(directory), fault.newFile ? 3u : 4u);
      EXPECT_EQ(openDescriptors(), descriptors);

      const std::string whole = written(writer);
      EXPECT_NE(run(writer.line), failure);
      EXPECT_EQ(readBytes(target), whole);
      putEarlier(target);
    }
  }
}

#ifndef _WIN32

TEST_F(WriteFaultsTest, AFileWithTwoNamesIsWrittenIntoOnlyOnceTheTextIsOnTheDisk) {
  const Writer& save = kWriters[0];
  const fs::path target = directory / "notes.txt";
  fs::create_hard_link(target, directory / "other.txt");
  for (const Fault& fault : kLinkedFaults) {
    SCOPED_TRACE(std::string("failing ") + fault.name);
    const std::size_t descriptors = openDescriptors();
    const std::string whole = written(save);
    {
      FailingCalls calls(fault, target, directory / "src.txt");
      EXPECT_EQ(run(save.line), failed(save, fault.reason));
      EXPECT_TRUE(calls.struck());
    }
    EXPECT_EQ(readBytes(directory / "other.txt"), fault.keepsOld ? std::string(kEarlier) : whole);
    EXPECT_EQ(entriesIn(directory), 5u);
    EXPECT_EQ(openDescriptors(), descriptors);
    putEarlier(target);
  }
  EXPECT_EQ(fs::hard_link_count(target), 2u);
}

#endif

}  // namespace
}  // namespace zor::test
