#include "app/batch/BatchRun.h"

#include "app/Form.h"
#include "app/KeyHandler.h"
#include "app/batch/ExitStatus.h"
#include "app/batch/LineReader.h"
#include "app/batch/LogTail.h"
#include "interpreter/KeyPress.h"
#include "platform/SystemError.h"
#include "platform/Utf8.h"

#include <string>

namespace zor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int failed(const BatchStreams& streams, std::string_view what, const std::error_code& error) {
  streams.errors.write("zor: " + std::string(what) + ": " + toUtf8(systemMessage(error)) + "\n");
  return kExitFailed;
}

// Runs the lines until the input or the output ends, or the run is to end.
int runLines(Console& console, const BatchStreams& streams) {
  LogTail tail;
  LineReader reader(streams.input, streams.lineLimit);
  bool first = true;
  for (;;) {
    if (const std::string_view shown = tail.take(console.log); !shown.empty()) {
      if (const std::error_code error = streams.output.write(shown)) {
        return failed(streams, "standard output", error);
      }
    }
    if (console.window.stopRequested || streams.interrupted.load()) {
      return kExitOk;
    }
    std::string_view line;
    std::error_code error;
    if (!reader.next(line, error)) {
      if (error == std::errc::interrupted) {
        continue;
      }
      if (error == std::errc::value_too_large) {
        streams.errors.write("zor: " + streams.inputName + ": line " +
                             std::to_string(reader.lines() + 1) + " is longer than " +
                             std::to_string(streams.lineLimit) + " bytes\n");
        return kExitFailed;
      }
      return error ? failed(streams, streams.inputName, error) : kExitOk;
    }
    // An editor's mark at the start of a UTF-8 file is not part of the line.
    if (first && line.starts_with(kByteOrderMark)) {
      line.remove_prefix(kByteOrderMark.size());
    }
    first = false;
    console.input = fromUtf8(line);
    handleKey(console, kEnter);
  }
}

}  // namespace

int runBatch(Console& console, PlayedMusic& music, const BatchStreams& streams) {
  formLoad(console);
  const int status = runLines(console, streams);
  if (console.window.stopRequested) {
    return status;
  }
  if (status == kExitOk && !streams.interrupted.load()) {
    music.waitForEnd(streams.interrupted);
  }
  formUnload(console);
  return streams.interrupted.load() && status == kExitOk ? kExitInterrupted : status;
}

}  // namespace zor
