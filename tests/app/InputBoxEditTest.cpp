#include "app/InputBoxEdit.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

using Text = InputBoxEdit::Text;

struct Row {
  LineBox now;
  LineBox wanted;
  std::optional<InputBoxEdit> edit;
};

// Only what is added behind the caret, nothing selected, is inserted.
const Row kRows[] = {
    {{u"ab", 2, 2}, {u"ab", 2, 2}, std::nullopt},
    {{u"ab", 2, 2}, {u"abc", 3, 3}, InputBoxEdit{Text::Insert, u"c", {u"abc", 3, 3}}},
    {{u"ab", 2, 2}, {u"abcd", 2, 4}, InputBoxEdit{Text::Insert, u"cd", {u"abcd", 2, 4}}},
    {{u"", 0, 0}, {u"say", 3, 3}, InputBoxEdit{Text::Insert, u"say", {u"say", 3, 3}}},
    {{u"ab", 1, 1}, {u"abc", 3, 3}, InputBoxEdit{Text::Replace, u"abc", {u"abc", 3, 3}}},
    {{u"ab", 0, 2}, {u"abc", 3, 3}, InputBoxEdit{Text::Replace, u"abc", {u"abc", 3, 3}}},
    {{u"ab", 2, 2}, {u"xb", 2, 2}, InputBoxEdit{Text::Replace, u"xb", {u"xb", 2, 2}}},
    {{u"abc", 3, 3}, {u"ab", 2, 2}, InputBoxEdit{Text::Replace, u"ab", {u"ab", 2, 2}}},
    {{u"ab", 2, 2}, {u"ab", 0, 2}, InputBoxEdit{Text::Keep, u"", {u"ab", 0, 2}}},
};

TEST(InputBoxEditTest, InsertsWhatIsOnlyAddedAtTheCaretElseReplaces) {
  for (const Row& row : kRows) {
    EXPECT_EQ(inputBoxEdit(row.now, row.wanted), row.edit);
  }
}

}  // namespace
}  // namespace zor::test
