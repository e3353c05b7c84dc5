#include "app/win32/LogViewMetrics.h"

#include "app/logview/WrappedPiece.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace zor {

LogViewMetrics::LogViewMetrics()
    : measure_(CreateCompatibleDC(nullptr)),
      plainFont_(SelectObject(measure_, GetStockObject(DEFAULT_GUI_FONT))) {
  setFont(nullptr);
}

LogViewMetrics::~LogViewMetrics() {
  SelectObject(measure_, plainFont_);
  DeleteDC(measure_);
}

void LogViewMetrics::setFont(HFONT font) {
  SelectObject(measure_, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure_, &metrics);
  rowHeight_ = std::max(static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading), 1);
  SIZE blank{};
  GetTextExtentPoint32W(measure_, L" ", 1, &blank);
  blankWidth_ = std::max(static_cast<int>(blank.cx), 1);
}

std::shared_ptr<const LaidOutPiece> LogViewMetrics::layOut(std::size_t begin,
                                                           std::u16string_view text,
                                                           int width) const {
  std::u16string drawn = WrappedPiece::drawnText(text);
  std::vector<int> edges(drawn.size());
  if (!drawn.empty()) {
    SIZE size;
    int fit = 0;
    GetTextExtentExPointW(measure_, reinterpret_cast<const wchar_t*>(drawn.data()),
                          static_cast<int>(drawn.size()), INT_MAX, &fit, edges.data(), &size);
  }
  return std::make_shared<const WrappedPiece>(begin, std::move(drawn), std::move(edges), width);
}

}  // namespace zor
