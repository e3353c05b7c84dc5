#include "platform/ParentConsole.h"

namespace zor {

void useParentConsole() {}

}  // namespace zor
