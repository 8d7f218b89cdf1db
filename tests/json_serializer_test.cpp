// Tests of json::Serialize.
//
// Besides fixed examples and the escaping table, the serializer is checked
// against a plain, literal reference serializer (texts
// returned and concatenated, printf forms in the "C" locale, doubles through
// a classic-locale string stream with precision 16) on many generated
// values, and its number forms against snprintf in the "C" locale.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "json.h"

namespace {

using json::Array;
using json::Object;
using json::Serialize;
using json::Value;
using json::ValueType;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// ------------------------------------------------------ Reference (slow)

std::string Printf(const char* format, ...) {
  char buf[500];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string RefDouble(double d) {
  if (std::isnan(d) || std::isinf(d)) return "null";  // the project's mend
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(16);
  s << d;
  return s.str();
}

std::string RefEscape(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    switch (c) {
      case 0x08: out += "\\b"; break;
      case 0x09: out += "\\t"; break;
      case 0x0A: out += "\\n"; break;
      case 0x0C: out += "\\f"; break;
      case 0x0D: out += "\\r"; break;
      case 0x22: out += "\\\""; break;
      case 0x2F: out += "\\/"; break;
      case 0x5C: out += "\\\\"; break;
      default:
        if (c < 0x20) {
          out += Printf("\\u%04X", c);
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

std::string RefSerialize(const Value& v);

std::string RefSerializeValue(const Value& v);

std::string RefSerializeArray(const Array& a) {
  std::string out = "[";
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i > 0) out += ",";
    out += RefSerializeValue(a[i]);
  }
  return out + "]";
}

std::string RefSerializeValue(const Value& v) {
  switch (v.GetValueType()) {
    case json::NullType: return "null";
    case json::StringType: return "\"" + RefEscape(v.ToString()) + "\"";
    case json::IntType: return Printf("%d", v.ToInt());
    case json::UIntType: return Printf("%u", v.ToUInt());
    case json::Int64Type: return Printf("%lld", v.ToInt64());
    case json::UInt64Type: return Printf("%llu", v.ToUInt64());
    case json::DoubleType: return RefDouble(v.ToDouble());
    case json::ObjectType: return RefSerialize(v);
    case json::ArrayType: return RefSerializeArray(Array(v.ToArray()));
    case json::BoolType: return v.ToBool() ? "true" : "false";
    default: return "";
  }
}

std::string RefSerialize(const Value& v) {
  if (v.GetValueType() == json::ArrayType) {
    std::string out = "[";
    bool first = true;
    for (const Value& e : v.ToArray()) {
      if (!first) out += ",";
      first = false;
      out += RefSerializeValue(e);
    }
    return out + "]";
  }
  if (v.GetValueType() == json::ObjectType) {
    std::string out = "{";
    bool first = true;
    for (const auto& m : v.ToObject()) {
      if (!first) out += ",";
      first = false;
      out += "\"" + m.first + "\":" + RefSerializeValue(m.second);
    }
    return out + "}";
  }
  return "";
}

// One value inside an array, the smallest context that serialises it.
std::string InArray(const Value& v) {
  Array a;
  a.push_back(v);
  const std::string text = Serialize(Value(a));
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return "<bad: " + text + ">";
  return text.substr(1, text.size() - 2);
}

// Numbers are compared with printf in the "C" locale; make sure it is.
class CLocale : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ".");
  }
};

// ------------------------------------------------------- Fixed examples

TEST(JsonSerializer, EnvelopeKeysComeInByteOrder) {
  Object envelope;
  envelope["user_data"] = Value("u");
  envelope["code"] = Value(0);
  envelope["desc"] = Value("ok");
  envelope["callback"] = Value("apiCallback");
  envelope["json_param"] = Value("{}");
  EXPECT_EQ(Serialize(Value(envelope)),
            "{\"callback\":\"apiCallback\",\"code\":0,\"desc\":\"ok\",\"json_param\":\"{}\",\"user_data\":\"u\"}");
}

