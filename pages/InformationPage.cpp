#include "pages/Pages.h"

#include "interpreter/Output.h"
#include "pages/RightsNotice.h"

#include <array>
#include <string>
#include <string_view>

namespace zor {

namespace {

// The names and contacts after the labels are placeholders, not anyone's
// real data.
constexpr std::u16string_view kAuthorLine = u"作者By Example Author (@zor-author-placeholder)";
constexpr std::u16string_view kContributorLine = u"    @zor-contributor-placeholder";

}  // namespace

// Version and date are read from the window's variables as the page is
// written.
void information(Console& console) {
  const std::u16string version = u"版本Version:" + console.vars.vs;
  const std::u16string date = u"日期Date:" + console.vars.da;
  const std::array<std::u16string_view, 15> page = {
      u"------------information-------------",
      version,
      date,
      kAuthorLine,
      u"贡献者名单List of contributors:",
      u"  反馈Bug:",
      kContributorLine,
      u"  提供建议Offer advice:",
      kContributorLine,
      u"提建议请联系作者:",
      u"  QQ:000000000",
      u"  微信Wechat:zor-wechat-placeholder",
      u"  邮箱Email:zor-author@example.com",
      kRightsNotice,
      u"----------information end-----------",
  };
  writeLines(console, linePrefix(console), page);
}

}  // namespace zor
