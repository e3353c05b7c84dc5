#include "app/win32/LogViewMetrics.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace zor {

void MeasuredPiece::draw(HDC dc, int x, int y, std::size_t from, std::size_t to) const {
  const auto* text = reinterpret_cast<const wchar_t*>(wrapped.text().data());
  const HGDIOBJ viewFont = GetCurrentObject(dc, OBJ_FONT);
  std::vector<int> advances;
  for (const FontRun& run : fonts) {
    const std::size_t first = std::max(from, run.begin);
    const std::size_t last = std::min(to, run.end);
    if (first >= last) {
      continue;
    }
    advances.clear();
    for (std::size_t i = first; i < last; ++i) {
      advances.push_back(wrapped.left(i + 1) - wrapped.left(i));
    }
    // Selecting a font is not free, even the one selected already: under
    // Wine each selection asks the X server's resources.
    if (run.font != nullptr) {
      SelectObject(dc, run.font);
    }
    const int left = x + wrapped.left(first) - wrapped.left(from);
    if (run.glyph == 0) {
      ExtTextOutW(dc, left, y, 0, nullptr, text + first, static_cast<UINT>(last - first),
                  advances.data());
    } else if (first == run.begin) {
      ExtTextOutW(dc, left, y, ETO_GLYPH_INDEX, nullptr,
                  reinterpret_cast<const wchar_t*>(&run.glyph), 1, nullptr);
    }
    if (run.font != nullptr) {
      SelectObject(dc, viewFont);
    }
  }
}

LogViewMetrics::LogViewMetrics()
    : measure_(CreateCompatibleDC(nullptr)),
      plainFont_(SelectObject(measure_, GetStockObject(DEFAULT_GUI_FONT))),
      font_(GetStockObject(DEFAULT_GUI_FONT)) {
  setFont(nullptr);
}

LogViewMetrics::~LogViewMetrics() {
  SelectObject(measure_, plainFont_);
  DeleteDC(measure_);
}

void LogViewMetrics::setFont(HFONT font) {
  font_ = font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT);
  SelectObject(measure_, font_);
  fallback_.setFont(font);
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
  std::vector<FontRun> fonts = fallback_.runs(measure_, drawn);
  std::vector<int> edges(drawn.size());
  int left = 0;
  for (const FontRun& run : fonts) {
    if (run.font != nullptr) {
      SelectObject(measure_, run.font);
    }
    SIZE size{};
    int fit = 0;
    if (run.glyph == 0) {
      GetTextExtentExPointW(measure_, reinterpret_cast<const wchar_t*>(drawn.data() + run.begin),
                            static_cast<int>(run.end - run.begin), INT_MAX, &fit,
                            edges.data() + run.begin, &size);
    } else {
      // The whole width on the pair's first half.
      WORD glyph = run.glyph;
      GetTextExtentPointI(measure_, &glyph, 1, &size);
      std::fill(edges.begin() + static_cast<std::ptrdiff_t>(run.begin),
                edges.begin() + static_cast<std::ptrdiff_t>(run.end), static_cast<int>(size.cx));
    }
    for (std::size_t i = run.begin; i < run.end; ++i) {
      edges[i] += left;
    }
    left = edges[run.end - 1];
    if (run.font != nullptr) {
      SelectObject(measure_, font_);
    }
  }
  return std::make_shared<const MeasuredPiece>(
      WrappedPiece(begin, std::move(drawn), std::move(edges), width), std::move(fonts));
}

}  // namespace zor
