#include "tests/support/PictureRules.h"

#include <algorithm>
#include <cstdio>

namespace zor::test {

namespace {

std::string hex(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

const Part* named(const DrawnWindow& window, const std::string& name) {
  const auto found = std::find_if(window.parts.begin(), window.parts.end(),
                                  [&](const Part& p) { return p.name == name; });
  return found == window.parts.end() ? nullptr : &*found;
}

bool whole(const Part& p) {
  return p.area.width >= p.naturalWidth && p.area.height >= p.naturalHeight;
}

// Smoothed glyphs reach their colour only up to a few steps.
bool near(std::uint32_t a, std::uint32_t b) {
  constexpr int kSteps = 32;
  for (int shift : {0, 8, 16}) {
    const int difference =
        static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (difference > kSteps || difference < -kSteps) {
      return false;
    }
  }
  return true;
}

// Some pixel of `area` has about the colour of text.
bool holdsText(const Pixels& pixels, const Area& area, std::uint32_t colour) {
  for (int y = std::max(area.top, 0); y < std::min(area.bottom(), pixels.height); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right(), pixels.width); ++x) {
      if (near(pixels.at(x, y), colour)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

std::string describe(const Area& a) {
  return std::to_string(a.left) + "," + std::to_string(a.top) + " " + std::to_string(a.width) +
         "x" + std::to_string(a.height);
}

std::uint32_t Pixels::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) {
    return 0xFF000000;  // no colour of a picture
  }
  return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
             static_cast<std::size_t>(x)] &
         0xFFFFFF;
}

std::vector<std::string> pictureFaults(const DrawnWindow& window, const Pixels& pixels,
                                       const Scheme& scheme) {
  std::vector<std::string> faults;
  for (const Part& p : window.parts) {
    if (!whole(p)) {
      faults.push_back(p.name + " is " + describe(p.area) + ", smaller than the " +
                       std::to_string(p.naturalWidth) + "x" + std::to_string(p.naturalHeight) +
                       " its contents need");
    }
  }
  const Part* frame1 = named(window, "Frame1");
  const Part* frame2 = named(window, "Frame2");
  const Part* text1 = named(window, "Text1");
  const Part* text2 = named(window, "Text2");
  if (frame1 == nullptr || frame2 == nullptr || text1 == nullptr || text2 == nullptr) {
    faults.push_back("a frame or a text box is missing");
    return faults;
  }
  if (frame1->area.intersects(frame2->area)) {
    faults.push_back("the frames overlap");
  }
  struct Framed {
    const Part* box;
    const Part* frame;
    Area caption;
  };
  for (const auto& [box, frame, caption] :
       {Framed{text1, frame1, window.frame1Caption}, Framed{text2, frame2, window.frame2Caption}}) {
    if (!frame->area.contains(box->area)) {
      faults.push_back(box->name + " " + describe(box->area) + " reaches out of its frame " +
                       describe(frame->area));
    }
    if (box->area.intersects(caption)) {
      faults.push_back(box->name + " " + describe(box->area) + " covers its frame's caption " +
                       describe(caption));
    }
    if (caption.right() > frame->area.right()) {
      faults.push_back("the caption of " + frame->name + " is cut");
    }
  }

  if (const Part* box = named(window, "FindBox")) {
    if (!text1->area.contains(box->area)) {
      faults.push_back("the find box " + describe(box->area) + " is not over the log's text " +
                       describe(text1->area) + " alone");
    }
    if (const Part* bar = named(window, "Text1.scrollbar");
        bar != nullptr && box->area.intersects(bar->area)) {
      faults.push_back("the find box covers the scroll bar");
    }
    std::vector<const Part*> controls;
    for (const Part& p : window.parts) {
      if (p.name.rfind("FindBox.", 0) != 0) {
        continue;
      }
      if (!box->area.contains(p.area)) {
        faults.push_back(p.name + " " + describe(p.area) + " is cut by the find box");
      }
      for (const Part* other : controls) {
        if (p.area.intersects(other->area)) {
          faults.push_back(p.name + " overlaps " + other->name);
        }
      }
      controls.push_back(&p);
    }
    if (window.match) {
      const Area& match = window.match->area;
      if (!whole(*window.match) || !text1->area.contains(match)) {
        faults.push_back("the match is not whole in sight: " + describe(match) + " of " +
                         std::to_string(window.match->naturalWidth) + "x" +
                         std::to_string(window.match->naturalHeight));
      }
      if (match.intersects(box->area)) {
        faults.push_back("the match " + describe(match) + " is under the find box " +
                         describe(box->area));
      }
    }
  }

  const auto corner = [&](const Area& a) {
    const int inset = std::min(a.height / 2, 8);
    return pixels.at(a.right() - inset, a.bottom() - inset);
  };
  for (const Part* box : {text1, text2}) {
    if (corner(box->area) != scheme.background) {
      faults.push_back(box->name + "'s background is " + hex(corner(box->area)) + ", not " +
                       hex(scheme.background));
    }
  }
  if (!holdsText(pixels, text1->area, scheme.text)) {
    faults.push_back("no text in " + hex(scheme.text) + " in the log");
  }
  if (window.inputHasText && !holdsText(pixels, text2->area, scheme.text)) {
    faults.push_back("no text in " + hex(scheme.text) + " in the input line");
  }
  if (pixels.at(2, 2) != scheme.window) {
    faults.push_back("the window's own colour is " + hex(pixels.at(2, 2)) + ", not " +
                     hex(scheme.window));
  }
  return faults;
}

}  // namespace zor::test
