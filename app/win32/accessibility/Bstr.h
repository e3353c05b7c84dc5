#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string_view>

namespace zor {

// A string for COM's caller, who frees it; null when there is no room.
inline BSTR bstrOf(std::u16string_view text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

}  // namespace zor