TEST(JsonSerializer, CompactArrayOfEveryKind) {
  Array a;
  a.push_back(Value(-5));
  a.push_back(Value(2.5));
  a.push_back(Value(true));
  a.push_back(Value());
  a.push_back(Value(json::ObjectType));
  a.push_back(Value(json::ArrayType));
  EXPECT_EQ(Serialize(Value(a)), "[-5,2.5,true,null,{},[]]");

  Object o;
  o["a"] = Value(1);
  o["b"] = Value(false);
  o["c"] = Value("x");
  o["d"] = Value(a);
  EXPECT_EQ(Serialize(Value(o)), "{\"a\":1,\"b\":false,\"c\":\"x\",\"d\":[-5,2.5,true,null,{},[]]}");
}

TEST(JsonSerializer, EmptyContainers) {
  EXPECT_EQ(Serialize(Value(json::ObjectType)), "{}");
  EXPECT_EQ(Serialize(Value(json::ArrayType)), "[]");
  EXPECT_EQ(Serialize(Value(Object())), "{}");
  EXPECT_EQ(Serialize(Value(Array())), "[]");
}

TEST(JsonSerializer, OnlyObjectsAndArraysAtTopLevel) {
  const std::vector<Value> scalars = {Value("text"), Value(1),    Value(),       Value(true),
                                      Value(1u),     Value(1LL),  Value(1ULL),   Value(1.5),
                                      Value(json::StringType), Value(static_cast<ValueType>(10))};
  for (const Value& v : scalars) {
    SCOPED_TRACE(static_cast<int>(v.GetValueType()));
    EXPECT_EQ(Serialize(v), "");
  }
  // A cleared object is null: its members stay in the idle slot.
  Value cleared(json::ObjectType);
  cleared["a"] = Value(1);
  cleared.Clear();
  EXPECT_EQ(Serialize(cleared), "");
}

TEST(JsonSerializer, KeysAreCopiedUnescaped) {
  Object o;
  o["a\"b"] = Value(1);
  o["back\\slash/"] = Value(2);
  o[std::string("ctl\x01\n\t", 6)] = Value(3);
  o["\xC3\xA9"] = Value(4);
  o[""] = Value(5);
  EXPECT_EQ(Serialize(Value(o)),
            std::string("{\"\":5,\"a\"b\":1,\"back\\slash/\":2,\"ctl\x01\n\t\":3,\"\xC3\xA9\":4}"));
}

TEST(JsonSerializer, NestedContainersAndIdleSlots) {
  Value inner(json::ObjectType);
  inner["x"] = Value(json::ArrayType);
  inner["x"].ToArray().push_back(Value(json::ObjectType));
  Value outer(json::ObjectType);
  outer["in"] = inner;
  outer["list"] = Value(json::ArrayType);
  outer["list"].ToArray().push_back(inner);
  EXPECT_EQ(Serialize(outer), "{\"in\":{\"x\":[{}]},\"list\":[{\"x\":[{}]}]}");

  // Idle slots never show: a cleared member is null, a number keeps its form.
  Value member("text");
  member.Clear();
  Value number("idle text");
  number = Value(7);
  Value object_member(json::ObjectType);
  object_member["hidden"] = Value(1);
  object_member.Clear();
  Value keyed_number(3);
  keyed_number["hidden"] = Value(1);
  Value o(json::ObjectType);
  o["cleared"] = member;  // copies nothing but the tag
  o["number"] = number;
  o["object"] = object_member;
  o["keyed"] = keyed_number;
  EXPECT_EQ(Serialize(o), "{\"cleared\":null,\"keyed\":3,\"number\":7,\"object\":null}");
  // Members of an array value written through the idle object slot.
  Value arr(json::ArrayType);
  arr["k"] = Value(1);
  arr.ToArray().push_back(Value(2));
  EXPECT_EQ(Serialize(arr), "[2]");
}

// Tags 10 to 15 are the only ones outside the ten types that the enumeration
// can hold without undefined behaviour.
TEST(JsonSerializer, TagOutsideTheTenTypesHasNoText) {
  Array a;
  a.push_back(Value(static_cast<ValueType>(15)));
  EXPECT_EQ(Serialize(Value(a)), "[]");
  a.push_back(Value(static_cast<ValueType>(11)));
  EXPECT_EQ(Serialize(Value(a)), "[,]");
  Object o;
  o["k"] = Value(static_cast<ValueType>(10));
  EXPECT_EQ(Serialize(Value(o)), "{\"k\":}");
}

