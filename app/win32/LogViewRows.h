#pragma once

#include "app/logview/LaidOutRows.h"
#include "app/logview/WrappedPiece.h"
#include "app/win32/FontFallback.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// One laid-out piece: the log's characters [begin, end) as drawn, wrapped
// into rows of one height each.
struct LaidOutPiece {
  std::size_t begin = 0;
  std::size_t end = 0;
  WrappedPiece wrapped;
  std::vector<FontRun> fonts;  // of wrapped.text()

  int rows() const { return wrapped.rows(); }
  int rowOf(std::size_t offset) const { return wrapped.rowOf(offset); }
};

// Draws the piece's characters [from, to) from `x` on, each where it was
// measured, in the font it was measured in; the background is left as it is.
void drawText(HDC dc, const LaidOutPiece& piece, int x, int y, std::size_t from, std::size_t to);

// Wraps the log's lines at a width in a GDI font, measuring only the pieces
// asked for and keeping the last few of them.
class LogViewRows final : public LaidOutRows<LaidOutPiece> {
 public:
  LogViewRows();
  ~LogViewRows() override;
  LogViewRows(const LogViewRows&) = delete;
  LogViewRows& operator=(const LogViewRows&) = delete;

  void setFormat(HFONT font, int width);

  // The caret position nearest to `x` in the row.
  std::size_t positionAt(const RowSpot& spot, int x);
  int xOf(std::size_t position);

 protected:
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::size_t end) override;

 private:
  HDC measure_;
  HGDIOBJ plainFont_;
  HGDIOBJ font_;
  FontFallback fallback_;
  int width_ = 1;
};

}  // namespace zor
