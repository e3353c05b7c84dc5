#pragma once

#include "app/logview/TextMetrics.h"

#include <QFont>
#include <QTextLayout>

#include <cstddef>
#include <memory>

class QPaintDevice;

namespace zor {

// A piece laid out by Qt, wrapped at word boundaries or anywhere.
class QtLaidOutPiece final : public LaidOutPiece {
 public:
  QtLaidOutPiece(std::size_t first, const QString& text, const QFont& font, int width,
                 int rowHeight);

  int rows() const override { return layout_.lineCount(); }
  int rowOf(std::size_t offset) const override;
  int xOf(std::size_t offset) const override;
  std::size_t offsetAt(int row, int x) const override;

  const QTextLayout& layout() const { return layout_; }

 private:
  QTextLayout layout_;
};

// The view's font on its paint device.
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
