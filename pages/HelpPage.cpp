#include "pages/Pages.h"

#include "interpreter/Output.h"

#include <array>
#include <string_view>

namespace zor {

namespace {

// The commands in the order users read them, which is not the table's order.
// The game page is left out on purpose.
constexpr std::array<std::u16string_view, 22> kHelpPage = {
    u"----------------help----------------",
    u"help/? -显示此列表",
    u"clear -清空日志",
    u"stop -关闭命令符",
    u"info/information -查看命令符信息",
    u"title <str> -将窗口标题改为<str>",
    u"top -日志滑到最上面",
    u"blackmode/bm -切换背景",
    u"save <str> -将日志保存到同一目录的<str>.txt",
    u"say <str> -直接输出<str>",
    u"load <str> -读取同一目录的<str>.txt",
    u"timehide/th -开启或关闭时间显示",
    u"loadaddhead <str> -每行开头添加内容改为<str>",
    u"loadaddend <str> -每行结尾添加内容改为<str>",
    u"loadaddsave <str> -将<str>.txt的每一行开头结尾添加",
    u"playmusic/pm <str> -播放同一路径下的<str>.mp3",
    u"stopmusic/sm -停止播放",
    u"hide -隐藏窗口(不是关闭!)",
    u"html <str> -将<str>.txt改为<str>.html(带完整格式)",
    u"AI on -开启AI模式",
    u"AI off -关闭AI模式",
    u"--------------help end--------------",
};

}  // namespace

void help(Console& console) { writeLines(console, linePrefix(console), kHelpPage); }

}  // namespace zor
