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
#include "object_layout.h"
#include "serialize_into.h"
#include "text_buffer.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L && !defined(ZELJSON_NO_TO_CHARS)
#define ZELJSON_DOUBLE_TO_CHARS 1
#else
#define ZELJSON_DOUBLE_TO_CHARS 0
#endif

namespace {

// ------------------------------------------------------------------ Writer

// Appends into one buffer, kept sized ahead of the cursor, so each write is a
// bounds check and a copy. It starts at the size the caller expects and grows
// as the text needs. The buffer is either a fresh std::string, cut to what
// was written at the end, or a kept TextBuffer, which keeps its size, so that
// the next text needs no allocation, and ends its text with a NUL instead.
class Writer {
 public:
  Writer(std::string& out, std::size_t initial) : string_(&out) {
    out.resize(initial < kMinimum ? kMinimum : initial);
    base_ = &out[0];
    cap_ = out.size();
  }

  Writer(json_internal::TextBuffer& out, std::size_t initial) : buffer_(&out) {
    out.Reserve(initial < kMinimum ? kMinimum : initial, 0);
    base_ = out.data();
    cap_ = out.capacity();
  }

  // Room for n more bytes at the cursor; commit what was used with Advance.
  char* Room(std::size_t n) {
    if (cap_ - pos_ < n) Grow(n);
    return base_ + pos_;
  }
  // The same when n is all the text still needs: the buffer grows to
  // exactly that, not by half again.
  char* LastRoom(std::size_t n) {
    if (cap_ - pos_ < n) Resize(pos_ + n);
    return base_ + pos_;
  }
  void Advance(std::size_t n) { pos_ += n; }
  std::size_t Length() const { return pos_; }
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
    if (string_ != nullptr) {
      string_->resize(pos_);
    } else {
      Put('\0');
      --pos_;
    }
    return pos_;
  }

 private:
  static constexpr std::size_t kMinimum = 256;

  // At least half as large again, so that growth stays amortised.
  void Grow(std::size_t n) {
    std::size_t want = cap_ + cap_ / 2;
    if (want < pos_ + n) want = pos_ + n;
    Resize(want);
  }

  // A kept buffer grows in place where it can. A string is replaced by one
  // of exactly the size wanted, into which only the written bytes are
  // copied. Either way the allocation ends where the room ends, so a write
  // past the room is caught by address sanitizers instead of landing in
  // spare capacity.
  void Resize(std::size_t want) {
    if (buffer_ != nullptr) {
      buffer_->Reserve(want, pos_);
      base_ = buffer_->data();
      cap_ = buffer_->capacity();
      return;
    }
    std::string bigger;
    bigger.reserve(want);
    bigger.append(base_, pos_);
    bigger.resize(want);
    string_->swap(bigger);
    base_ = &(*string_)[0];
    cap_ = string_->size();
  }

  std::string* const string_ = nullptr;
  json_internal::TextBuffer* const buffer_ = nullptr;
  char* base_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t cap_ = 0;
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

// Room kept beyond a string's expected length: enough for its last bytes,
// fewer than the loop reads at a time, which go through the escaping table
// one by one (six bytes each at most, and the padding of the last table
// entry), and for the closing quote.
constexpr std::size_t kTailRoom =
    2 * json_internal::kMaxReadSpan +
    2 * json_internal::MaxBlockOutput(json_internal::kMaxReadSpan / 2);
static_assert(kTailRoom >= json_internal::MaxBlockOutput(json_internal::kMaxReadSpan - 1) + 1,
              "room for the last bytes of the widest loop and the closing quote");

// The last bytes of a string, fewer than the loop reads at a time, through
// the table one by one; no loop reads past the text, which may end where
// readable memory ends. Escaping them as a block from a copy padded to a
// whole block took fewer instructions, but the block's wide load of bytes
// just stored narrowly waits until those stores complete (the processor
// cannot forward them), which cost more time at 100 B than the bytes do
// one by one. Makes sure of room for the closing quote too.
char* EscapeLastBytes(Writer& w, const char* in, std::size_t n, char* out) {
  const std::size_t need = json_internal::MaxBlockOutput(n) + 1;
  if (static_cast<std::size_t>(w.Limit() - out) < need) {
    w.SetCursor(out);
    out = w.Room(need);
  }
  return json_internal::EscapeEachByte(in, n, out);
}

// Remaining bytes of a string from which the room they need is counted
// exactly, escape by escape, when the first guess was too small: a text that
// escapes heavily (control characters grow sixfold) then grows the buffer
// once, to its final size, instead of by half again and again, each time
// holding the old buffer and the new one. Below this, the count would cost
// more than the guess saves.
constexpr std::size_t kCountRoomFrom = 1 << 20;

// The length of the bytes once escaped.
std::size_t EscapedLength(const char* in, std::size_t n) {
  std::size_t length = 0;
  for (std::size_t i = 0; i < n; ++i) {
    length += json_internal::kEscapeTable.entry[static_cast<unsigned char>(in[i])].length;
  }
  return length;
}

// A quoted, escaped string value, through the loop in use (string_escape.cpp).
// Room is taken once for the unescaped length and an eighth more, which
// covers the escapes of typical texts (an SDK document inside a string value
// grows by about a tenth), so that a large string usually needs no more. The
// loop stops where it runs out of room or input; then the buffer grows, to
// the exact size that a large rest needs, or the last bytes are escaped.
void WriteString(Writer& w, const json_internal::StringEscaper& escaper, const char* text,
                 std::size_t size) {
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
      if (rest >= kCountRoomFrom) {
        out = w.LastRoom(EscapedLength(in, rest) + escaper.max_out + kTailRoom + 1);
      } else {
        out = w.Room(rest + rest / 8 + escaper.max_out + kTailRoom + 1);
      }
    }
  }
  out = EscapeLastBytes(w, in, static_cast<std::size_t>(end - in), out);
  *out++ = '"';
  w.SetCursor(out);
}

