// json::Deserialize: the lenient, text-slicing JSON reader.
//
// Its results are those of a reader that cuts each value's text out of the
// input and carries on with a copy of the rest. Copying that rest at every
// step would make the time quadratic, so every step here works on positions
// into one std::string_view instead:
//
// - A container's closing bracket comes from BracketIndex, built in one pass
//   over the document, instead of a fresh bracket-matching scan of the
//   container's text at every nesting level.
// - The text a step looks at ends where the sliced text would end: an object
//   member's value may run to the end of the object, an array element that
//   is not a container ends at the first "," or "]" outside a string. No
//   search runs past the end of the container it is in.
// - An array remembers where its last search for ",", "]", "[" or "{" ended,
//   so elements that start inside an already searched stretch (several
//   strings before a container, say) do not search it again.
//
// Whitespace and numbers are read by the classic locale's rules whatever
// locale the host process has set. No exception leaves Deserialize: running
// out of memory gives null, and so does nesting deeper than kMaxDepth.
#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <locale>
#include <sstream>
#include <string_view>
#include <utility>

#include "json.h"
#include "simd.h"
#if defined(__APPLE__)
#include <xlocale.h>
#endif

namespace json {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// For the readers of strings and scalars: their locals stay out of the
// frames of the recursion through nested containers.
#if defined(_MSC_VER)
#define ZELJSON_NOINLINE __declspec(noinline)
#else
#define ZELJSON_NOINLINE __attribute__((noinline))
#endif

// Texts of this many bytes or more are refused by the const char* overload.
constexpr std::size_t kMaxTextLength = 2097152;

// Containers nested deeper than this make the whole parse null. A level of
// nesting costs two frames of recursion (DeserializeValue and the container's
// reader): about 450 bytes in an optimised build, 1.5 KiB with
// AddressSanitizer. A parse at the limit thus needs some 30 KiB of stack
// (100 KiB with AddressSanitizer), well inside the 256 KiB stacks that
// threads of the host app may have.
constexpr int kMaxDepth = 64;

// ------------------------------------------------------------ characters

// isspace in the classic locale.
inline bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// ASCII comparison without regard to case; `lower` is lower case.
bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

// The bounds of `text` within [begin, end) without whitespace at either end.
std::size_t TrimStart(std::string_view text, std::size_t begin, std::size_t end) {
  while (begin < end && IsSpace(text[begin])) ++begin;
  return begin;
}
std::size_t TrimEnd(std::string_view text, std::size_t begin, std::size_t end) {
  while (end > begin && IsSpace(text[end - 1])) --end;
  return end;
}

// First c in [from, end), or npos. Most searches end within a few bytes (the
// quotes around a key, the colon after it), so the first 32 bytes are
// searched inline before the library's search takes over.
std::size_t Find(std::string_view text, char c, std::size_t from, std::size_t end) {
  if (from >= end) return npos;
#if ZELJSON_SIMD_SSE2
  const __m128i wanted = _mm_set1_epi8(c);
  for (int block = 0; block < 2 && end - from >= 16; ++block, from += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, wanted)));
    if (mask != 0) return from + LowestSetBit(mask);
  }
  if (from >= end) return npos;
#endif
  const void* hit = std::memchr(text.data() + from, c, end - from);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

// Whether an odd run of backslashes stands right before position i, counting
// no further back than `floor` (the start of the text being read).
bool IsEscaped(std::string_view text, std::size_t i, std::size_t floor) {
  std::size_t run = 0;
  while (i > floor && text[i - 1] == '\\') {
    --i;
    ++run;
  }
  return run % 2 == 1;
}

// First double quote in [from, end) that no backslash escapes, or npos.
std::size_t FindUnescapedQuote(std::string_view text, std::size_t from, std::size_t end,
                               std::size_t floor) {
  for (std::size_t i = Find(text, '"', from, end); i != npos; i = Find(text, '"', i + 1, end)) {
    if (!IsEscaped(text, i, floor)) return i;
  }
  return npos;
}

// ----------------------------------------------------------------- numbers

