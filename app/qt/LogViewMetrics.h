#pragma once

#include "app/logview/TextMetrics.h"
#include "app/logview/WrappedPiece.h"

#include <QFont>
#include <QTextLayout>

#include <cstddef>
#include <memory>
#include <string_view>

class QPainter;
class QPaintDevice;

namespace zor {

// A piece as Qt measures it: laid out in one unbroken row, which is also
// what its rows are drawn from, and wrapped by the shared rule.
class QtLaidOutPiece final : public WrappedPiece {
 public:
  QtLaidOutPiece(std::size_t first, std::u16string_view text, const QFont& font, int width);

  // Draws the characters [from, to) of `row` with the row's top left at
  // `at`, each where it was measured, in the painter's pen; the background
  // is left as it is.
  void draw(QPainter& painter, QPointF at, int row, std::size_t from, std::size_t to) const;

  // The unbroken row, holding the log's own characters.
  const QTextLayout& layout() const { return *layout_; }

 private:
  QtLaidOutPiece(std::size_t first, std::u16string_view text, std::unique_ptr<QTextLayout> layout,
                 int width);

  std::unique_ptr<const QTextLayout> layout_;
};

// The view's font on its paint device; setFont again measures anew.
class LogViewMetrics final : public TextMetrics {
 public:
  void setFont(const QFont& font, QPaintDevice* device);

  int rowHeight() const override { return rowHeight_; }
  int blankWidth() const override { return blankWidth_; }
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                             int width) const override;

 private:
  QFont font_;
  int rowHeight_ = 1;
  int blankWidth_ = 1;
};

}  // namespace zor
