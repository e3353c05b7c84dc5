#include "interpreter/FileCommands.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"
#include "interpreter/TextFileReader.h"
#include "interpreter/TextFileWriter.h"

namespace zor {

// The saved file holds the log with the save message as its last line. The
// message joins the log only once the file is in place, so a failed save
// leaves no message that claims it succeeded.
void saveCommand(Console& console, const Invocation& call) {
  const ProgramFile file = programFile(console, call.argument, u".txt");
  TextFileWriter writer(console.services.codePage);
  if (const std::error_code error = writer.create(file.path)) {
    reportFileError(console, call.prefix, file.name, error);
    return;
  }
  const std::u16string message = u"保存！请检查同一目录下的" + file.name;
  writer.write(console.log.text());
  writer.write(call.prefix);
  writer.write(message);
  writer.write(u"\r\n");
  if (const std::error_code error = writer.commit()) {
    reportFileError(console, call.prefix, file.name, error);
    return;
  }
  writeLine(console, call.prefix, message);
}

// The file is read whole before anything is written, so a file that cannot
// be read leaves only the report in the log.
void loadCommand(Console& console, const Invocation& call) {
  const ProgramFile file = programFile(console, call.argument, u".txt");
  std::u16string body;
  if (const std::error_code error = readLines(console.services.codePage, file.path, body)) {
    reportFileError(console, call.prefix, file.name, error);
    return;
  }
  const std::u16string reading = u"正在读取" + file.name + u"...";
  const std::u16string frame = u"----------------" + file.name + u"----------------";
  const std::u16string done = file.name + u"读取完成！";
  // Five lines, each with its CR LF, two of them with the prefix.
  console.log.reserve(2 * call.prefix.size() + reading.size() + 2 * frame.size() + body.size() +
                      done.size() + 5 * 2);
  writeLine(console, call.prefix, reading);
  writeLine(console, {}, frame);
  writeLine(console, {}, body);
  writeLine(console, {}, frame);
  writeLine(console, call.prefix, done);
}

}  // namespace zor