// strtod in the classic locale.
double ClassicStrtod(const char* text, char** end) {
#if defined(_WIN32)
  static const _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
  if (c_locale) return _strtod_l(text, end, c_locale);
#else
  static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  if (c_locale) return strtod_l(text, end, c_locale);
#endif
  *end = const_cast<char*>(text);  // no classic locale: nothing converts
  return 0.0;
}

// A token with a fraction or an exponent: it must convert completely and
// in range with strtod. The stored number is the token read through a
// string stream; for plain decimal tokens that is the number strtod gave,
// others (hexadecimal forms that strtod also takes) are read again.
bool ReadDouble(const std::string& token, double& value) {
  const int saved_errno = errno;
  errno = 0;
  char* end = nullptr;
  const double converted = ClassicStrtod(token.c_str(), &end);
  const bool in_range = errno == 0;
  errno = saved_errno;
  if (end != token.c_str() + token.size() || !in_range) return false;
  if (token.find_first_not_of("0123456789+-.eE") == std::string::npos) {
    value = converted;
  } else {
    std::istringstream in(token);
    in.imbue(std::locale::classic());
    double reread = 0.0;
    in >> reread;
    value = reread;
  }
  return true;
}

// An integer token as strtoll and then strtoull read it in base 10; the
// type follows the value's range. False when it is no integer or out of
// range. The empty token is 0.
bool ReadInteger(std::string_view token, Value& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  if (i == token.size() && !token.empty()) return false;  // a lone sign
  unsigned long long magnitude = 0;
  bool overflow = false;
  // Up to 19 digits cannot overflow; only the digits after those are checked.
  const std::size_t unchecked_end = std::min(token.size(), i + 19);
  for (; i < unchecked_end; ++i) {
    if (!IsDigit(token[i])) return false;
    magnitude = magnitude * 10 + static_cast<unsigned>(token[i] - '0');
  }
  for (; i < token.size(); ++i) {
    if (!IsDigit(token[i])) return false;
    const unsigned digit = static_cast<unsigned>(token[i] - '0');
    if (magnitude > (ULLONG_MAX - digit) / 10) overflow = true;
    magnitude = magnitude * 10 + digit;
  }
  const unsigned long long kInt64Limit = static_cast<unsigned long long>(LLONG_MAX);
  long long number;
  if (negative) {
    if (overflow || magnitude > kInt64Limit + 1) return false;
    number = magnitude == kInt64Limit + 1 ? LLONG_MIN : -static_cast<long long>(magnitude);
  } else if (overflow) {
    return false;
  } else if (magnitude > kInt64Limit) {
    value = Value(magnitude);
    return true;
  } else {
    number = static_cast<long long>(magnitude);
  }
  if (number >= INT_MIN && number <= INT_MAX) {
    value = Value(static_cast<int>(number));
  } else if (number > INT_MAX && number <= static_cast<long long>(UINT_MAX)) {
    value = Value(static_cast<unsigned int>(number));
  } else {
    value = Value(number);
  }
  return true;
}

// The four characters of a \u escape as strtoul reads them in base 16 in
// the classic locale (leading whitespace, a sign and a 0x prefix included);
// all four must be used.
bool ReadHex4(std::string_view four, unsigned long& value) {
  std::size_t i = 0;
  while (i < 4 && IsSpace(four[i])) ++i;
  bool negative = false;
  if (i < 4 && (four[i] == '+' || four[i] == '-')) negative = four[i++] == '-';
  if (i + 2 < 4 && four[i] == '0' && (four[i + 1] == 'x' || four[i + 1] == 'X') &&
      HexDigitValue(four[i + 2]) >= 0) {
    i += 2;
  }
  const std::size_t first_digit = i;
  unsigned long number = 0;
  for (; i < 4 && HexDigitValue(four[i]) >= 0; ++i) {
    number = number * 16 + static_cast<unsigned long>(HexDigitValue(four[i]));
  }
  if (i == first_digit || i != 4) return false;
  value = negative ? 0UL - number : number;
  return true;
}

