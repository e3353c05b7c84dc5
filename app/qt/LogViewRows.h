#pragma once

#include "app/logview/LaidOutRows.h"

#include <QFont>
#include <QTextLayout>

#include <cstddef>
#include <memory>

class QPaintDevice;

namespace zor {

// One laid-out piece: the log's characters [begin, end), wrapped into rows
// of one height each.
struct LaidOutPiece {
  std::size_t begin = 0;
  std::size_t end = 0;
  QTextLayout layout;

  int rows() const { return layout.lineCount(); }
  int rowOf(std::size_t offset) const {
    const QTextLine row = layout.lineForTextPosition(static_cast<int>(offset));
    return row.isValid() ? row.lineNumber() : rows() - 1;
  }
};

// Wraps the log's lines at a width, laying out only the pieces asked for
// and keeping the last few of them.
class LogViewRows final : public LaidOutRows<LaidOutPiece> {
 public:
  void setFormat(const QFont& font, QPaintDevice* device, int width);

  // The caret position nearest to `x` in the row.
  std::size_t positionAt(const RowSpot& spot, qreal x);
  qreal xOf(std::size_t position);

 protected:
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::size_t end) override;

 private:
  QFont font_;
  QPaintDevice* device_ = nullptr;
  int width_ = 1;
};

}  // namespace zor
