#pragma once

#include "app/logview/TextMetrics.h"
#include "app/logview/WrappedPiece.h"
#include "app/win32/FontFallback.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// A piece as measured: wrapped, and the font each run of it was measured in.
class MeasuredPiece final : public LaidOutPiece {
 public:
  MeasuredPiece(WrappedPiece wrappedPiece, std::vector<FontRun> fontRuns)
      : LaidOutPiece(wrappedPiece.begin, wrappedPiece.end),
        wrapped(std::move(wrappedPiece)),
        fonts(std::move(fontRuns)) {}

  int rows() const override { return wrapped.rows(); }
  int rowOf(std::size_t offset) const override { return wrapped.rowOf(offset); }
  int xOf(std::size_t offset) const override { return wrapped.xOf(offset); }
  std::size_t offsetAt(int row, int x) const override { return wrapped.offsetAt(row, x); }

  // Draws the characters [from, to) from `x` on, each where it was measured,
  // in the font it was measured in; the background is left as it is.
  void draw(HDC dc, int x, int y, std::size_t from, std::size_t to) const;

  const WrappedPiece wrapped;
  const std::vector<FontRun> fonts;  // of wrapped.text()
};

// The view's GDI font, measured on a memory device context: each piece is
// measured in one row at once, a run of one font at a time (characters the
// font lacks in a font that has them), and its rows cut from the
// characters' edges.
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
  HGDIOBJ font_;
  // Finds fonts as pieces need them, which a const layOut may.
  mutable FontFallback fallback_;
  int rowHeight_ = 1;
  int blankWidth_ = 1;
};

}  // namespace zor
