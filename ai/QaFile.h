#pragma once

#include "interpreter/ProgramFiles.h"

namespace zor {

// "ZOR-AI-QA.txt" in the program directory.
ProgramFile qaFile(const Console& console);

// What "AI on" writes into a new file: three example entries, each line
// ending in CR LF once the writer adds the last one.
inline constexpr std::u16string_view kDefaultQaContent =
    u"你好!###你也好!###0\r\n"
    u"你是谁?###我是你的AI!###0\r\n"
    u"问题写在这###答案写在这###0";

}  // namespace zor