// One \u escape; text starts at the 'u'. A high surrogate takes the \u
// escape right after it as its second half.
bool DecodeUnicodeCodePoint(std::string_view text, std::size_t& consumed,
                            unsigned long& code_point) {
  unsigned long high = 0;
  if (text.size() < 5 || !ReadHex4(text.substr(1, 4), high)) return false;
  consumed = 5;
  code_point = high;
  if (high >= 0xD800 && high <= 0xDBFF) {
    unsigned long low = 0;
    if (text.size() < 11 || text[5] != '\\' || text[6] != 'u' ||
        !ReadHex4(text.substr(7, 4), low)) {
      return false;
    }
    code_point = (((high & 0x3FF) << 10) | (low & 0x3FF)) + 0x10000;
    consumed = 11;
  }
  return true;
}

// Appends the UTF-8 form of a code point. One beyond U+10FFFF, which UTF-8
// cannot hold (only a signed \u escape such as \u-001 makes one), adds no
// bytes: the escape has decoded, so it is no fault, and is left out.
void AppendUtf8(unsigned long cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x110000) {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// ----------------------------------------------------------------- brackets

// The closing bracket of every opening bracket, found in one pass.
//
// Bracket matching starts at an opening bracket, outside any string, and
// takes each double quote that no odd run of backslashes escapes as the
// start or end of a string. Which brackets lie outside strings for a scan
// that starts at bracket q therefore depends only on whether an even or an
// odd number of such quotes comes before q in the document: brackets fall
// into two phases, and a scan from q sees exactly the brackets of q's phase.
// Within one phase the scans from all opening brackets agree with a single
// stack-based pass: a closing bracket of the right kind closes the open
// bracket on top, and one of the wrong kind ends every scan still open, which
// then has no match.
class BracketIndex {
 public:
  BracketIndex(std::string_view text, std::size_t begin, std::size_t end) : text_(text) {
    // Only backslashes, double quotes and brackets take part; with SSE2 the
    // text is searched for them 16 bytes at a time.
    std::size_t i = begin;
#if ZELJSON_SIMD_SSE2
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i case_bit = _mm_set1_epi8(0x20);  // '[' | 0x20 == '{', ']' | 0x20 == '}'
    const __m128i open_brace = _mm_set1_epi8('{');
    const __m128i close_brace = _mm_set1_epi8('}');
    for (; end - i >= 16; i += 16) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      const __m128i folded = _mm_or_si128(x, case_bit);
      unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
          _mm_or_si128(_mm_cmpeq_epi8(x, backslash), _mm_cmpeq_epi8(x, quote)),
          _mm_or_si128(_mm_cmpeq_epi8(folded, open_brace), _mm_cmpeq_epi8(folded, close_brace)))));
      for (; mask != 0; mask &= mask - 1) Visit(i + LowestSetBit(mask));
    }
#endif
    for (; i < end; ++i) {
      const char c = text[i];
      if (c == '\\' || c == '"' || c == '[' || c == ']' || c == '{' || c == '}') Visit(i);
    }
  }

  // The closing bracket of the opening bracket at `open`, or npos.
  std::size_t CloseOf(std::size_t open) const {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), open,
                               [](const Entry& e, std::size_t pos) { return e.open < pos; });
    return it != entries_.end() && it->open == open ? it->close : npos;
  }

 private:
  struct Entry {
    std::size_t open;
    std::size_t close;
  };

  // The backslash, quote or bracket at i. A quote or bracket is escaped when
  // an odd run of backslashes ends right before it.
  void Visit(std::size_t i) {
    const char c = text_[i];
    if (c == '\\') {
      run_length_ = run_end_ == i ? run_length_ + 1 : 1;
      run_end_ = i + 1;
      return;
    }
    const bool escaped = run_end_ == i && run_length_ % 2 == 1;
    if (c == '"') {
      if (!escaped) phase_ ^= 1;
    } else if (c == '[' || c == '{') {
      open_[phase_].push_back(entries_.size());
      entries_.push_back({i, npos});
    } else {
      std::vector<std::size_t>& stack = open_[phase_];
      if (stack.empty()) return;
      Entry& top = entries_[stack.back()];
      if (text_[top.open] == (c == ']' ? '[' : '{')) {
        top.close = i;
        stack.pop_back();
      } else {
        stack.clear();
      }
    }
  }

  std::string_view text_;
  std::vector<Entry> entries_;
  // While the index is built: the open brackets of each phase, as indexes
  // into entries_; the phase; where the last run of backslashes ended and
  // how long it was.
  std::vector<std::size_t> open_[2];
  int phase_ = 0;
  std::size_t run_end_ = npos;
  std::size_t run_length_ = 0;
};

