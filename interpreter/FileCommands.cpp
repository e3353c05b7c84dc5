#include "interpreter/FileCommands.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"
#include "interpreter/TextFileReader.h"
#include "interpreter/TextFileWriter.h"

#include <algorithm>
#include <cstdint>
#include <new>

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

// The lines go straight into the log as they are decoded, behind the message
// and the first frame line; a file that cannot be read to its end takes them
// all back, so that only the report remains.
void loadCommand(Console& console, const Invocation& call) {
  const ProgramFile file = programFile(console, call.argument, u".txt");
  TextFileReader reader(console.services.codePage);
  std::error_code error = reader.open(file.path);
  if (error) {
    reportFileError(console, call.prefix, file.name, error);
    return;
  }
  Log& log = console.log;
  const std::size_t before = log.text().size();
  const std::u16string frame = u"----------------" + file.name + u"----------------";
  try {
    // A line has no more characters than its bytes, its ending included,
    // unless it ends in a lone CR: the file's size is room enough as a rule.
    log.reserve(static_cast<std::size_t>(
        std::min<std::uint64_t>(reader.size(), log.text().max_size() - before)));
    log.appendLine(call.prefix, u"正在读取" + file.name + u"...");
    log.appendLine({}, frame);
    std::u16string_view piece;
    bool endsLine = true;
    for (bool atStart = true; reader.next(piece, endsLine); atStart = endsLine) {
      if (atStart) {
        log.append(u"\r\n");
      }
      log.append(piece);
    }
    error = reader.error();
    if (!error) {
      log.append(u"\r\n");
      log.appendLine({}, frame);
      log.appendLine(call.prefix, file.name + u"读取完成！");
    }
  } catch (const std::bad_alloc&) {
    error = std::make_error_code(std::errc::not_enough_memory);
  } catch (...) {  // reported by the key handler, after the lines are gone
    log.truncate(before);
    throw;
  }
  if (error) {
    log.truncate(before);
    reportFileError(console, call.prefix, file.name, error);
    return;
  }
  log.caretToEnd();
}

}  // namespace zor
