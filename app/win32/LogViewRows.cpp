#include "app/win32/LogViewRows.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace zor {

LogViewRows::LogViewRows()
    : measure_(CreateCompatibleDC(nullptr)),
      plainFont_(SelectObject(measure_, GetStockObject(DEFAULT_GUI_FONT))) {}

LogViewRows::~LogViewRows() {
  SelectObject(measure_, plainFont_);
  DeleteDC(measure_);
}

void LogViewRows::setFormat(HFONT font, int width) {
  SelectObject(measure_, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure_, &metrics);
  rowHeight_ = std::max(static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading), 1);
  width_ = std::max(width, 1);
  forget();
}

std::shared_ptr<const LaidOutPiece> LogViewRows::layOut(std::size_t begin, std::size_t end) {
  // The whole piece is measured in one row at once; the rows are cut from
  // the characters' edges.
  std::u16string text =
      WrappedPiece::drawnText(std::u16string_view(log_->text()).substr(begin, end - begin));
  std::vector<int> edges(text.size());
  if (!text.empty()) {
    SIZE size;
    int fit = 0;
    GetTextExtentExPointW(measure_, reinterpret_cast<const wchar_t*>(text.data()),
                          static_cast<int>(text.size()), INT_MAX, &fit, edges.data(), &size);
  }
  return std::make_shared<const LaidOutPiece>(
      LaidOutPiece{begin, end, WrappedPiece(std::move(text), std::move(edges), width_)});
}

std::size_t LogViewRows::positionAt(const RowSpot& spot, int x) {
  const auto laidOut = piece(spot);
  return laidOut->begin + laidOut->wrapped.offsetAt(spot.row, x);
}

int LogViewRows::xOf(std::size_t position) {
  const RowSpot spot = spotOf(position);
  const auto laidOut = piece(spot);
  return laidOut->wrapped.xOf(std::min(position, laidOut->end) - laidOut->begin);
}

}  // namespace zor
