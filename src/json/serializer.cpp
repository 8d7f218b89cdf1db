// json::Serialize: compact JSON text of an object or array.
//
// The whole text is written into one std::string through a small writer that
// keeps a raw cursor into it; nothing is built per level and concatenated.
// Numbers never go through the process's locale: integers are formatted by
// hand, doubles by std::to_chars (the general form with precision 16, which
// the standard defines as printf's %.16g in the "C" locale) where the
// standard library has it, else by snprintf with the decimal point put back
// to '.'. NaN and infinities, which have no JSON form, are written as null.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "json.h"

// Vector scanning of string values (simd.h). ZELJSON_NO_TO_CHARS forces the
// snprintf form of doubles, so that tests can cover that fallback.
#include "simd.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L && !defined(ZELJSON_NO_TO_CHARS)
#define ZELJSON_DOUBLE_TO_CHARS 1
#else
#define ZELJSON_DOUBLE_TO_CHARS 0
#endif

namespace {

// ------------------------------------------------------------------ Writer

// Appends into one std::string. The string is kept sized ahead of the
// cursor, so each write is a bounds check and a copy; Finish() cuts the
// string back to what was written. It starts at the size the caller
// expects and grows as the text needs.
class Writer {
 public:
  Writer(std::string& out, std::size_t initial) : out_(out) {
    out_.resize(initial < kMinimum ? kMinimum : initial);
    base_ = &out_[0];
    pos_ = 0;
    cap_ = out_.size();
  }

  // Room for n more bytes at the cursor; commit what was used with Advance.
  char* Room(std::size_t n) {
    if (cap_ - pos_ < n) Grow(n);
    return base_ + pos_;
  }
  void Advance(std::size_t n) { pos_ += n; }
  void SetCursor(char* p) { pos_ = static_cast<std::size_t>(p - base_); }
  // One past the last byte that may be written without asking for Room.
  char* Limit() const { return base_ + cap_; }

  void Put(char c) {
    if (cap_ == pos_) Grow(1);
    base_[pos_++] = c;
  }
  void Append(const char* p, std::size_t n) {
    std::memcpy(Room(n), p, n);
    pos_ += n;
  }

  void Finish() { out_.resize(pos_); }

 private:
  static constexpr std::size_t kMinimum = 256;

  // A new string of exactly the size wanted, at least half as large again
  // as the old one so that growth stays amortised: only the written bytes
  // are carried over, and the allocation ends where the room ends, so a
  // write past the room is caught by address sanitizers instead of landing
  // in spare capacity.
  void Grow(std::size_t n) {
    std::size_t want = cap_ + cap_ / 2;
    if (want < pos_ + n) want = pos_ + n;
    std::string bigger;
    bigger.reserve(want);
    bigger.append(base_, pos_);
    bigger.resize(want);
    out_.swap(bigger);
    base_ = &out_[0];
    cap_ = out_.size();
  }

  std::string& out_;
  char* base_;
  std::size_t pos_;
  std::size_t cap_;
};

// Copies n bytes; short copies, such as most keys, stay inline instead of a
// library call.
inline void CopyBytes(char* o, const char* p, std::size_t n) {
  if (n >= 8) {
    if (n > 16) {
      std::memcpy(o, p, n);
      return;
    }
    std::uint64_t a;
    std::uint64_t b;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + n - 8, 8);
    std::memcpy(o, &a, 8);
    std::memcpy(o + n - 8, &b, 8);
  } else if (n >= 4) {
    std::uint32_t a;
    std::uint32_t b;
    std::memcpy(&a, p, 4);
    std::memcpy(&b, p + n - 4, 4);
    std::memcpy(o, &a, 4);
    std::memcpy(o + n - 4, &b, 4);
  } else {
    for (std::size_t i = 0; i < n; ++i) o[i] = p[i];
  }
}

// ---------------------------------------------------------------- Integers

const char kDigitPairs[201] =
    "00010203040506070809"
    "10111213141516171819"
    "20212223242526272829"
    "30313233343536373839"
    "40414243444546474849"
    "50515253545556575859"
    "60616263646566676869"
    "70717273747576777879"
    "80818283848586878889"
    "90919293949596979899";

template <typename U>
inline unsigned CountDigits(U v) {
  unsigned n = 1;
  for (;;) {
    if (v < 10) return n;
    if (v < 100) return n + 1;
    if (v < 1000) return n + 2;
    if (v < 10000) return n + 3;
    v /= 10000u;
    n += 4;
  }
}

