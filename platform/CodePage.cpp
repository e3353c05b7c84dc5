#include "platform/CodePage.h"

#include "platform/Surrogates.h"

#include <iconv.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

namespace zor {

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kEuro = 0x20AC;
constexpr auto kFailed = static_cast<std::size_t>(-1);

// Whether the four UTF-16 units at `units` are all ASCII, tested at once.
bool fourAscii(const char16_t* units) {
  std::uint64_t four = 0;
  std::memcpy(&four, units, sizeof four);
  return (four & 0xFF80FF80FF80FF80) == 0;
}

// One character's bytes in GB18030: one, two or four.
struct Encoded {
  std::array<char, 4> bytes{};
  std::uint8_t length = 0;
};

iconv_t openConversion(const char* to, const char* from) {
  const iconv_t conversion = iconv_open(to, from);
  if (conversion == reinterpret_cast<iconv_t>(-1)) {
    throw std::system_error(errno, std::generic_category(), "iconv_open GB18030");
  }
  return conversion;
}

// GB18030 through the C library's iconv. Decoding runs iconv over the
// whole piece at once. Encoding looks characters of the Basic Multilingual
// Plane up in a table that iconv fills on the first use: text is encoded far
// more often than a table is built, and a character at a time through iconv
// costs several times the lookup.
class Gb18030CodePage final : public CodePage {
 public:
  Gb18030CodePage()
      : encoder_(openConversion("GB18030", kUtf16)), decoder_(openConversion(kUtf16, "GB18030")) {}
  Gb18030CodePage(const Gb18030CodePage&) = delete;
  Gb18030CodePage& operator=(const Gb18030CodePage&) = delete;
  ~Gb18030CodePage() override {
    iconv_close(encoder_);
    iconv_close(decoder_);
  }

  std::string encode(std::u16string_view text) const override {
    const Encoded* table = encodingTable().data();
    const char16_t* in = text.data();
    const std::size_t size = text.size();
    // Two bytes a character are enough for most text; the buffer grows for
    // text full of four-byte characters.
    std::string bytes(size * 2 + 8, '\0');
    char* out = bytes.data();
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < size) {
      if (bytes.size() - used < 8) {
        bytes.resize(bytes.size() * 2);
        out = bytes.data();
      }
      if (size - i >= 4 && fourAscii(in + i)) {
        for (std::size_t k = 0; k < 4; ++k) {
          out[used + k] = static_cast<char>(in[i + k]);
        }
        used += 4;
        i += 4;
      } else if (in[i] < 0x80) {
        out[used++] = static_cast<char>(in[i++]);
      } else if (startsSurrogatePair(text, i)) {
        const Encoded pair = convert(text.substr(i, 2));
        std::memcpy(out + used, pair.bytes.data(), pair.bytes.size());
        used += pair.length;
        i += 2;
      } else {
        const Encoded& one = table[in[i++]];
        std::memcpy(out + used, one.bytes.data(), one.bytes.size());
        used += one.length;
      }
    }
    bytes.resize(used);
    return bytes;
  }

  std::u16string decode(std::string_view bytes) const override {
    std::size_t used = 0;
    return decode(bytes, false, used);
  }

  std::u16string decodeStart(std::string_view bytes, std::size_t& used) const override {
    return decode(bytes, true, used);
  }

 private:
  // With `stopAtCut`, a character cut off at the end (EINVAL) is left for
  // the next piece instead of becoming U+FFFD.
  std::u16string decode(std::string_view bytes, bool stopAtCut, std::size_t& used) const {
    // A byte never gives more than one UTF-16 unit: one byte gives at most
    // one, two or four give one, four give at most two.
    std::u16string text(bytes.size(), u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = text.size() * sizeof(char16_t);
    iconv(decoder_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0 && iconv(decoder_, &in, &inLeft, &out, &outLeft) == kFailed) {
      if (stopAtCut && errno == EINVAL) {
        break;
      }
      // A byte that starts no character here (EILSEQ), or a character cut
      // off at the end (EINVAL): that one byte becomes U+FFFD. Code page 936
      // writes the euro sign as the single byte 0x80, which GB18030 leaves
      // unused.
      const char16_t unit = static_cast<unsigned char>(*in) == 0x80 ? kEuro : kReplacement;
      ++in;
      --inLeft;
      std::memcpy(out, &unit, sizeof unit);
      out += sizeof unit;
      outLeft -= sizeof unit;
      iconv(decoder_, nullptr, nullptr, nullptr, nullptr);
    }
    text.resize(text.size() - outLeft / sizeof(char16_t));
    used = bytes.size() - inLeft;
    return text;
  }

  // GB18030 holds every Unicode scalar value; glibc still refuses a few
  // private-use characters, and a lone surrogate has no bytes at all. They
  // are written as U+FFFD.
  Encoded convert(std::u16string_view character) const {
    Encoded encoded;
    char* in = const_cast<char*>(reinterpret_cast<const char*>(character.data()));
    std::size_t inLeft = character.size() * sizeof(char16_t);
    char* out = encoded.bytes.data();
    std::size_t outLeft = encoded.bytes.size();
    iconv(encoder_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(encoder_, &in, &inLeft, &out, &outLeft) == kFailed) {
      return replacement_;
    }
    encoded.length = static_cast<std::uint8_t>(encoded.bytes.size() - outLeft);
    return encoded;
  }

  const std::vector<Encoded>& encodingTable() const {
    if (table_.empty()) {
      replacement_ = convert(std::u16string_view(&kReplacement, 1));
      table_.resize(0x10000);
      for (std::size_t c = 0; c < table_.size(); ++c) {
        const auto unit = static_cast<char16_t>(c);
        table_[c] = convert(std::u16string_view(&unit, 1));
      }
    }
    return table_;
  }

  iconv_t encoder_;
  iconv_t decoder_;
  mutable Encoded replacement_;
  mutable std::vector<Encoded> table_;
};

}  // namespace

std::unique_ptr<CodePage> systemCodePage() { return std::make_unique<Gb18030CodePage>(); }

}  // namespace zor
