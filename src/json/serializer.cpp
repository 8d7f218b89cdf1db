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

// ZELJSON_NO_TO_CHARS forces the snprintf form of doubles, so that tests can
// cover that fallback.
#include "escape_kernels.h"
#include "serialize_into.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L && !defined(ZELJSON_NO_TO_CHARS)
#define ZELJSON_DOUBLE_TO_CHARS 1
#else
#define ZELJSON_DOUBLE_TO_CHARS 0
#endif

namespace {

// ------------------------------------------------------------------ Writer

// Appends into one std::string. The string is kept sized ahead of the
// cursor, so each write is a bounds check and a copy. It starts at the size
// the caller expects and grows as the text needs. A fresh text is cut to
// what was written at the end; a reused buffer keeps its size, so that the
// next text needs neither an allocation nor a fill, and ends its text with
// a NUL instead.
class Writer {
 public:
  enum class Buffer { kFresh, kReused };

  Writer(std::string& out, std::size_t initial, Buffer buffer) : out_(out), buffer_(buffer) {
    if (initial < kMinimum) initial = kMinimum;
    if (buffer == Buffer::kFresh || out_.size() < initial) out_.resize(initial);
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

  // The length of the text.
  std::size_t Finish() {
    if (buffer_ == Buffer::kFresh) {
      out_.resize(pos_);
    } else {
      Put('\0');
      --pos_;
    }
    return pos_;
  }

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
  const Buffer buffer_;
  char* base_;
  std::size_t pos_;
  std::size_t cap_;
};

// Copies n bytes; short copies, such as most keys, stay inline instead of a
// library call.
inline void CopyBytes(char* o, const char* p, std::size_t n) {
  if (n >= 8) {
    if (n > 16) {
      if (n > 32) {
        std::memcpy(o, p, n);
        return;
      }
      char a[16];
      char b[16];
      std::memcpy(a, p, 16);
      std::memcpy(b, p + n - 16, 16);
      std::memcpy(o, a, 16);
      std::memcpy(o + n - 16, b, 16);
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

// Room that the last bytes of a string ask for: their padded copy, as the
// loops keep room for at least one byte per byte of input, and the worst
// case of its blocks, one block of up to 32 bytes or two of up to 16.
constexpr std::size_t kTailRoom =
    2 * json_internal::kMaxReadSpan +
    2 * json_internal::MaxBlockOutput(json_internal::kMaxReadSpan / 2);
static_assert(kTailRoom >= json_internal::kMaxReadSpan +
                               json_internal::MaxBlockOutput(json_internal::kMaxReadSpan),
              "room for one padded block of the widest loop");

// The last bytes of a string, fewer than the loop reads at a time, are
// escaped from a copy padded with spaces to whole blocks, so that no loop
// reads past the text (which may end where readable memory ends); the
// padding's output is then dropped. Makes sure of room for the closing
// quote too.
char* EscapeLastBytes(Writer& w, const json_internal::StringEscaper& escaper, const char* in,
                      std::size_t n, char* out) {
  if (n == 0) return out;
  // n < read_span <= 2 * block: one block or two.
  const std::size_t blocks = n > escaper.block ? 2 : 1;
  const std::size_t padded_size = (blocks - 1) * escaper.block + escaper.read_span;
  char padded[2 * json_internal::kMaxReadSpan];
  std::memset(padded, ' ', sizeof padded);
  CopyBytes(padded, in, n);
  const std::size_t need = padded_size + blocks * escaper.max_out + 1;
  if (static_cast<std::size_t>(w.Limit() - out) < need) {
    w.SetCursor(out);
    out = w.Room(need);
  }
  out = escaper.escape_blocks(padded, padded + padded_size, out, w.Limit()).out;
  return out - (blocks * escaper.block - n);
}

// A quoted, escaped string value, through the loop in use (string_escape.cpp).
// Room is taken once for the unescaped length and an eighth more, which
// covers the escapes of typical texts (an SDK document inside a string value
// grows by about a tenth), so that a large string grows the buffer once, to
// about its final size. The loop stops where it runs out of room or input;
// then the buffer grows, or the last bytes are escaped.
void WriteString(Writer& w, const char* text, std::size_t size) {
  const json_internal::StringEscaper& escaper = json_internal::CurrentEscaper();
  const char* in = text;
  const char* const end = text + size;
  char* out = w.Room(size + size / 8 + kTailRoom + 2);
  *out++ = '"';
  while (static_cast<std::size_t>(end - in) >= escaper.read_span) {
    const json_internal::EscapeCursor done = escaper.escape_blocks(in, end, out, w.Limit());
    in = done.in;
    out = done.out;
    const std::size_t rest = static_cast<std::size_t>(end - in);
    if (rest >= escaper.read_span) {
      w.SetCursor(out);
      out = w.Room(rest + rest / 8 + escaper.max_out + kTailRoom + 1);
    }
  }
  out = EscapeLastBytes(w, escaper, in, static_cast<std::size_t>(end - in), out);
  *out++ = '"';
  w.SetCursor(out);
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
      WriteString(w, v.ToString().data(), v.ToString().size());
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
  std::size_t n = 2 + kTailRoom;
  for (const auto& member : o) n += member.first.size() + 4 + ExpectedSize(member.second);
  return n;
}

static std::size_t ExpectedSize(const json::Array& a) {
  std::size_t n = 2 + kTailRoom;
  for (const json::Value& element : a) n += 1 + ExpectedSize(element);
  return n;
}

namespace json {

std::string Serialize(const Value& value) {
  const ValueType type = value.GetValueType();
  if (type != ObjectType && type != ArrayType) return std::string();
  std::string out;
  if (type == ObjectType) {
    Writer w(out, ExpectedSize(value.ToObject()), Writer::Buffer::kFresh);
    SerializeObject(value.ToObject(), w);
    w.Finish();
  } else {
    Writer w(out, ExpectedSize(value.ToArray()), Writer::Buffer::kFresh);
    SerializeArray(value.ToArray(), w);
    w.Finish();
  }
  return out;
}

}  // namespace json

namespace json_internal {

std::size_t SerializeInto(const json::Object& object, std::string& buffer) {
  Writer w(buffer, ExpectedSize(object), Writer::Buffer::kReused);
  SerializeObject(object, w);
  return w.Finish();
}

std::string EscapedString(const char* data, std::size_t size) {
  std::string out;
  Writer w(out, size + 2, Writer::Buffer::kFresh);
  WriteString(w, data, size);
  w.Finish();
  return out;
}

std::size_t WriteEscapedString(const char* data, std::size_t size, std::string& buffer) {
  Writer w(buffer, size + 2, Writer::Buffer::kReused);
  WriteString(w, data, size);
  return w.Finish();
}

}  // namespace json_internal
