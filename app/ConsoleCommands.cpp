#include "app/ConsoleCommands.h"

#include "ai/Ai.h"
#include "interpreter/DecorationCommands.h"
#include "interpreter/FileCommands.h"
#include "interpreter/HtmlExport.h"
#include "interpreter/MusicCommands.h"
#include "interpreter/WindowCommands.h"
#include "pages/DisplayModes.h"
#include "pages/Pages.h"

namespace zor {

namespace {

using enum CommandKind;

// Every row is tested against every command line, in this order; the order
// is part of the behaviour, so keep it. To add a command, add its row at its
// place: {{keyword}, Exact or Argument, action}.
// clang-format off
constexpr CommandRow kCommandTable[] = {
    {{u"?"}, Exact, [](Console& c, const Invocation&) { help(c); }},
    {{u"help"}, Exact, [](Console& c, const Invocation&) { help(c); }},
    {{u"clear"}, Exact, clearCommand},
    {{u"stop"}, Exact, stopCommand},
    {{u"info"}, Exact, [](Console& c, const Invocation&) { information(c); }},
    {{u"information"}, Exact, [](Console& c, const Invocation&) { information(c); }},
    {{u"title"}, Argument, titleCommand},
    {{u"top"}, Exact, topCommand},
    {{u"minecraft"}, Exact, [](Console& c, const Invocation&) { minecraft(c); }},
    {{u"MC", u"mc", u"Mc"}, Exact, [](Console& c, const Invocation&) { minecraft(c); }},
    {{u"blackmode"}, Exact, [](Console& c, const Invocation&) { blackmode(c); }},
    {{u"bm"}, Exact, [](Console& c, const Invocation&) { blackmode(c); }},
    {{u"save"}, Argument, saveCommand},
    {{u"say"}, Argument, sayCommand},
    {{u"load"}, Argument, loadCommand},
    {{u"timehide"}, Exact, [](Console& c, const Invocation&) { timehide(c); }},
    {{u"th"}, Exact, [](Console& c, const Invocation&) { timehide(c); }},
    {{u"loadaddsave"}, Argument, loadAddSaveCommand},
    {{u"loadaddhead"}, Argument, loadAddHeadCommand},
    {{u"loadaddend"}, Argument, loadAddEndCommand},
    {{u"playmusic"}, Argument, playmusicCommand},
    {{u"pm"}, Argument, playmusicCommand},
    {{u"stopmusic"}, Exact, stopmusicCommand},
    {{u"sm"}, Exact, stopmusicCommand},
    {{u"hide"}, Exact, hideCommand},
    {{u"html"}, Argument, htmlCommand},
    {{u"AI on"}, Exact, aiOnCommand},
    {{u"AI off"}, Exact, aiOffCommand},
};
// clang-format on

}  // namespace

const CommandSet& consoleCommands() {
  static const CommandSet commands{kCommandTable, AI};
  return commands;
}

}  // namespace zor
