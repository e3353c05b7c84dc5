#include "platform/CodePage.h"

#include <algorithm>

namespace zor {

std::u16string CodePage::decodeStart(std::string_view bytes, std::size_t& used) const {
  constexpr auto standsAlone = [](char byte) { return static_cast<unsigned char>(byte) < 0x30; };
  const auto last = std::find_if(bytes.rbegin(), bytes.rend(), standsAlone);
  used = static_cast<std::size_t>(bytes.rend() - last);
  return decode(bytes.substr(0, used));
}

}  // namespace zor