// ---------------------------------------------------------------- Integers

struct IntCase {
  Value value;
  const char* text;
};

TEST(JsonSerializerNumbers, IntegerForms) {
  const std::vector<IntCase> cases = {
      {Value(-5), "-5"},
      {Value(0), "0"},
      {Value(INT_MAX), "2147483647"},
      {Value(INT_MIN), "-2147483648"},
      {Value(0u), "0"},
      {Value(4294967295u), "4294967295"},
      {Value(3000000000u), "3000000000"},
      {Value(0LL), "0"},
      {Value(-1LL), "-1"},
      {Value(LLONG_MIN), "-9223372036854775808"},
      {Value(LLONG_MAX), "9223372036854775807"},
      {Value(0ULL), "0"},
      {Value(18446744073709551615ULL), "18446744073709551615"},
      {Value(10000000000000000000ULL), "10000000000000000000"},
      // Each type prints its own slot: the same bits as different numbers.
      {Value(static_cast<long long>(0xFFFFFFFFFFFFFFFFull)), "-1"},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(InArray(c.value), c.text);
  }
}

TEST_F(CLocale, IntegersMatchPrintf) {
  // Digit-count boundaries: 10^k - 1, 10^k, 10^k + 1 and their negatives.
  std::vector<unsigned long long> edges = {0, 1, ULLONG_MAX, ULLONG_MAX - 1};
  unsigned long long p = 1;
  for (int k = 0; k < 20; ++k) {
    edges.push_back(p - 1);
    edges.push_back(p);
    edges.push_back(p + 1);
    if (p <= ULLONG_MAX / 10) p *= 10;
  }
  for (int bit = 0; bit < 64; ++bit) {
    edges.push_back(1ULL << bit);
    edges.push_back((1ULL << bit) - 1);
  }
  std::mt19937_64 rng(12345);
  for (int i = 0; i < 20000; ++i) {
    const unsigned long long r = rng();
    edges.push_back(r);
    edges.push_back(r >> (rng() % 64));  // every length
  }
  for (unsigned long long u : edges) {
    const unsigned int u32 = static_cast<unsigned int>(u);
    const int i32 = static_cast<int>(u32);
    const long long i64 = static_cast<long long>(u);
    ASSERT_EQ(InArray(Value(u)), Printf("%llu", u));
    ASSERT_EQ(InArray(Value(i64)), Printf("%lld", i64));
    const long long negated = i64 == LLONG_MIN ? i64 : -i64;
    ASSERT_EQ(InArray(Value(negated)), Printf("%lld", negated));
    ASSERT_EQ(InArray(Value(u32)), Printf("%u", u32));
    ASSERT_EQ(InArray(Value(i32)), Printf("%d", i32));
  }
}

// ----------------------------------------------------------------- Doubles

struct DoubleCase {
  double value;
  const char* text;
};

TEST_F(CLocale, DoubleForms) {
  const std::vector<DoubleCase> cases = {
      // Forms every caller relies on.
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333333333333"},
      {100.0, "100"},
      {0.1 + 0.2, "0.3"},
      {1e21, "1e+21"},
      {1.5e-7, "1.5e-07"},
      {-0.0, "-0"},
      // Around the switch between the fixed and the exponent forms.
      {0.0, "0"},
      {2.5, "2.5"},
      {-2.5, "-2.5"},
      {1e15, "1000000000000000"},
      {9999999999999998.0, "9999999999999998"},
      {1e16, "1e+16"},
      {12345678901234567.0, "1.234567890123457e+16"},
      {123456789012345678.0, "1.234567890123457e+17"},
      {1e-4, "0.0001"},
      {1.25e-4, "0.000125"},
      {1e-5, "1e-05"},
      {2e-300, "2e-300"},
      {1e100, "1e+100"},
      // Rounding to 16 significant digits, and carrying into the exponent.
      {0.30000000000000004, "0.3"},
      {1e23, "9.999999999999999e+22"},  // the nearest double lies below 1e23
      {99999999999999999.0, "1e+17"},
      {0.99999999999999999, "1"},
      {123.456, "123.456"},
      {-1234.5678e10, "-12345678000000"},
      {3000000000.0, "3000000000"},
      {18446744073709551615.0, "1.844674407370955e+19"},
      // Extremes.
      {DBL_MAX, "1.797693134862316e+308"},
      {-DBL_MAX, "-1.797693134862316e+308"},
      {DBL_MIN, "2.225073858507201e-308"},
      {4.9406564584124654e-324, "4.940656458412465e-324"},
      {DBL_EPSILON, "2.220446049250313e-16"},
      // No JSON form: written as null.
      {kNaN, "null"},
      {-kNaN, "null"},
      {kInf, "null"},
      {-kInf, "null"},
  };
  for (const DoubleCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(InArray(Value(c.value)), c.text);
    if (std::isfinite(c.value)) {
      EXPECT_EQ(Printf("%.16g", c.value), c.text);  // the table itself is %.16g
      EXPECT_EQ(RefDouble(c.value), c.text);        // and the stream form
    }
  }
}