// ------------------------------------------------------------------ parser

// One parse of one document. Positions are indexes into text_; a step that
// reads "the text" reads the range [pos, end) it is given.
class Parser {
 public:
  Parser(std::string_view text, std::size_t begin, std::size_t end)
      : text_(text), brackets_(text, begin, end) {}

  // The container [begin, end), trimmed, opening and closing with matching
  // brackets; null if the parse went deeper than kMaxDepth.
  Value DeserializeInternal(std::size_t begin, std::size_t end) {
    Value result =
        text_[begin] == '[' ? DeserializeArray(begin, end, 1) : DeserializeObject(begin, end, 1);
    if (too_deep_) return Value();
    return result;
  }

 private:
  Value DeserializeObject(std::size_t begin, std::size_t end, int depth);
  Value DeserializeArray(std::size_t begin, std::size_t end, int depth);
  Value DeserializeValue(std::size_t& pos, std::size_t end, bool& error, int depth);
  ZELJSON_NOINLINE Value DeserializeString(std::size_t& pos, std::size_t end, bool& error);
  ZELJSON_NOINLINE Value DeserializeScalar(std::size_t& pos, std::size_t end, bool& error);

  // Where an array last searched for the end of an element: no ",", "]",
  // "[" or "{" lies in [from, stop), and stop holds one or is the end.
  struct ElementSearch {
    std::size_t from = npos;
    std::size_t stop = npos;
  };
  std::size_t ElementEnd(std::size_t pos, std::size_t end, ElementSearch& search, bool& container);

  // The closing bracket of the container opening at `open`, if it lies
  // before `end`; else npos.
  std::size_t GetEndOfArrayOrObj(std::size_t open, std::size_t end) const {
    const std::size_t close = brackets_.CloseOf(open);
    return close < end ? close : npos;
  }

  std::string_view text_;
  BracketIndex brackets_;
  std::string token_;  // the scalar being read, kept to reuse its buffer
  bool too_deep_ = false;
};

// Members: a key between the first two unescaped double quotes, whatever
// precedes it skipped; a ":" at or after the key's closing quote; a value.
// A key that is missing or empty, or a value with a fault, makes the object
// null. A key keeps its escapes undecoded. A later duplicate key replaces
// the earlier value.
Value Parser::DeserializeObject(std::size_t begin, std::size_t end, int depth) {
  std::size_t pos = begin + 1;
  if (pos == end - 1) return Value(ObjectType);
  // The members' text is cut short of its trailing whitespace once (after a
  // member value it ends there); text that is whitespace only is no member.
  const std::size_t stop = TrimEnd(text_, pos, end - 1);
  Object object;
  while (true) {
    const std::size_t open = FindUnescapedQuote(text_, pos, stop, pos);
    if (open == npos) return Value();
    const std::size_t close = FindUnescapedQuote(text_, open + 1, stop, pos);
    if (close == npos || close == open + 1) return Value();
    const std::size_t colon = Find(text_, ':', close, stop);
    if (colon == npos) return Value();
    pos = colon + 1;
    bool error = false;
    Value value = DeserializeValue(pos, stop, error, depth);
    if (error || too_deep_) return Value();
    object[std::string(text_.substr(open + 1, close - open - 1))] = std::move(value);
    if (pos == stop) return Value(std::move(object));
  }
}

