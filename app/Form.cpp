#include "app/Form.h"

#include "app/Version.h"
#include "interpreter/Output.h"
#include "platform/SystemError.h"

#include <array>
#include <string>
#include <string_view>

namespace zor {

void formLoad(Console& console) {
  FormVariables& vars = console.vars;
  vars.vs = kFormVersion;
  vars.da = u"2021-5-15";
  vars.tof = u"1";
  vars.addds = u"#";
  vars.addde = u"%";
  vars.aii = u"0";

  const std::u16string prefix = linePrefix(console);
  // The first line replaces the log and reads the clock again for itself.
  console.log.replace(timePrefix(console.services.clock) + u"Welcome to use ZOR_Command!\r\n");
  const std::u16string version = u"The version of this command is " + vars.vs;
  const std::u16string versionZh = u"此命令符的版本为 " + vars.vs;
  const std::u16string runAt = u"程序路径Run at " + console.services.programDirectory.text();
  const std::array<std::u16string_view, 6> banner = {
      u"欢迎使用ZOR命令符！",  version, versionZh, u"Type help/? to get help!",
      u"输入help/?获取帮助！", runAt,
  };
  writeLines(console, prefix, banner);
}

std::u16string noProgramDirectoryMessage(const std::error_code& error) {
  return u"无法确定程序所在的目录！" + systemMessage(error);
}

void formUnload(Console& console) { console.services.media.send(u"close " + console.vars.am); }

}  // namespace zor
