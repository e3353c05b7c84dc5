#include "platform/CodePage.h"

#include "platform/Surrogates.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace zor {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The system takes lengths as int: longer input goes through in slices.
constexpr std::size_t kMostPerCall = std::size_t{1} << 30;

// Characters tried at once when a piece holds bytes that do not decode.
constexpr int kCharactersPerTry = 256;

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Conversions by the system itself, in its ANSI code page. The system's
// table decides what a byte means; where it refuses a byte, that byte
// becomes U+FFFD, as the header promises.
class AnsiCodePage final : public CodePage {
 public:
  AnsiCodePage() : utf8_(GetACP() == CP_UTF8) {
    CPINFO info{};
    GetCPInfo(CP_ACP, &info);
    for (std::size_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
      for (unsigned b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) {
        leadByte_[b] = true;
      }
    }
  }

  std::string encode(std::u16string_view text) const override {
    // Without best fit a character the code page lacks becomes the default
    // character instead of a look-alike; UTF-8 takes no flags at all.
    const DWORD flags = utf8_ ? 0 : WC_NO_BEST_FIT_CHARS;
    std::string bytes;
    while (!text.empty()) {
      std::size_t take = std::min(text.size(), kMostPerCall);
      if (take < text.size() && isHighSurrogate(text[take - 1])) {
        --take;
      }
      const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
      const int length = static_cast<int>(take);
      const int size =
          WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, nullptr);
      const std::size_t used = bytes.size();
      bytes.resize(used + static_cast<std::size_t>(size));
      WideCharToMultiByte(CP_ACP, flags, wide, length, bytes.data() + used, size, nullptr, nullptr);
      text.remove_prefix(take);
    }
    return bytes;
  }

  std::u16string decode(std::string_view bytes) const override {
    std::u16string text;
    text.reserve(bytes.size());
    if (utf8_) {
      // The system itself puts U+FFFD for what does not decode.
      decodeLenient(bytes, text);
      return text;
    }
    if (decodeWhole(bytes, text)) {
      return text;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
      const std::size_t end = afterCharacters(bytes, i, kCharactersPerTry);
      if (!decodeStrict(bytes.substr(i, end - i), text)) {
        // One character at a time: a byte that starts none becomes U+FFFD
        // and the next byte is taken as the start of a character.
        while (i < end) {
          const std::size_t length = afterCharacters(bytes, i, 1) - i;
          if (decodeStrict(bytes.substr(i, length), text)) {
            i += length;
          } else {
            text.push_back(kReplacement);
            ++i;
          }
        }
      }
      i = std::max(i, end);
    }
    return text;
  }

  // A lead byte at the end waits for the byte behind it.
  std::u16string decodeStart(std::string_view bytes, std::size_t& used) const override {
    if (utf8_) {
      return CodePage::decodeStart(bytes, used);
    }
    used = 0;
    while (used < bytes.size()) {
      const std::size_t length = leadByte_[static_cast<unsigned char>(bytes[used])] ? 2 : 1;
      if (bytes.size() - used < length) {
        break;
      }
      used += length;
    }
    return decode(bytes.substr(0, used));
  }

 private:
  // Where `count` characters starting at `from` end: a lead byte takes the
  // byte behind it, if there is one.
  std::size_t afterCharacters(std::string_view bytes, std::size_t from, int count) const {
    std::size_t i = from;
    for (int n = 0; n < count && i < bytes.size(); ++n) {
      const bool lead = leadByte_[static_cast<unsigned char>(bytes[i])];
      i += lead && i + 1 < bytes.size() ? 2u : 1u;
    }
    return i;
  }

  // All of `bytes` at once, into the empty `text`, if every byte decodes:
  // what nearly every file holds. A byte gives at most one UTF-16 unit.
  static bool decodeWhole(std::string_view bytes, std::u16string& text) {
    if (bytes.empty() || bytes.size() > kMostPerCall) {
      return bytes.empty();
    }
    const int length = static_cast<int>(bytes.size());
    text.resize(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length,
                                         reinterpret_cast<wchar_t*>(text.data()), length);
    text.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return size > 0;
  }

  // Appends the characters of `bytes`, or nothing if any byte does not
  // decode. `bytes` is never longer than a few hundred characters.
  static bool decodeStrict(std::string_view bytes, std::u16string& text) {
    std::array<wchar_t, 2 * kCharactersPerTry> buffer;
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                         static_cast<int>(bytes.size()), buffer.data(),
                                         static_cast<int>(buffer.size()));
    if (size <= 0) {
      return false;
    }
    text.append(buffer.begin(), buffer.begin() + size);
    return true;
  }

  static void decodeLenient(std::string_view bytes, std::u16string& text) {
    while (!bytes.empty()) {
      std::size_t take = std::min(bytes.size(), kMostPerCall);
      // A slice does not end inside a character of up to four bytes.
      for (int k = 0; k < 3 && take < bytes.size() && isContinuation(bytes[take]); ++k) {
        --take;
      }
      const int length = static_cast<int>(take);
      const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
      const std::size_t used = text.size();
      text.resize(used + static_cast<std::size_t>(size));
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                          reinterpret_cast<wchar_t*>(text.data() + used), size);
      bytes.remove_prefix(take);
    }
  }

  bool utf8_;
  std::array<bool, 256> leadByte_{};
};

}  // namespace

std::unique_ptr<CodePage> systemCodePage() { return std::make_unique<AnsiCodePage>(); }

}  // namespace zor
