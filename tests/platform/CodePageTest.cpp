#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace zor::test {
namespace {

struct Sample {
  std::string bytes;
  std::u16string text;
};

// Every character of the Basic Multilingual Plane but NUL and the
// surrogates.
std::u16string wholePlane() {
  std::u16string all;
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c < 0xD800 || c > 0xDFFF) {
      all.push_back(static_cast<char16_t>(c));
    }
  }
  return all;
}

// The first few differences only, so that a failure stays short.
void noteChange(std::string& changes, char16_t from, char16_t to) {
  if (changes.size() < 200) {
    changes += std::to_string(unsigned{from}) + "->" + std::to_string(unsigned{to}) + " ";
  }
}

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

#ifdef _WIN32
// Code page 936 holds no character outside GBK: each UTF-16 unit of one is
// written as "?", never as a look-alike.
TEST_F(CodePageTest, WritesWhatCodePage936LacksAsQuestionMarks) {
  const Sample samples[] = {
      {"??", u"\U00020000"},
      {"a??z", u"a😀z"},
      {"?", u"\u0100"},
      {"\xFF", u"\uF8F5"},  // which does not read back: 0xFF starts nothing
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(codePage->encode(s.text), s.bytes);
  }
  const std::u16string lone = {u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}};
  EXPECT_EQ(codePage->encode(lone), "a?b?");
}

TEST_F(CodePageTest, EveryCharacterOfThePlaneRoundTripsOrBecomesAQuestionMark) {
  const std::u16string all = wholePlane();
  const std::u16string back = codePage->decode(codePage->encode(all));
  ASSERT_EQ(back.size(), all.size());
  std::string changed;
  std::size_t kept = 0;
  std::size_t chinese = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    kept += back[i] == all[i] ? 1u : 0u;
    chinese += back[i] == all[i] && all[i] >= 0x4E00 && all[i] <= 0x9FA5 ? 1u : 0u;
    if (back[i] != all[i] && back[i] != u'?' && all[i] != u'\uF8F5') {
      noteChange(changed, all[i], back[i]);
    }
  }
  EXPECT_EQ(changed, "");
  EXPECT_EQ(chinese, 0x9FA5u - 0x4E00u + 1);  // every unified ideograph of GBK
  EXPECT_GT(kept, 21000u);
}
#else
// GB18030 holds every character.
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
  const std::u16string all = wholePlane();
  const std::u16string back = codePage->decode(codePage->encode(all));
  ASSERT_EQ(back.size(), all.size());
  std::string changed;
  for (std::size_t i = 0; i < all.size(); ++i) {
    // The C library refuses a handful of private-use characters.
    const bool refused = all[i] >= 0xE000 && all[i] <= 0xF8FF && back[i] == u'\uFFFD';
    if (back[i] != all[i] && !refused) {
      noteChange(changed, all[i], back[i]);
    }
  }
  EXPECT_EQ(changed, "");
}
#endif

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
  // A long piece with a byte in its middle that starts no character: only
  // that byte is lost.
  std::string bytes;
  std::u16string text;
  for (int i = 0; i < 1000; ++i) {
    bytes += i == 500 ? "\x81\x30"
                      : "\xC4\xE3"
                        "a";
    text += i == 500 ? u"\uFFFD0" : u"你a";
  }
  EXPECT_EQ(codePage->decode(bytes), text);
  // No pair of bytes gives more characters than bytes, or fails. Only the
  // first few offending pairs are shown.
  std::string tooLong;
  for (unsigned first = 0; first < 256; ++first) {
    for (unsigned second = 0; second < 256; ++second) {
      const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
      if (codePage->decode(std::string_view(pair, 2)).size() > 2 && tooLong.size() < 200) {
        tooLong += std::to_string(first) + "," + std::to_string(second) + " ";
      }
    }
  }
  EXPECT_EQ(tooLong, "");
}

}  // namespace
}  // namespace zor::test