TEST_F(CLocale, NaNAndInfinityAreNullEverywhere) {
  Object o;
  o["inf"] = Value(kInf);
  o["nan"] = Value(kNaN);
  o["ninf"] = Value(-kInf);
  Array a;
  a.push_back(Value(kNaN));
  a.push_back(Value(1.5));
  a.push_back(Value(-kInf));
  o["list"] = Value(a);
  EXPECT_EQ(Serialize(Value(o)), "{\"inf\":null,\"list\":[null,1.5,null],\"nan\":null,\"ninf\":null}");
}

void ExpectDoubleMatchesPrintf(double d) {
  if (!std::isfinite(d)) return;
  const std::string expected = Printf("%.16g", d);
  const std::string actual = InArray(Value(d));
  if (actual != expected) {
    ADD_FAILURE() << "double " << Printf("%a", d) << ": got " << actual << ", %.16g gives " << expected;
  }
}

// The serializer's doubles are the "C" locale's %.16g on many values:
// random bit patterns over the whole range, short decimals (which sit on
// rounding ties at the 16th digit), integers, and the neighbours of the
// powers of ten where the form and the exponent change.
TEST_F(CLocale, DoublesMatchPrintfAcrossTheRange) {
  std::mt19937_64 rng(20240601);
  for (int i = 0; i < 300000; ++i) {
    const std::uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    ExpectDoubleMatchesPrintf(d);
  }
  std::uniform_int_distribution<long long> mantissa(-99999999999999999LL, 99999999999999999LL);
  std::uniform_int_distribution<int> exponent(-330, 310);
  std::uniform_int_distribution<int> digits(1, 17);
  for (int i = 0; i < 200000; ++i) {
    long long m = mantissa(rng);
    const int keep = digits(rng);
    for (int k = 17; k > keep; --k) m /= 10;
    const std::string text = std::to_string(m) + "e" + std::to_string(exponent(rng));
    const double d = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(d)) continue;
    ExpectDoubleMatchesPrintf(d);
  }
  for (int i = 0; i < 100000; ++i) {
    ExpectDoubleMatchesPrintf(static_cast<double>(static_cast<long long>(rng())));
    ExpectDoubleMatchesPrintf(static_cast<double>(static_cast<int>(rng())) / 1024.0);
  }
  for (int e = -325; e <= 308; ++e) {
    const double p = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
    double d = p;
    for (int step = 0; step < 4; ++step) d = std::nextafter(d, 0.0);
    for (int step = 0; step < 9; ++step) {
      ExpectDoubleMatchesPrintf(d);
      ExpectDoubleMatchesPrintf(-d);
      ExpectDoubleMatchesPrintf(d * 5);
      ExpectDoubleMatchesPrintf(d * 9.999999999999999);
      d = std::nextafter(d, kInf);
    }
  }
  for (double d = 4.9406564584124654e-324; d < 1e-300; d *= 3.7) ExpectDoubleMatchesPrintf(d);
}

