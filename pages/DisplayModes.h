#pragma once

#include "interpreter/Console.h"

namespace zor {

// Switches both text boxes between white with black text and the desktop
// colour with white text. The scheme showing is read from the log box's
// background as last set; the log is left alone.
void blackmode(Console& console);
// Whether the boxes show the dark scheme that blackmode switches to.
bool blackmodeOn(const WindowState& window);

// Switches the time display and says so in the log. The message that turns
// it off never shows the time; the one that turns it on always does.
void timehide(Console& console);

}  // namespace zor
