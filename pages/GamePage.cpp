#include "pages/Pages.h"

#include "interpreter/Output.h"
#include "pages/RightsNotice.h"

#include <array>
#include <string_view>

namespace zor {

namespace {

// The player names and the server after the labels are placeholders.
constexpr std::array<std::u16string_view, 15> kGamePage = {
    u"-------------Minecraft--------------",
    u"你也玩 我的世界Minecraft 吗?",
    u"这是作者最爱的游戏!",
    u"作者的游戏名:",
    u" 中国版:ZorPlayerPlaceholderCN",
    u" 国际版:ZorPlayerPlaceholder",
    u"作者有开自己的服务器哦~",
    u" 国际版:JAVA1.15.2",
    u" 服务器IP:mc.example.com",
    u" 中国版:手游基岩版",
    u" 服务器号:000000",
    u"欢迎加入!~~~",
    u"ZOR万岁~",
    kRightsNotice,
    u"-----------Minecraft end------------",
};

}  // namespace

void minecraft(Console& console) { writeLines(console, linePrefix(console), kGamePage); }

}  // namespace zor