// The string-stream form (precision 16, neither fixed nor scientific, classic
// locale) agrees with %.16g, so the printf forms above are the stream's too.
TEST_F(CLocale, StreamFormEqualsPrintfForm) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 50000; ++i) {
    const std::uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    ASSERT_EQ(RefDouble(d), Printf("%.16g", d));
  }
}

// ------------------------------------------------------------------- Locale

// Restores the process's locales after a test that changes them.
class DecimalCommaLocale : public testing::Test {
 protected:
  void SetUp() override {
    saved_c_ = std::setlocale(LC_ALL, nullptr);
    saved_cpp_ = std::locale();
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (Debian: apt-get install locales, "
                      "enable de_DE.UTF-8 in /etc/locale.gen, run locale-gen)";
    }
    changed_ = true;
    std::locale::global(std::locale("de_DE.UTF-8"));
  }
  void TearDown() override {
    if (changed_) {
      std::locale::global(saved_cpp_);
      std::setlocale(LC_ALL, saved_c_.c_str());
    }
  }

 private:
  std::string saved_c_;
  std::locale saved_cpp_;
  bool changed_ = false;
};

TEST_F(DecimalCommaLocale, NumbersIgnoreTheProcessLocale) {
  // The locale really is in force for printf and for streams.
  ASSERT_EQ(Printf("%.16g", 2.5), "2,5");
  std::ostringstream grouped;
  grouped << 1234567;
  EXPECT_NE(grouped.str(), "1234567");

  Array a;
  a.push_back(Value(2.5));
  a.push_back(Value(-0.001));
  a.push_back(Value(1.0 / 3));
  a.push_back(Value(1.5e-7));
  a.push_back(Value(1234567));
  a.push_back(Value(4294967295u));
  a.push_back(Value(LLONG_MIN));
  a.push_back(Value(18446744073709551615ULL));
  a.push_back(Value(1e21));
  a.push_back(Value(kNaN));
  EXPECT_EQ(Serialize(Value(a)),
            "[2.5,-0.001,0.3333333333333333,1.5e-07,1234567,4294967295,-9223372036854775808,"
            "18446744073709551615,1e+21,null]");

  std::mt19937_64 rng(99);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    ASSERT_EQ(InArray(Value(d)), RefDouble(d));
  }
}

// ------------------------------------------------------------------ Strings

TEST(JsonSerializerStrings, MixedEscapesAndUtf8) {
  const std::string text = "a/b\\c\t\x01\xC3\xA9";
  EXPECT_EQ(InArray(Value(text)), "\"a\\/b\\\\c\\t\\u0001\xC3\xA9\"");
}

// Every byte on its own, against the escaping table.
TEST(JsonSerializerStrings, EscapingTableForEveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    std::string expected;
    switch (b) {
      case 0x08: expected = "\\b"; break;
      case 0x09: expected = "\\t"; break;
      case 0x0A: expected = "\\n"; break;
      case 0x0C: expected = "\\f"; break;
      case 0x0D: expected = "\\r"; break;
      case 0x22: expected = "\\\""; break;
      case 0x2F: expected = "\\/"; break;
      case 0x5C: expected = "\\\\"; break;
      default:
        if (b < 0x20) {
          const char hex[] = "0123456789ABCDEF";
          expected = std::string("\\u00") + hex[b >> 4] + hex[b & 15];
        } else {
          expected = std::string(1, static_cast<char>(b));
        }
    }
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(InArray(Value(one)), "\"" + expected + "\"");
    // Inside a run of plain bytes, at both ends.
    EXPECT_EQ(InArray(Value("ab" + one + "cd")), "\"ab" + expected + "cd\"");
    EXPECT_EQ(InArray(Value(one + one)), "\"" + expected + expected + "\"");
  }
}

