#include "interpreter/FileConversion.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"
#include "interpreter/TextFileReader.h"
#include "interpreter/TextFileWriter.h"

#include <new>

namespace zor {

namespace {

std::error_code copyLines(TextFileReader& source, const Conversion& conversion,
                          TextFileWriter& target) {
  try {
    const std::u16string lineStart = u"\r\n" + std::u16string(conversion.before);
    std::u16string_view piece;
    bool endsLine = true;
    for (bool atStart = true; source.next(piece, endsLine); atStart = endsLine) {
      if (atStart) {
        target.write(lineStart);
      }
      target.write(piece);
      if (endsLine) {
        target.write(conversion.after);
      }
    }
  } catch (const std::bad_alloc&) {
    return std::make_error_code(std::errc::not_enough_memory);
  }
  return source.error();
}

}  // namespace

void convertTextFile(Console& console, const Invocation& call, const Conversion& conversion) {
  const ProgramFile source = programFile(console, call.argument, u".txt");
  TextFileReader reader(console.services.codePage);
  if (const std::error_code error = reader.open(source.path)) {
    reportFileError(console, call.prefix, source.name, error);
    return;
  }
  writeLine(console, call.prefix, u"正在更改" + source.name + u"...");
  const ProgramFile target = programFile(console, call.argument, conversion.ending);
  TextFileWriter writer(console.services.codePage);
  if (const std::error_code error = writer.create(target.path)) {
    reportFileError(console, call.prefix, target.name, error);
    return;
  }
  writer.write(conversion.head);
  if (const std::error_code error = copyLines(reader, conversion, writer)) {
    reportFileError(console, call.prefix, source.name, error);
    return;
  }
  writer.write(conversion.tail);
  if (const std::error_code error = writer.commit()) {
    reportFileError(console, call.prefix, target.name, error);
    return;
  }
  writeLine(console, call.prefix, u"完成！请检查同一目录下的" + target.name);
}

}  // namespace zor
