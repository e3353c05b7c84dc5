#include "app/Commands.h"

#include "interpreter/DecorationCommands.h"
#include "interpreter/FileCommands.h"
#include "interpreter/HtmlExport.h"
#include "interpreter/WindowCommands.h"

namespace zor {

namespace {

using enum CommandKind;

// Every row is tested against every command line, in this order; the order
// is part of the behaviour, so keep it. To add a command, add its row at its
// place: {{keyword}, Exact or Argument, action}.
constexpr CommandRow kCommandTable[] = {
    {{u"clear"}, Exact, clearCommand},
    {{u"stop"}, Exact, stopCommand},
    {{u"title"}, Argument, titleCommand},
    {{u"top"}, Exact, topCommand},
    {{u"save"}, Argument, saveCommand},
    {{u"say"}, Argument, sayCommand},
    {{u"load"}, Argument, loadCommand},
    {{u"loadaddsave"}, Argument, loadAddSaveCommand},
    {{u"loadaddhead"}, Argument, loadAddHeadCommand},
    {{u"loadaddend"}, Argument, loadAddEndCommand},
    {{u"hide"}, Exact, hideCommand},
    {{u"html"}, Argument, htmlCommand},
};

}  // namespace

const Interpreter& commands() {
  static const Interpreter interpreter{kCommandTable, nullptr};
  return interpreter;
}

}  // namespace zor
