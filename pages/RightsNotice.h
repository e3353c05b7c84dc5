#pragma once

#include <string_view>

namespace zor {

// The maker's rights notice, the last line before the closing frame line of
// the information and the game page.
inline constexpr std::u16string_view kRightsNotice =
    u"Copyright (C) 2021 Example Maker (placeholder). All rights reserved.";

}  // namespace zor
