#include "app/win32/BackBuffer.h"

#include <algorithm>

namespace zor {

bool BackBuffer::fit(HDC screen, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (dc_ != nullptr && width == width_ && height == height_) {
    return false;
  }
  release();
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  original_ = SelectObject(dc_, bitmap_);
  width_ = width;
  height_ = height;
  return true;
}

void BackBuffer::release() {
  if (dc_ != nullptr) {
    SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
  }
}

}  // namespace zor
