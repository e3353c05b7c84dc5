#pragma once

#include "interpreter/Console.h"

#include <cstdint>

namespace zor {

// Resolves a stored colour reference to the plain 0x00BBGGRR colour painted
// now: a plain value as it is, a system colour as the system shows it.
ColourRef paintedColour(ColourRef reference);

// A reference to one of the system's colours, by the system's numbers.
constexpr ColourRef systemColourRef(std::uint32_t number) { return 0x80000000 | number; }
inline constexpr ColourRef kWindowColour = systemColourRef(5);
inline constexpr ColourRef kWindowTextColour = systemColourRef(8);
inline constexpr ColourRef kHighlightColour = systemColourRef(13);
inline constexpr ColourRef kHighlightTextColour = systemColourRef(14);

// How the log marks its selection and the find box's matches, as colour
// references resolved when painting, and whether the find field is tinted
// when nothing is found.
struct ViewMarks {
  BoxColours selection;
  BoxColours found;
  bool tintNothingFound = true;

  friend bool operator==(const ViewMarks&, const ViewMarks&) = default;
};

// What the window paints each part in.
struct ViewColours {
  BoxColours log;
  BoxColours input;
  ViewMarks marks;

  friend bool operator==(const ViewColours&, const ViewColours&) = default;
};

// The colours for the boxes' scheme, or, while the system's contrast theme
// is on, the theme's own: both boxes in the window's colours, the selection
// in the highlight's, and the find box's matches in the window's colours
// swapped, which stand out of the text and of the selection alike in every
// theme. The scheme keeps changing beneath the theme, and shows again when
// the theme goes off.
ViewColours viewColours(const WindowState& window, bool contrastTheme);

}  // namespace zor