// Decimal digits of v at p; returns the end. Same bytes as %u / %llu.
template <typename U>
inline char* WriteUnsigned(char* p, U v) {
  char* const end = p + CountDigits(v);
  char* q = end;
  while (v >= 100) {
    const unsigned i = static_cast<unsigned>(v % 100u) * 2;
    v /= 100u;
    *--q = kDigitPairs[i + 1];
    *--q = kDigitPairs[i];
  }
  if (v < 10) {
    *--q = static_cast<char>('0' + static_cast<unsigned>(v));
  } else {
    const unsigned i = static_cast<unsigned>(v) * 2;
    *--q = kDigitPairs[i + 1];
    *--q = kDigitPairs[i];
  }
  return end;
}

// Same bytes as %d / %lld. The magnitude is taken in the unsigned type, so
// the most negative value needs no special case.
template <typename S, typename U>
inline char* WriteSigned(char* p, S v) {
  U magnitude = static_cast<U>(v);
  if (v < 0) {
    *p++ = '-';
    magnitude = static_cast<U>(U(0) - magnitude);
  }
  return WriteUnsigned(p, magnitude);
}

// ----------------------------------------------------------------- Doubles

// %.16g of a finite double is at most 23 bytes ("-1.234567890123456e-308").
constexpr std::size_t kDoubleRoom = 32;

#if !ZELJSON_DOUBLE_TO_CHARS
// snprintf writes the locale's decimal point. In the %.16g text of a finite
// number every byte other than digits, signs and 'e' belongs to it, so each
// such run is replaced by one '.'.
std::size_t FormatDoubleFallback(char* out, double d) {
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "%.16g", d);
  if (n < 0) n = 0;
  if (n >= static_cast<int>(sizeof buf)) n = static_cast<int>(sizeof buf) - 1;
  std::size_t w = 0;
  bool in_point = false;
  for (int i = 0; i < n; ++i) {
    const char c = buf[i];
    const bool plain = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e';
    if (plain) {
      out[w++] = c;
      in_point = false;
    } else if (!in_point) {
      out[w++] = '.';
      in_point = true;
    }
  }
  return w;
}
#endif

inline void WriteDouble(Writer& w, double d) {
  if (!std::isfinite(d)) {  // NaN or infinite: no JSON form
    w.Append("null", 4);
    return;
  }
  char* p = w.Room(kDoubleRoom);
  // Whole numbers below 10^16 have at most 16 digits, which %.16g writes as
  // a plain integer; negative zero is left to the general path ("-0").
  if (d > -1e16 && d < 1e16 && d != 0.0) {
    const long long whole = static_cast<long long>(d);
    if (static_cast<double>(whole) == d) {
      w.SetCursor(WriteSigned<long long, unsigned long long>(p, whole));
      return;
    }
  }
#if ZELJSON_DOUBLE_TO_CHARS
  const std::to_chars_result r =
      std::to_chars(p, p + kDoubleRoom, d, std::chars_format::general, 16);
  w.SetCursor(r.ptr);
#else
  w.Advance(FormatDoubleFallback(p, d));
#endif
}

// ----------------------------------------------------------------- Strings

// What each byte becomes inside a string value: the byte itself, a two-byte
// escape, or \u00XX with uppercase hexadecimal digits. Each entry is padded
// to 8 bytes so that it can be written with one fixed-size copy, whatever its
// length; the bytes past the length are overwritten by what follows or cut
// off at the end.
struct EscapeEntry {
  char bytes[7];
  unsigned char length;
};

struct EscapeTable {
  EscapeEntry entry[256];
  constexpr EscapeTable() : entry{} {
    const char hex[] = "0123456789ABCDEF";
    for (int c = 0; c < 256; ++c) {
      EscapeEntry& e = entry[c];
      char short_form = 0;
      // clang-format off
      switch (c) {
        case 0x08: short_form = 'b'; break;
        case 0x09: short_form = 't'; break;
        case 0x0A: short_form = 'n'; break;
        case 0x0C: short_form = 'f'; break;
        case 0x0D: short_form = 'r'; break;
        case 0x22: short_form = '"'; break;
        case 0x2F: short_form = '/'; break;
        case 0x5C: short_form = '\\'; break;
        default: break;
      }
      // clang-format on
      if (short_form != 0) {
        e.bytes[0] = '\\';
        e.bytes[1] = short_form;
        e.length = 2;
      } else if (c < 0x20) {
        e.bytes[0] = '\\';
        e.bytes[1] = 'u';
        e.bytes[2] = '0';
        e.bytes[3] = '0';
        e.bytes[4] = hex[c >> 4];
        e.bytes[5] = hex[c & 0x0F];
        e.length = 6;
      } else {
        e.bytes[0] = static_cast<char>(c);
        e.length = 1;
      }
    }
  }
};
constexpr EscapeTable kEscape;
static_assert(sizeof(EscapeEntry) == 8, "escape entries are written as 8 bytes");

