#include "app/batch/BatchMode.h"

#include "app/Form.h"
#include "app/batch/BatchRun.h"
#include "app/batch/ExitStatus.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilesDirectory.h"
#include "platform/Interrupt.h"
#include "platform/StandardStreams.h"
#include "platform/SystemError.h"
#include "platform/Utf8.h"

#include <filesystem>
#include <utility>

namespace zor {

int runBatchMode(const std::string& file, MediaDevice& media) {
  const bool fromStandardInput = file.empty() || file == "-";
  InputStream input = fromStandardInput ? InputStream::standardInput() : InputStream();
  StandardStream errors = StandardStream::error();
  if (!fromStandardInput) {
    if (const std::error_code error = input.open(std::u8string(file.begin(), file.end()))) {
      errors.write("zor: " + file + ": " + toUtf8(systemMessage(error)) + "\n");
      return kExitUsage;
    }
  }
  catchInterrupt();
  ignoreBrokenPipes();

  StandardStream output = StandardStream::output();
  const SystemClock clock;
  const auto codePage = systemCodePage();
  PlayedMusic music(media);
  std::error_code error;
  ProgramDirectory directory = filesDirectory(error);
  if (error) {
    errors.write("zor: " + toUtf8(noProgramDirectoryMessage(error)) + "\n");
    return kExitFailed;
  }
  Console console(Services{clock, music, *codePage, std::move(directory)});
  return runBatch(console, music,
                  BatchStreams{input, fromStandardInput ? "standard input" : file, output, errors,
                               interruptFlag()});
}

}  // namespace zor