// Texts are scanned in blocks; put each kind of byte at every position of
// texts of many lengths, among fillers on either side of the escaping rules
// (0x21, 0x2E, 0x5B, 0x7F, 0x80, 0xFF), so that every block boundary and
// every lane sees a byte to escape next to bytes that pass unchanged.
TEST(JsonSerializerStrings, EscapesAtEveryPositionAndLength) {
  const unsigned char specials[] = {0x00, 0x01, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x1F, 0x20,
                                    0x22, 0x2F, 0x5C, 0x7F, 0x80, 0xA2, 0xAF, 0xDC, 0xFF};
  const unsigned char fillers[] = {'a', 0x21, 0x2E, 0x5B, 0x7F, 0x80, 0xFF};
  for (unsigned char filler : fillers) {
    for (std::size_t length = 1; length <= 40; ++length) {
      for (std::size_t pos = 0; pos < length; ++pos) {
        for (unsigned char special : specials) {
          std::string raw(length, static_cast<char>(filler));
          raw[pos] = static_cast<char>(special);
          if (pos + 3 < length) raw[pos + 3] = static_cast<char>(special);  // a second one nearby
          const std::string expected = "\"" + RefEscape(raw) + "\"";
          const std::string actual = InArray(Value(raw));
          if (actual != expected) {
            ADD_FAILURE() << "filler " << int{filler} << " length " << length << " pos " << pos << " byte "
                          << int{special} << ": " << actual << " != " << expected;
            return;
          }
        }
      }
    }
  }
}

// Texts made only of bytes that grow the most (6 bytes each) push the output
// far past the room taken for the unescaped text.
// Every length up to a few starting buffers, after a small text (so the
// buffer starts small), so that some text runs out of room at each point of
// a block; an address sanitizer then sees any write past the room.
TEST(JsonSerializerStrings, TextsThatGrowSixfoldOrTwofold) {
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 700; ++n) lengths.push_back(n);
  for (std::size_t n : {4095u, 4096u, 4097u, 100000u}) lengths.push_back(n);
  for (const char* escape : {"\x01", "\"", "\n"}) {
    const std::string escaped = RefEscape(escape);
    for (std::size_t prefix = 0; prefix < 3; ++prefix) {
      for (std::size_t length : lengths) {
        const std::string raw = std::string(prefix, 'p') + std::string(length, escape[0]);
        std::string expected = "[\"" + std::string(prefix, 'p');
        for (std::size_t i = 0; i < length; ++i) expected += escaped;
        expected += "\"]";
        ASSERT_EQ(Serialize(Value(Array())), "[]");
        Array a;
        a.push_back(Value(raw));
        const std::string actual = Serialize(Value(a));
        if (actual != expected) {
          ADD_FAILURE() << "length " << length << " prefix " << prefix << " escape " << escaped;
          return;
        }
      }
    }
  }
}

struct EscapeCase {
  std::string raw;
  std::string escaped;
};

TEST(JsonSerializerStrings, EscapingExamples) {
  const std::vector<EscapeCase> cases = {
      {"", ""},
      {std::string(1, '\0'), "\\u0000"},
      {"\x0B", "\\u000B"},
      {"\x1F", "\\u001F"},
      {"\x7F", "\x7F"},
      {"\x80\xFF", "\x80\xFF"},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"</script>", "<\\/script>"},
      {"say \"hi\"", "say \\\"hi\\\""},
      {"C:\\dir\\", "C:\\\\dir\\\\"},
      {"line1\r\nline2\f\b", "line1\\r\\nline2\\f\\b"},
      {std::string("a\0b", 3), "a\\u0000b"},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(c.escaped);
    EXPECT_EQ(InArray(Value(c.raw)), "\"" + c.escaped + "\"");
  }
  // A long text with escapes scattered through it.
  std::string raw;
  std::string escaped;
  for (int i = 0; i < 5000; ++i) {
    raw += "plain text ";
    escaped += "plain text ";
    if (i % 7 == 0) {
      raw += "\"/\n";
      escaped += "\\\"\\/\\n";
    }
  }
  EXPECT_EQ(InArray(Value(raw)), "\"" + escaped + "\"");
}

// ------------------------------------------------- Differential and sizes

class RandomValues {
 public:
  explicit RandomValues(std::uint64_t seed) : rng_(seed) {}

  Value Container(int depth) {
    return (rng_() & 1) ? Value(MakeObject(depth)) : Value(MakeArray(depth));
  }

