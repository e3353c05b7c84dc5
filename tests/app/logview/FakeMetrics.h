#pragma once

#include "app/logview/TextMetrics.h"
#include "app/logview/WrappedPiece.h"

#include <memory>
#include <string_view>
#include <vector>

namespace zor::test {

// A font of rows ten pixels high and characters ten pixels wide, wide
// characters twenty.
class FakeMetrics final : public TextMetrics {
 public:
  int rowHeight() const override { return 10; }
  int blankWidth() const override { return 10; }
  std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                             int width) const override {
    std::vector<int> edges;
    edges.reserve(text.size());
    int x = 0;
    for (char16_t c : text) {
      x += c >= 0x2E80 && (c < 0xD800 || c >= 0xE000) ? 20 : 10;
      edges.push_back(x);
    }
    return std::make_shared<WrappedPiece>(begin, WrappedPiece::drawnText(text), std::move(edges),
                                          width);
  }
};

}  // namespace zor::test
