#pragma once

#include "app/logview/TextMetrics.h"

#include <windows.h>

#include <cstddef>
#include <memory>

namespace zor {

// The view's GDI font, measured on a memory device context: each piece is
// measured in one row at once and its rows cut from the characters' edges.
class LogViewMetrics final : public TextMetrics {
 public:
  LogViewMetrics();
  ~LogViewMetrics() override;
  LogViewMetrics(const LogViewMetrics&) = delete;
  LogViewMetrics& operator=(const LogViewMetrics&) = delete;

  void setFont(HFONT font);

  int rowHeight() const override { return rowHeight_; }
  int blankWidth() const override { return blankWidth_; }
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                             int width) const override;

 private:
  HDC measure_;
  HGDIOBJ plainFont_;
  int rowHeight_ = 1;
  int blankWidth_ = 1;
};

}  // namespace zor
