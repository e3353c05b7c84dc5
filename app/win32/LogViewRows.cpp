#include "app/win32/LogViewRows.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace zor {

LogViewRows::LogViewRows()
    : measure_(CreateCompatibleDC(nullptr)),
      plainFont_(SelectObject(measure_, GetStockObject(DEFAULT_GUI_FONT))),
      font_(GetStockObject(DEFAULT_GUI_FONT)) {
  fallback_.setFont(nullptr);
}

LogViewRows::~LogViewRows() {
  SelectObject(measure_, plainFont_);
  DeleteDC(measure_);
}

void LogViewRows::setFormat(HFONT font, int width) {
  font_ = font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT);
  SelectObject(measure_, font_);
  fallback_.setFont(font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure_, &metrics);
  rowHeight_ = std::max(static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading), 1);
  width_ = std::max(width, 1);
  forget();
}

std::shared_ptr<const LaidOutPiece> LogViewRows::layOut(std::size_t begin, std::size_t end) {
  // The whole piece is measured in one row at once, a run of one font at a
  // time; the rows are cut from the characters' edges.
  std::u16string text =
      WrappedPiece::drawnText(std::u16string_view(log_->text()).substr(begin, end - begin));
  std::vector<FontRun> fonts = fallback_.runs(measure_, text);
  std::vector<int> edges(text.size());
  int left = 0;
  for (const FontRun& run : fonts) {
    SelectObject(measure_, run.font != nullptr ? run.font : font_);
    SIZE size{};
    int fit = 0;
    GetTextExtentExPointW(measure_, reinterpret_cast<const wchar_t*>(text.data() + run.begin),
                          static_cast<int>(run.end - run.begin), INT_MAX, &fit,
                          edges.data() + run.begin, &size);
    for (std::size_t i = run.begin; i < run.end; ++i) {
      edges[i] += left;
    }
    left = edges[run.end - 1];
  }
  SelectObject(measure_, font_);
  return std::make_shared<const LaidOutPiece>(LaidOutPiece{
      begin, end, WrappedPiece(std::move(text), std::move(edges), width_), std::move(fonts)});
}

void drawText(HDC dc, const LaidOutPiece& piece, int x, int y, std::size_t from, std::size_t to) {
  const WrappedPiece& wrapped = piece.wrapped;
  const auto* text = reinterpret_cast<const wchar_t*>(wrapped.text().data());
  const HGDIOBJ viewFont = GetCurrentObject(dc, OBJ_FONT);
  std::vector<int> advances;
  for (const FontRun& run : piece.fonts) {
    const std::size_t begin = std::max(from, run.begin);
    const std::size_t end = std::min(to, run.end);
    if (begin >= end) {
      continue;
    }
    advances.clear();
    for (std::size_t i = begin; i < end; ++i) {
      advances.push_back(wrapped.left(i + 1) - wrapped.left(i));
    }
    SelectObject(dc, run.font != nullptr ? run.font : viewFont);
    ExtTextOutW(dc, x + wrapped.left(begin) - wrapped.left(from), y, 0, nullptr, text + begin,
                static_cast<UINT>(end - begin), advances.data());
  }
  SelectObject(dc, viewFont);
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