// The longest escape, and the bytes written for any entry.
constexpr std::size_t kMaxEscape = 6;
constexpr std::size_t kEntrySize = sizeof(EscapeEntry);
// The most that escaping one block asks for beyond one byte per input byte.
constexpr std::size_t kBlockEscapeRoom = 16 * kMaxEscape + kEntrySize;

// Bytes [p, p + k) of a text that ends at end, each through the table and
// without a branch per byte. First makes sure of room for the worst case of
// these bytes, the padding of the last entry, and then one byte each for the
// rest of the text and the closing quote, which the caller counts on.
inline char* WriteEscaped(Writer& w, char* o, char*& limit, const char* p, std::size_t k,
                          const char* end) {
  const std::size_t need =
      k * kMaxEscape + kEntrySize + (static_cast<std::size_t>(end - p) - k) + 1;
  if (static_cast<std::size_t>(limit - o) < need) {
    w.SetCursor(o);
    o = w.Room(need);
    limit = w.Limit();
  }
  for (std::size_t i = 0; i < k; ++i) {
    const EscapeEntry& e = kEscape.entry[static_cast<unsigned char>(p[i])];
    std::memcpy(o, &e, kEntrySize);
    o += e.length;
  }
  return o;
}

#if ZELJSON_SIMD_NONE
// Whether any of the 8 bytes in x needs escaping: below 0x20, or one of
// " / \. The word tricks answer "some byte is zero" and "some byte is below
// n" (n <= 128) exactly, which is all that is asked here.
inline bool AnyToEscape(std::uint64_t x) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  const std::uint64_t below_space = (x - kOnes * 0x20) & ~x;
  const std::uint64_t q = x ^ (kOnes * '"');
  const std::uint64_t s = x ^ (kOnes * '/');
  const std::uint64_t b = x ^ (kOnes * '\\');
  const std::uint64_t zero = ((q - kOnes) & ~q) | ((s - kOnes) & ~s) | ((b - kOnes) & ~b);
  return ((below_space | zero) & kHighs) != 0;
}
#endif

// A quoted, escaped string value. Room is taken once for the unescaped
// length, an eighth more, which covers the escapes of typical texts (an SDK
// document inside a string value grows by about a tenth), and what escaping
// one more block may ask for, so that a large string grows the buffer once,
// to about its final size. The text is scanned a block at a time (16 bytes
// with SSE2 or NEON, else 8 as one word): a block with nothing to escape,
// the common case, is copied whole with one store. With SSE2, a block with
// something to escape is copied up to its first such byte, which goes
// through the table, and the next block starts right after it; elsewhere
// such a block goes through the table byte by byte. The last bytes, fewer
// than a block, go through the table too.
void WriteString(Writer& w, const std::string& s) {
  const char* p = s.data();
  const char* const end = p + s.size();
  char* o = w.Room(s.size() + s.size() / 8 + kBlockEscapeRoom + 2);
  char* limit = w.Limit();
  *o++ = '"';
  // Invariant: limit - o >= (end - p) + 1, so a clean block and the closing
  // quote always fit.
#if ZELJSON_SIMD_SSE2
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i max_control = _mm_set1_epi8(0x1F);
  while (end - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, quote), _mm_cmpeq_epi8(x, slash)),
                     _mm_or_si128(_mm_cmpeq_epi8(x, backslash),
                                  _mm_cmpeq_epi8(_mm_min_epu8(x, max_control), x)));
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
    // The block is stored as it is; the bytes before its first escape stay,
    // that byte is escaped over the rest, and the scan resumes after it.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), x);
    if (mask == 0) {
      o += 16;
      p += 16;
    } else {
      const unsigned clean = LowestSetBit(mask);
      o = WriteEscaped(w, o + clean, limit, p + clean, 1, end);
      p += clean + 1;
    }
  }
#elif ZELJSON_SIMD_NEON
  const uint8x16_t quote = vdupq_n_u8('"');
  const uint8x16_t slash = vdupq_n_u8('/');
  const uint8x16_t backslash = vdupq_n_u8('\\');
  const uint8x16_t space = vdupq_n_u8(0x20);
  while (end - p >= 16) {
    const uint8x16_t x = vld1q_u8(reinterpret_cast<const std::uint8_t*>(p));
    const uint8x16_t hits = vorrq_u8(vorrq_u8(vceqq_u8(x, quote), vceqq_u8(x, slash)),
                                     vorrq_u8(vceqq_u8(x, backslash), vcltq_u8(x, space)));
    if (vmaxvq_u8(hits) == 0) {
      vst1q_u8(reinterpret_cast<std::uint8_t*>(o), x);
      o += 16;
    } else {
      o = WriteEscaped(w, o, limit, p, 16, end);
    }
    p += 16;
  }