void WriteString(Writer& w, const char* text, std::size_t size) {
  WriteString(w, json_internal::CurrentEscaper(), text, size);
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

// A member's key, after the comma that separates it from the member before
// unless it is the first. Keys are copied between the quotes byte for byte,
// unescaped.
static void WriteKey(const std::string& key, bool first, Writer& w) {
  char* p = w.Room(key.size() + 4);
  if (!first) *p++ = ',';
  *p++ = '"';
  CopyBytes(p, key.data(), key.size());
  p += key.size();
  *p++ = '"';
  *p++ = ':';
  w.SetCursor(p);
}

static void SerializeObject(const json::Object& o, Writer& w) {
  w.Put('{');
  bool first = true;
  for (const auto& member : o) {
    WriteKey(member.first, first, w);
    first = false;
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
    Writer w(out, ExpectedSize(value.ToObject()));
    SerializeObject(value.ToObject(), w);
    w.Finish();
  } else {
    Writer w(out, ExpectedSize(value.ToArray()));
    SerializeArray(value.ToArray(), w);
    w.Finish();
  }
  return out;
}

}  // namespace json

namespace json_internal {

std::size_t SerializeInto(const json::Object& object, TextBuffer& buffer) {
  Writer w(buffer, ExpectedSize(object));
  SerializeObject(object, w);
  return w.Finish();
}

void ObjectLayout::Make(const json::Object& object, const json::Value* const* changing,
                        std::size_t count) {
  Clear();
  const auto changes = [&](const json::Value& value) {
    for (std::size_t i = 0; i < count; ++i) {
      if (changing[i] == &value) return true;
    }
    return false;
  };
  // Room for the fixed text alone: a large member that changes is not
  // written here, so no room is made for it.
  std::size_t expected = 2 + kTailRoom;
  for (const auto& member : object) {
    expected +=
        member.first.size() + 4 + (changes(member.second) ? 0 : ExpectedSize(member.second));
  }
  std::string fixed;
  std::vector<Part> parts;
  parts.reserve(count);
  Writer w(fixed, expected);
  w.Put('{');
  bool first = true;
  for (const auto& member : object) {
    WriteKey(member.first, first, w);
    first = false;
    const json::Value* const value = &member.second;
    if (changes(*value)) {
      parts.push_back(Part{w.Length(), value});
    } else {
      SerializeValue(*value, w);
    }
  }
  w.Put('}');
  w.Finish();
  fixed_.swap(fixed);
  parts_.swap(parts);
}

void ObjectLayout::Clear() noexcept {
  std::string().swap(fixed_);
  std::vector<Part>().swap(parts_);
}

// The fixed text is copied between the members that change; string members,
// most of them, are written without going through the switch of types.
std::size_t ObjectLayout::SerializeInto(TextBuffer& buffer) const {
  std::size_t expected = fixed_.size() + kTailRoom;
  for (const Part& part : parts_) expected += ExpectedSize(*part.value);
  Writer w(buffer, expected);
  const StringEscaper& escaper = CurrentEscaper();
  const char* const fixed = fixed_.data();
  std::size_t from = 0;
  for (const Part& part : parts_) {
    const std::size_t n = part.fixed_end - from;
    CopyBytes(w.Room(n), fixed + from, n);
    w.Advance(n);
    from = part.fixed_end;
    const json::Value& value = *part.value;
    if (value.GetValueType() == json::StringType) {
      WriteString(w, escaper, value.ToString().data(), value.ToString().size());
    } else {
      SerializeValue(value, w);
    }
  }
  const std::size_t n = fixed_.size() - from;
  CopyBytes(w.Room(n), fixed + from, n);
  w.Advance(n);
  return w.Finish();
}

std::string EscapedString(const char* data, std::size_t size) {
  std::string out;
  Writer w(out, size + 2);
  WriteString(w, data, size);
  w.Finish();
  return out;
}

std::size_t WriteEscapedString(const char* data, std::size_t size, TextBuffer& buffer) {
  Writer w(buffer, size + 2);
  WriteString(w, data, size);
  return w.Finish();
}

}  // namespace json_internal
