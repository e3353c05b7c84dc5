#pragma once

#include "interpreter/Console.h"

#include <QColor>

namespace zor {

// Resolves a stored colour reference to the colour painted now: a plain
// 0x00BBGGRR value as it is, a system colour as the platform shows it.
QColor paintedColour(ColourRef reference);

}  // namespace zor