#else
  while (end - p >= 8) {
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    if (!AnyToEscape(x)) {
      std::memcpy(o, &x, sizeof x);
      o += sizeof x;
    } else {
      o = WriteEscaped(w, o, limit, p, 8, end);
    }
    p += 8;
  }
#endif
  o = WriteEscaped(w, o, limit, p, static_cast<std::size_t>(end - p), end);
  *o++ = '"';
  w.SetCursor(o);
}

}  // namespace

// -------------------------------------------------------------- Containers

// The serialisers of values, arrays and objects, writing into the one output
// buffer instead of returning texts. Internal linkage, outside namespace json.
static void SerializeValue(const json::Value& v, Writer& w);
static void SerializeArray(const json::Array& a, Writer& w);
static void SerializeObject(const json::Object& o, Writer& w);

static void SerializeArray(const json::Array& a, Writer& w) {
  w.Put('[');
  bool first = true;
  for (const json::Value& element : a) {
    if (!first) w.Put(',');
    first = false;
    SerializeValue(element, w);
  }
  w.Put(']');
}

// Keys are copied between the quotes byte for byte, unescaped.
static void SerializeObject(const json::Object& o, Writer& w) {
  w.Put('{');
  bool first = true;
  for (const auto& member : o) {
    const std::string& key = member.first;
    char* p = w.Room(key.size() + 4);
    if (!first) *p++ = ',';
    first = false;
    *p++ = '"';
    CopyBytes(p, key.data(), key.size());
    p += key.size();
    *p++ = '"';
    *p++ = ':';
    w.SetCursor(p);
    SerializeValue(member.second, w);
  }
  w.Put('}');
}

static void SerializeValue(const json::Value& v, Writer& w) {
  switch (v.GetValueType()) {
    case json::NullType:
      w.Append("null", 4);
      break;
    case json::StringType:
      WriteString(w, v.ToString());
      break;
    case json::IntType:
      w.SetCursor(WriteSigned<int, unsigned int>(w.Room(11), v.ToInt()));
      break;
    case json::UIntType:
      w.SetCursor(WriteUnsigned(w.Room(10), v.ToUInt()));
      break;
    case json::Int64Type:
      w.SetCursor(WriteSigned<long long, unsigned long long>(w.Room(20), v.ToInt64()));
      break;
    case json::UInt64Type:
      w.SetCursor(WriteUnsigned(w.Room(20), v.ToUInt64()));
      break;
    case json::DoubleType:
      WriteDouble(w, v.ToDouble());
      break;
    case json::ObjectType:
      SerializeObject(v.ToObject(), w);
      break;
    case json::ArrayType:
      SerializeArray(v.ToArray(), w);
      break;
    case json::BoolType:
      if (v.ToBool()) {
        w.Append("true", 4);
      } else {
        w.Append("false", 5);
      }
      break;
    default:  // a tag outside the ten types has no text
      break;
  }
}

// Room that one value at the top level is expected to take: strings their
// length with typical escaping, numbers and literals their longest form, and
// nested containers a guess. The containers add what the string writer asks
// for beyond that once, so that an envelope is written into one allocation
// while a large document still grows only a few times.
static std::size_t ExpectedSize(const json::Value& v) {
  switch (v.GetValueType()) {
    case json::StringType: {
      const std::size_t n = v.ToString().size();
      return n + n / 8 + 2;
    }
    case json::ObjectType:
    case json::ArrayType:
      return 64;
    default:
      return kDoubleRoom;
  }
}

static std::size_t ExpectedSize(const json::Object& o) {
  std::size_t n = 2 + kBlockEscapeRoom;
  for (const auto& member : o) n += member.first.size() + 4 + ExpectedSize(member.second);
  return n;
}

static std::size_t ExpectedSize(const json::Array& a) {
  std::size_t n = 2 + kBlockEscapeRoom;
  for (const json::Value& element : a) n += 1 + ExpectedSize(element);
  return n;
}

namespace json {

std::string Serialize(const Value& value) {
  const ValueType type = value.GetValueType();
  if (type != ObjectType && type != ArrayType) return std::string();
  std::string out;
  Writer w(out,
           type == ObjectType ? ExpectedSize(value.ToObject()) : ExpectedSize(value.ToArray()));
  if (type == ObjectType) {
    SerializeObject(value.ToObject(), w);
  } else {
    SerializeArray(value.ToArray(), w);
  }
  w.Finish();
  return out;
}

}  // namespace json
