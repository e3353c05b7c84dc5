#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

struct Sample {
  std::string bytes;
  std::u16string text;
};

class CodePageTest : public ::testing::Test {
 protected:
  const std::unique_ptr<CodePage> codePage = systemCodePage();
};

// Bytes as code page 936 writes them, read back the same; text that the
// program writes comes out as these bytes.
TEST_F(CodePageTest, ReadsAndWritesCodePage936Bytes) {
  const Sample samples[] = {
      {"", u""},
      {"\xC4\xE3\xBA\xC3", u"你好"},
      {"ZOR\xC3\xFC\xC1\xEE\xB7\xFB \xD6\xD0\xCE\xC4\r\n", u"ZOR命令符 中文\r\n"},
      {"\xA1\xA3\xA3\xA1", u"。！"},
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(codePage->decode(s.bytes), s.text);
    EXPECT_EQ(codePage->encode(s.text), s.bytes);
  }
  EXPECT_EQ(codePage->decode("5\x80"), u"5€");
}

TEST_F(CodePageTest, HoldsCharactersOutsideGbk) {
  const Sample samples[] = {
      {"\x95\x32\x82\x36", u"\U00020000"},
      {"a\x94\x39\xFC\x36z", u"a😀z"},
      {"\xA2\xE3", u"€"},
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(codePage->encode(s.text), s.bytes);
    EXPECT_EQ(codePage->decode(s.bytes), s.text);
  }
}

TEST_F(CodePageTest, WritesLoneSurrogatesAsReplacementCharacters) {
  const std::u16string lone = {u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}};
  EXPECT_EQ(codePage->encode(lone),
            "a\x84\x31\xA4\x37"
            "b\x84\x31\xA4\x37");
}

TEST_F(CodePageTest, EveryCharacterOfThePlaneRoundTrips) {
  std::u16string all;
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c < 0xD800 || c > 0xDFFF) {
      all.push_back(static_cast<char16_t>(c));
    }
  }
  const std::u16string back = codePage->decode(codePage->encode(all));
  ASSERT_EQ(back.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    // The C library refuses a handful of private-use characters.
    if (back[i] != all[i]) {
      EXPECT_TRUE(all[i] >= 0xE000 && all[i] <= 0xF8FF) << std::hex << unsigned{all[i]};
      EXPECT_EQ(back[i], u'\uFFFD');
    }
  }
}

TEST_F(CodePageTest, BytesThatDoNotDecodeBecomeReplacementCharacters) {
  const Sample samples[] = {
      {"\xFF", u"\uFFFD"},
      {"a\x81", u"a\uFFFD"},
      {"\x81\x30",
       u"\uFFFD"
       u"0"},
      {"\xC4\r\xBA\xC3", u"\uFFFD\r好"},
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(codePage->decode(s.bytes), s.text);
  }
  // No pair of bytes gives more characters than bytes, or fails.
  for (unsigned first = 0; first < 256; ++first) {
    for (unsigned second = 0; second < 256; ++second) {
      const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
      EXPECT_LE(codePage->decode(std::string_view(pair, 2)).size(), 2u);
    }
  }
}

}  // namespace
}  // namespace zor::test
