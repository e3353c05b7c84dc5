#include "app/Commands.h"

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
    {{u"?"}, Exact, helpCommand},
    {{u"help"}, Exact, helpCommand},
    {{u"clear"}, Exact, clearCommand},
    {{u"stop"}, Exact, stopCommand},
    {{u"info"}, Exact, informationCommand},
    {{u"information"}, Exact, informationCommand},
    {{u"title"}, Argument, titleCommand},
    {{u"top"}, Exact, topCommand},
    {{u"minecraft"}, Exact, minecraftCommand},
    {{u"MC", u"mc", u"Mc"}, Exact, minecraftCommand},
    {{u"blackmode"}, Exact, blackmodeCommand},
    {{u"bm"}, Exact, blackmodeCommand},
    {{u"say"}, Argument, sayCommand},
    {{u"timehide"}, Exact, timehideCommand},
    {{u"th"}, Exact, timehideCommand},
    {{u"hide"}, Exact, hideCommand},
};
// clang-format on

}  // namespace

const Interpreter& commands() {
  static const Interpreter interpreter{kCommandTable, nullptr};
  return interpreter;
}

}  // namespace zor