 private:
  std::string Text() {
    std::string s;
    const int n = static_cast<int>(rng_() % 24);
    for (int i = 0; i < n; ++i) {
      switch (rng_() % 4) {
        case 0: s += static_cast<char>(rng_() % 256); break;      // any byte
        case 1: s += static_cast<char>(rng_() % 0x20); break;     // controls
        case 2: s += "\"\\/"[rng_() % 3]; break;                  // escaped
        default: s += static_cast<char>('a' + rng_() % 26); break;
      }
    }
    return s;
  }

  double Double() {
    switch (rng_() % 4) {
      case 0: {
        const std::uint64_t bits = rng_();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;  // NaN and infinities included
      }
      case 1: return static_cast<double>(static_cast<int>(rng_() % 2000) - 1000) / 8.0;
      case 2: return static_cast<double>(static_cast<long long>(rng_()));
      default: return static_cast<double>(rng_() % 1000000) * 1e-9;
    }
  }

  Value Scalar() {
    switch (rng_() % 9) {
      case 0: return Value();
      case 1: return Value(static_cast<int>(rng_()));
      case 2: return Value(static_cast<unsigned int>(rng_()));
      case 3: return Value(static_cast<long long>(rng_()));
      case 4: return Value(static_cast<unsigned long long>(rng_()));
      case 5: return Value(Double());
      case 6: return Value((rng_() & 1) != 0);
      case 7: {
        Value cleared(Text());  // null with an idle string
        cleared.Clear();
        return cleared;
      }
      default: return Value(Text());
    }
  }

  Value Element(int depth) {
    if (depth > 0 && rng_() % 4 == 0) return Container(depth - 1);
    return Scalar();
  }

  Object MakeObject(int depth) {
    Object o;
    const int n = static_cast<int>(rng_() % 8);
    for (int i = 0; i < n; ++i) o[Text()] = Element(depth);
    return o;
  }

  Array MakeArray(int depth) {
    Array a;
    const int n = static_cast<int>(rng_() % 8);
    for (int i = 0; i < n; ++i) a.push_back(Element(depth));
    return a;
  }

  std::mt19937_64 rng_;
};

TEST_F(CLocale, MatchesTheReferenceOnGeneratedValues) {
  RandomValues gen(4242);
  for (int i = 0; i < 3000; ++i) {
    const Value v = gen.Container(4);
    const std::string expected = RefSerialize(v);
    const std::string actual = Serialize(v);
    ASSERT_EQ(actual, expected) << "value " << i;
    ASSERT_EQ(Serialize(v), actual);  // and again, with this size as the hint
  }
}

TEST(JsonSerializer, LargeAndSmallTextsInTurn) {
  Array big;
  std::string expected = "[";
  for (int i = 0; i < 20000; ++i) {
    if (i > 0) expected += ",";
    big.push_back(Value("item\t" + std::to_string(i)));
    expected += "\"item\\t" + std::to_string(i) + "\"";
  }
  expected += "]";
  const Value big_value(big);
  Array small;
  small.push_back(Value(1));
  const Value small_value(small);
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(Serialize(big_value), expected);
    EXPECT_EQ(Serialize(small_value), "[1]");
  }
  // A single string far larger than any starting buffer.
  const std::string huge(1 << 20, 'x');
  Object o;
  o[huge] = Value(huge + "/");
  EXPECT_EQ(Serialize(Value(o)), "{\"" + huge + "\":\"" + huge + "\\/\"}");
}

TEST(JsonSerializer, DeepNesting) {
  Value v(json::ArrayType);
  for (int i = 0; i < 500; ++i) {
    Array wrapper;
    wrapper.push_back(std::move(v));
    v = Value(std::move(wrapper));
  }
  EXPECT_EQ(Serialize(v), std::string(501, '[') + std::string(501, ']'));
}

TEST(JsonSerializer, ConcurrentCallsOnDifferentValues) {
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &mismatches] {
      RandomValues gen(static_cast<std::uint64_t>(t) + 1);
      std::vector<Value> values;
      std::vector<std::string> texts;
      for (int i = 0; i < 50; ++i) {
        values.push_back(gen.Container(3));
        texts.push_back(RefSerialize(values.back()));
      }
      for (int round = 0; round < 20; ++round) {
        for (std::size_t i = 0; i < values.size(); ++i) {
          if (Serialize(values[i]) != texts[i]) ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
