#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor::test {

// A rectangle of a window's picture, in pixels; right and bottom lie just
// outside it.
struct Area {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(const Area& a) const {
    return a.left >= left && a.top >= top && a.right() <= right() && a.bottom() <= bottom();
  }
  bool intersects(const Area& a) const {
    return a.left < right() && left < a.right() && a.top < bottom() && top < a.bottom();
  }
};

std::string describe(const Area& area);

// A control as drawn, and the least room its contents need.
struct Part {
  std::string name;
  Area area;
  int naturalWidth = 0;
  int naturalHeight = 0;
};

// What a window shows, as each toolkit measures it. Parts are named Frame1
// and Frame2 (with the ink of their captions), Text1 (the log's text area)
// and Text1.scrollbar, Text2 (the input line's text area), and, while it is
// open, FindBox and its controls FindBox.<name>.
struct DrawnWindow {
  std::vector<Part> parts;
  Area frame1Caption;
  Area frame2Caption;
  // The selected match as drawn, when one is to be seen, and the room its
  // text takes; an empty area when it is nowhere in sight.
  std::optional<Part> match;
  bool inputHasText = false;
};

// The window's picture, each pixel 0xRRGGBB, row after row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t at(int x, int y) const;
};

// The colours a scheme paints: the boxes' background and text, and the
// window around them.
struct Scheme {
  std::uint32_t background = 0;
  std::uint32_t text = 0;
  std::uint32_t window = 0;
};

// What breaks the rules, one line each: a control smaller than its
// contents need; the frames overlapping; a text box out of its frame or
// over its caption; a caption cut; the find box anywhere but over the log's
// text, over the scroll bar, or its controls cut or overlapping; the match
// cut or under the find box; the scheme's colours missing where they
// belong (the boxes' background in their bottom right corners, about the text colour
// in the log and in an input line with text, the window's own colour at its
// top left corner).
std::vector<std::string> pictureFaults(const DrawnWindow& window, const Pixels& pixels,
                                       const Scheme& scheme);

}  // namespace zor::test
