// Texts of every shape an SDK hands the bridge, drawn at random from a
// seed: empty, short enough to sit inside a std::string, SDK documents of a
// few hundred bytes to a few kilobytes full of quotes, slashes and
// backslashes, control characters, non-ASCII UTF-8, now and then a byte
// that is not UTF-8 (the VM refuses the text, which then goes in base64),
// and rarely one larger than a thread keeps between envelopes.
#ifndef ZELBRIDGE_TESTS_SUPPORT_RANDOM_TEXTS_H_
#define ZELBRIDGE_TESTS_SUPPORT_RANDOM_TEXTS_H_

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

class RandomTexts {
 public:
  explicit RandomTexts(std::uint32_t seed) : rng_(seed) {}

  std::string Next() {
    switch (Below(16)) {
      case 0:
        return "";
      case 1:
      case 2:
        return Drawn(1 + Below(15), kPlain);
      case 3:
        return Drawn(1 + Below(40), kEscapes);
      case 4:
        return Drawn(1 + Below(64), kControl);
      case 5:
        return Drawn(Below(200), kUtf8);
      case 6:
        return WithInvalidByte(Drawn(1 + Below(120), kDocument));
      case 7:
        return Below(8) == 0 ? Drawn(300 * 1024 + Below(4096), kDocument)
                             : Drawn(2000 + Below(6000), kDocument);
      default:
        return Drawn(16 + Below(600), kDocument);
    }
  }

 private:
  enum Alphabet { kPlain, kEscapes, kControl, kUtf8, kDocument };

  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

  std::string Drawn(std::size_t size, Alphabet alphabet) {
    static const char kDocumentBytes[] = "{\"msg_id\":\"u/42\",\"text\":\"a\\\\b\",\"n\":[1,2]}";
    static const char* const kUtf8Pieces[] = {"a",  "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80",
                                              "\"", "/"};
    std::string text;
    while (text.size() < size) {
      switch (alphabet) {
        case kPlain:
          text += static_cast<char>('a' + Below(26));
          break;
        case kEscapes:
          text += "\"\\/x"[Below(4)];
          break;
        case kControl:
          text += static_cast<char>(Below(3) == 0 ? 0x7f : 1 + Below(0x1f));
          break;
        case kUtf8:
          text += kUtf8Pieces[Below(6)];
          break;
        case kDocument:
          text += kDocumentBytes[Below(sizeof kDocumentBytes - 1)];
          break;
      }
    }
    return text;
  }

  std::string WithInvalidByte(std::string text) {
    text[Below(text.size())] = Below(2) == 0 ? '\xFF' : '\x80';
    return text;
  }

  std::mt19937 rng_;
};

#endif  // ZELBRIDGE_TESTS_SUPPORT_RANDOM_TEXTS_H_