// Elements, in order. An element that starts with or contains "[" or "{"
// before its end is read as one value from its start; any other element
// ends at the first "," or "]" outside a string. Null elements, empty ones
// included, are left out; an element with a fault makes the array null.
Value Parser::DeserializeArray(std::size_t begin, std::size_t end, int depth) {
  const std::size_t stop = TrimEnd(text_, begin + 1, end - 1);
  std::size_t pos = begin + 1;
  ElementSearch search;
  Array array;
  while (true) {
    pos = TrimStart(text_, pos, stop);
    if (pos == stop) return Value(std::move(array));
    bool container = false;
    const std::size_t element_end = ElementEnd(pos, stop, search, container);
    // A container element is read from the rest of the array and ends where
    // its value ends; any other ends at its comma or bracket.
    std::size_t value_pos = pos;
    bool error = false;
    Value element = DeserializeValue(value_pos, container ? stop : element_end, error, depth);
    if (error || too_deep_) return Value();
    pos = container ? value_pos : element_end == stop ? stop : element_end + 1;
    if (element.GetValueType() != NullType) array.push_back(std::move(element));
  }
}

// Where the element at pos (not whitespace) ends: at the first "," or "]"
// outside a string, or at `end`. A double quote at pos opens a string that
// the next unescaped double quote closes; no later quote opens one. Sets
// `container` instead when a "[" or "{" comes first, strings included.
// A search that starts inside the stretch the last one covered (after a
// string that was read as a value of its own) reuses its result, so each
// stretch is searched once.
std::size_t Parser::ElementEnd(std::size_t pos, std::size_t end, ElementSearch& search,
                               bool& container) {
  std::size_t from = pos;
  if (text_[pos] == '"') {
    const std::size_t close = FindUnescapedQuote(text_, pos + 1, end, pos);
    const std::size_t string_end = close == npos ? end : close;
    const std::string_view in_string = text_.substr(pos + 1, string_end - pos - 1);
    if (in_string.find_first_of("[{") != npos) {
      container = true;
      return npos;
    }
    if (close == npos) return end;
    from = close + 1;
  }
  if (!(search.from <= from && from <= search.stop)) {
    std::size_t i = from;
    while (i < end && text_[i] != ',' && text_[i] != ']' && text_[i] != '[' && text_[i] != '{') ++i;
    search.from = from;
    search.stop = i;
  }
  if (search.stop < end && (text_[search.stop] == '[' || text_[search.stop] == '{')) {
    container = true;
    return npos;
  }
  return search.stop;
}

// One value at the start of [pos, end), whitespace around it ignored; pos
// moves past it. Empty text is null without an error.
Value Parser::DeserializeValue(std::size_t& pos, std::size_t end, bool& error, int depth) {
  error = false;
  pos = TrimStart(text_, pos, end);
  end = TrimEnd(text_, pos, end);
  if (pos == end) return Value();
  const char first = text_[pos];
  if (first == '[' || first == '{') {
    const std::size_t close = GetEndOfArrayOrObj(pos, end);
    if (close == npos) {
      error = true;
      return Value();
    }
    if (depth >= kMaxDepth) {
      too_deep_ = true;
      return Value();
    }
    const std::size_t open = pos;
    pos = close + 1;
    // A nested container's own faults make it null but raise no error here.
    return first == '[' ? DeserializeArray(open, close + 1, depth + 1)
                        : DeserializeObject(open, close + 1, depth + 1);
  }
  if (first == '"') return DeserializeString(pos, end, error);
  return DeserializeScalar(pos, end, error);
}

