#include "platform/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

struct Case {
  std::string_view bytes;
  std::u16string_view text;
};

TEST(Utf8Test, DecodesEveryLengthAndReplacesEachBadByte) {
  const Case cases[] = {
      {"", u""},
      {"a/b c", u"a/b c"},
      {"\xC3\xA9", u"é"},
      {"\xE6\x97\xA5\xE5\xBF\x97.txt", u"日志.txt"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      // Overlong forms, an encoded surrogate, beyond U+10FFFF.
      {"\xC0\xAF", u"\uFFFD\uFFFD"},
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // A stray continuation byte, a cut-off character, Latin-1.
      {"a\x80z", u"a\uFFFDz"},
      {"\xE6\x97", u"\uFFFD\uFFFD"},
      {"\xE6\x97z", u"\uFFFD\uFFFDz"},
      {"caf\xE9", u"caf\uFFFD"},
      {"\xFF\xFE", u"\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fromUtf8(c.bytes), c.text) << testing::PrintToString(std::string(c.bytes));
  }
}

TEST(Utf8Test, EncodesPairsAsOneCharacterAndLoneSurrogatesAsReplacement) {
  const Case cases[] = {
      {"", u""},
      {"a\x7F", u"a\u007F"},
      {"\xC2\x80\xDF\xBF", u"\u0080\u07FF"},
      {"\xE0\xA0\x80\xEF\xBF\xBF", u"\u0800\uFFFF"},
      {"\xE6\x97\xA5\xE5\xBF\x97", u"日志"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toUtf8(c.text), c.bytes);
    EXPECT_EQ(fromUtf8(toUtf8(c.text)), c.text);
  }
  // A lone surrogate, high or low, at the end or before another one.
  const struct {
    std::u16string text;
    std::string_view bytes;
  } lone[] = {
      {{char16_t{0xD83D}}, "\xEF\xBF\xBD"},
      {{char16_t{0xDE00}, u'a'},
       "\xEF\xBF\xBD"
       "a"},
      {{u'a', char16_t{0xD83D}, char16_t{0xD83D}}, "a\xEF\xBF\xBD\xEF\xBF\xBD"},
      {{char16_t{0xDE00}, char16_t{0xD83D}}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : lone) {
    EXPECT_EQ(toUtf8(c.text), c.bytes);
  }
}

}  // namespace
}  // namespace zor::test
