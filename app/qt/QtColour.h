#pragma once

#include <QColor>

#include <cstdint>

namespace zor {

// A colour as the console keeps it, 0x00BBGGRR.
inline QColor toQColor(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace zor