// A string from the opening quote at pos to the next unescaped quote, with
// its escapes decoded.
Value Parser::DeserializeString(std::size_t& pos, std::size_t end, bool& error) {
  const std::size_t close = end - pos < 2 ? npos : FindUnescapedQuote(text_, pos + 1, end, pos);
  if (close == npos) {
    error = true;
    return Value();
  }
  const std::string_view raw = text_.substr(pos + 1, close - pos - 1);
  pos = close + 1;
  std::string decoded;
  decoded.reserve(raw.size());
  std::size_t i = 0;
  while (true) {
    const std::size_t backslash = raw.find('\\', i);
    decoded.append(raw.data() + i, (backslash == npos ? raw.size() : backslash) - i);
    if (backslash == npos) break;
    i = backslash + 1;
    if (i == raw.size()) {
      error = true;
      return Value();
    }
    switch (raw[i]) {
      case '"':
      case '\\':
      case '/':
        decoded += raw[i];
        break;
      case 'b':
        decoded += '\b';
        break;
      case 'f':
        decoded += '\f';
        break;
      case 'n':
        decoded += '\n';
        break;
      case 'r':
        decoded += '\r';
        break;
      case 't':
        decoded += '\t';
        break;
      case 'u': {
        std::size_t consumed = 0;
        unsigned long code_point = 0;
        if (!DecodeUnicodeCodePoint(raw.substr(i), consumed, code_point)) {
          error = true;
          return Value();
        }
        AppendUtf8(code_point, decoded);
        i += consumed - 1;
        break;
      }
      default:
        error = true;
        return Value();
    }
    ++i;
  }
  return Value(std::move(decoded));
}

// A number, true, false or null: the characters up to the first ",",
// whitespace dropped (so 1 2 reads as 12); pos moves to that comma.
Value Parser::DeserializeScalar(std::size_t& pos, std::size_t end, bool& error) {
  // Most scalars are plain integers that end at a comma or at the end: read
  // them in place, without collecting the token first.
  std::size_t digits_end = pos;
  if (digits_end < end && (text_[digits_end] == '-' || text_[digits_end] == '+')) ++digits_end;
  const std::size_t digits_begin = digits_end;
  while (digits_end < end && IsDigit(text_[digits_end])) ++digits_end;
  if (digits_end > digits_begin && (digits_end == end || text_[digits_end] == ',')) {
    Value value;
    if (ReadInteger(text_.substr(pos, digits_end - pos), value)) {
      pos = digits_end;
      return value;
    }
    error = true;
    return Value();
  }
  token_.clear();
  bool digit = false, fraction = false, exponent = false;
  std::size_t i = pos;
  for (; i < end && text_[i] != ','; ++i) {
    const char c = text_[i];
    if (IsSpace(c)) continue;
    switch (c) {
      case '.':
        if (!digit) error = true;
        fraction = true;
        break;
      case 'e':
      case 'E':
        if (EqualsIgnoringCase(token_, "tru") || EqualsIgnoringCase(token_, "fals")) break;
        if (!digit || exponent) error = true;
        exponent = true;
        break;
      // Brackets never belong to a scalar: the token could not convert.
      case '[':
      case '{':
      case ']':
      case '}':
        error = true;
        break;
      default:
        if (IsDigit(c)) digit = true;
    }
    if (error) return Value();
    token_ += c;
  }
  pos = i;
  if (EqualsIgnoringCase(token_, "true")) return Value(true);
  if (EqualsIgnoringCase(token_, "false")) return Value(false);
  Value value;
  if (fraction || exponent) {
    double number = 0.0;
    if (ReadDouble(token_, number)) return Value(number);
  } else if (EqualsIgnoringCase(token_, "null") || ReadInteger(token_, value)) {
    return value;
  }
  error = true;
  return Value();
}

// The document in `text`: an object or an array; null for anything else.
Value DeserializeText(std::string_view text) {
  try {
    const std::size_t begin = TrimStart(text, 0, text.size());
    const std::size_t end = TrimEnd(text, begin, text.size());
    if (end - begin < 2) return Value();
    const char first = text[begin], last = text[end - 1];
    if (!(first == '[' && last == ']') && !(first == '{' && last == '}')) return Value();
    Parser parser(text, begin, end);
    return parser.DeserializeInternal(begin, end);
  } catch (const std::exception&) {
    return Value();
  }
}

}  // namespace

Value Deserialize(const char* text) {
  if (text == nullptr) return Value();
  const void* nul = std::memchr(text, '\0', kMaxTextLength);
  if (nul == nullptr) return Value();
  return DeserializeText(std::string_view(text, static_cast<const char*>(nul) - text));
}

Value Deserialize(const std::string& text) { return DeserializeText(text); }

}  // namespace json
