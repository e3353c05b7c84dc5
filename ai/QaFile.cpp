#include "ai/QaFile.h"

namespace zor {

ProgramFile qaFile(const Console& console) { return programFile(console, u"ZOR-AI-QA", u".txt"); }

}  // namespace zor
