#pragma once

#include <windows.h>

namespace zor {

// A bitmap kept between paints, on a memory device context of its own.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer() { release(); }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Makes the bitmap `width` by `height` pixels, compatible with `screen`;
  // true when it was made anew, its pixels not drawn yet.
  bool fit(HDC screen, int width, int height);
  // Null before the first fit().
  HDC dc() const { return dc_; }

 private:
  void release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zor
