// Tests of json::Deserialize.
//
// Most cases are tables of text and the compact text of what it parses to
// ("null" when the parse gives null). Every case runs through both overloads,
// and every non-null result must survive a round trip through the serializer.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <new>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <pthread.h>
#endif

#include "json.h"

// ------------------------------------------------- allocation failure switch

// Global operator new that can be told to fail: once armed with n, the n-th
// allocation after that throws std::bad_alloc. Disarmed it only counts.
namespace {
std::atomic<long> g_allocations_until_failure{-1};
}  // namespace

// GCC takes the free() below for a mismatch with new; these are the
// replacements of both, so it is not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  if (g_allocations_until_failure.load(std::memory_order_relaxed) >= 0 &&
      g_allocations_until_failure.fetch_sub(1, std::memory_order_relaxed) == 0) {
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using json::Value;

struct Case {
  std::string text;
  std::string expected;  // compact text of the result, or "null"
};

std::string Describe(const Value& value) {
  return value.GetValueType() == json::NullType ? "null" : json::Serialize(value);
}

// Parses with both overloads (the const char* one when the text has no NUL),
// checks they agree and that a non-null result reads back from its own
// compact text as an equal value; returns the compact text of the result.
std::string Parse(const std::string& text) {
  Value value;
  EXPECT_NO_THROW(value = json::Deserialize(text));
  const std::string described = Describe(value);
  if (text.find('\0') == std::string::npos) {
    EXPECT_EQ(Describe(json::Deserialize(text.c_str())), described) << "const char* overload";
  }
  if (value.GetValueType() != json::NullType) {
    const Value again = json::Deserialize(described);
    EXPECT_TRUE(again == value) << "round trip of " << described;
    EXPECT_EQ(Describe(again), described) << "round trip";
  }
  return described;
}

void ExpectTable(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    EXPECT_EQ(Parse(c.text), c.expected);
  }
}

TEST(JsonParser, OnlyAnObjectOrAnArrayGivesAValue) {
  ExpectTable({
      {"5", "null"},
      {R"("text")", "null"},
      {"true", "null"},
      {"null", "null"},
      {"", "null"},
      {" \t\r\n", "null"},
      {"[]", "[]"},
      {"{}", "{}"},
      {" \n[ ]\t", "[]"},
      {"\v{}\f", "{}"},
      // The first and last characters decide.
      {"[1,2", "null"},
      {R"({"a":1)", "null"},
      {"[1}", "null"},
      {R"({"a":1])", "null"},
      {"x[1]", "null"},
      {"[1]x", "null"},
      {"[", "null"},
      {"}", "null"},
      // The top-level array's elements are read up to its last bracket.
      {"[1]]", "[1]"},
      {"[1],[2]", "null"},
      // Only the classic locale's whitespace is trimmed.
      {"\xA0[1]", "null"},
  });
}

TEST(JsonParser, ObjectMembers) {
  ExpectTable({
      {R"({"b":1,"a":[1,2.5,"x"]})", R"({"a":[1,2.5,"x"],"b":1})"},
      {R"({"b":1,"a":2,"B":3})", R"({"B":3,"a":2,"b":1})"},
      {R"({ "a" : 1 , "b" : [ ] , "c" : {} })", R"({"a":1,"b":[],"c":{}})"},
      {R"({ "a" : 1 , "b" : [ ] , "c" : { } })", R"({"a":1,"b":[],"c":null})"},  // see below
      {R"({"k":"v"   })", R"({"k":"v"})"},
      {R"({"a":1,"a":2})", R"({"a":2})"},
      {R"({"a":null})", R"({"a":null})"},
      {R"({"a":})", R"({"a":null})"},
      {R"({"a":,"b":1})", R"({"a":0,"b":1})"},  // an empty scalar reads as 0
      // Whatever stands between members is skipped.
      {R"({"a":"x" "b":2})", R"({"a":"x","b":2})"},
      {R"({"a":"x";;"b":2})", R"({"a":"x","b":2})"},
      {R"({"a" junk :1})", R"({"a":1})"},
      // Keys keep their escapes as written.
      {R"({"a\"b":1})", R"({"a\"b":1})"},
      {R"({"a\\":1})", R"({"a\\":1})"},
      {R"({"\u0041":1})", R"({"\u0041":1})"},
      {R"({"a:b":1})", R"({"a:b":1})"},
      // Faults that make the object null.
      {R"({"a":1,})", "null"},
      {R"({"":1})", "null"},
      {R"({"a" 1})", "null"},
      {R"({a:1})", "null"},
      {R"({"a:1})", "null"},
      {R"({"a":1 "b":2})", "null"},  // the scalar runs to the comma: 1"b":2
      {R"({"a":x})", "null"},
      {R"({"a":"x})", "null"},
      {"{ }", "null"},  // whitespace between the braces is no member
  });
}

TEST(JsonParser, ArrayElements) {
  ExpectTable({
      {"[1,null,,2,]", "[1,2]"},
      {"[null]", "[]"},
      {"[,]", "[]"},
      {"[ ]", "[]"},
      {"[1 2]", "[12]"},
      {"[t r u e, F a L s E]", "[true,false]"},
      {"[\v1\f]", "[1]"},
      {"[\xA0"
       "1]",
       "null"},
      {"[[1],[2,[3]]]", "[[1],[2,[3]]]"},
      {"[[1]2]", "[[1],2]"},
      {"[[1] , 2]", "[[1],2]"},
      {R"([{"a":1},{"b":}])", R"([{"a":1},{"b":null}])"},
      // A string element ends at its closing quote; the rest up to the next
      // comma is dropped, unless a bracket in it starts the next element.
      {R"(["a" "b"])", R"(["a"])"},
      {R"(["a" "b" {}])", R"(["a","b",{}])"},
      {R"(["a" x, 1])", R"(["a",1])"},
      {R"(["]",1])", R"(["]",1])"},
      {R"(["[",1])", R"(["[",1])"},
      {R"(["a\",b",1])", R"(["a\",b",1])"},
      {R"(["a\\",1])", R"(["a\\",1])"},
      // Faults that make the array null.
      {"[x]", "null"},
      {"[1,x]", "null"},
      {"[1}]", "null"},
      {"[1 [2]]", "null"},
      {"[1,[2]", "null"},
      {"[[1}]]", "null"},
      {R"(["abc])", "null"},
  });
}

// A nested container ends at the bracket that matches its own outside
// strings; whether a quote opens or closes a string depends on the run of
// backslashes before it.
TEST(JsonParser, BracketsAndQuotesInsideStringsOfNestedContainers) {
  ExpectTable({
      {R"({"a":["}"],"b":1})", R"({"a":["}"],"b":1})"},
      {R"({"a":{"x":"}"},"b":1})", R"({"a":{"x":"}"},"b":1})"},
      {R"({"a":[{"k":"]}"}],"b":2})", R"({"a":[{"k":"]}"}],"b":2})"},
      {R"({"a":[1,"\"]",2],"b":3})", R"({"a":[1,"\"]",2],"b":3})"},
      {R"({"a":["\\"],"b":1})", R"({"a":["\\"],"b":1})"},
      {R"({"a":{"k":"\\\"}"},"b":2})", R"({"a":{"k":"\\\"}"},"b":2})"},
      {R"([["\\\\"],["]"]])", R"([["\\\\"],["]"]])"},
      {R"(["\\" [1]])", R"(["\\",[1]])"},
      // An escaped backslash ends the string early: the rest is outside it.
      {R"({"a":[1,"x\\"y"],"b":2})", "null"},
      {R"(["a\\"x[1]])", "null"},
  });
}

TEST(JsonParser, FaultInsideNestedContainerNullsOnlyThatContainer) {
  ExpectTable({
      {R"({"a":[1,x],"b":2})", R"({"a":null,"b":2})"},
      {R"({"a":{"b":x},"c":1})", R"({"a":null,"c":1})"},
      {R"({"a":["\q"],"c":1})", R"({"a":null,"c":1})"},
      {R"({"a":{"x" 1},"c":1})", R"({"a":null,"c":1})"},
      {"[1,[2,x],3]", "[1,3]"},
      {R"([1,{"a" 1},3])", "[1,3]"},
      {R"([1,{"a":},3])", R"([1,{"a":null},3])"},
      {"[[[x]],1]", "[[],1]"},
      // A nested container without its matching bracket, and a fault in a
      // scalar or string member or element, null the enclosing one.
      {R"({"a":[1,2},"b":2})", "null"},
      {"[1,[2,3,4]", "null"},
      {R"({"a":"\q","b":2})", "null"},
      {R"([1,"\q"])", "null"},
      {R"({"a":{"b":[1,x]}})", R"({"a":{"b":null}})"},
  });
}

// Strings decode their escapes; the value's bytes are compared.
TEST(JsonParser, StringEscapes) {
  const std::vector<Case> decoded = {
      {R"("")", ""},
      {R"("a\"b")", "a\"b"},
      {R"("\/\b\f\n\r\t\"\\")", "/\b\f\n\r\t\"\\"},
      {R"("\u0041\u00411")", "AA1"},
      {R"("\u00e9")", "\xC3\xA9"},
      {R"("\u00E9")", "\xC3\xA9"},
      {R"("\u0800")", "\xE0\xA0\x80"},
      {R"("\uFFFF")", "\xEF\xBF\xBF"},
      {R"("\uD83D\uDE00")", "\xF0\x9F\x98\x80"},
      {R"("\uDBFF\uDFFF")", "\xF4\x8F\xBF\xBF"},
      {R"("\uDE00")", "\xED\xB8\x80"},  // a lone low surrogate is taken as it is
      {R"("\u0000")", std::string(1, '\0')},
      {"\"a\tb\x01\xC3\xA9\"", "a\tb\x01\xC3\xA9"},  // raw bytes pass through
      // The four characters are read as strtoul reads a hexadecimal number.
      {R"("\u 041")", "A"},
      {R"("\u0x41")", "A"},
      // A sign makes a code point beyond U+10FFFF, which has no UTF-8 form:
      // the escape decodes, so it is no fault, but adds no bytes.
      {R"("a\u-001b")", "ab"},
      {R"("\u-0x1")", ""},
      {R"("\u-000")", std::string(1, '\0')},
      {R"("\uD83D\u-001")", "\xF0\x9F\x9F\xBF"},  // the second half keeps its low ten bits
  };
  for (const Case& c : decoded) {
    SCOPED_TRACE("string: " + c.text);
    const Value parsed = json::Deserialize("[" + c.text + "]");
    ASSERT_EQ(parsed.GetValueType(), json::ArrayType);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].GetValueType(), json::StringType);
    EXPECT_EQ(parsed[0].ToString(), c.expected);
    Parse("[" + c.text + "]");  // both overloads, round trip
  }
  const std::vector<std::string> faulty = {
      R"("\uD83D")", R"("\uD83Dx")", R"("\uD83D\u12")", R"("\uD83D\n0000")", R"("\uD83D\uDE0G")",
      R"("\u12")",   R"("\u12G4")",  R"("\u+-01")",     R"("\x")",           R"("\)",
      R"(")",        R"("abc)",
  };
  for (const std::string& text : faulty) {
    SCOPED_TRACE("string: " + text);
    EXPECT_EQ(Parse("[" + text + "]"), "null");
    EXPECT_EQ(Parse(R"({"a":)" + text + "}"), "null");
  }
}

struct ScalarCase {
  std::string text;
  json::ValueType type;  // NullType with an empty `compact` for a fault
  std::string compact;   // the value as the serializer writes it
};

// Each scalar is read as the member of {"v":...}: its type, and its text as
// the serializer writes it. A fault makes the object null.
TEST(JsonParser, ScalarTypes) {
  using json::BoolType;
  using json::DoubleType;
  using json::Int64Type;
  using json::IntType;
  using json::NullType;
  using json::UInt64Type;
  using json::UIntType;
  const std::vector<ScalarCase> cases = {
      {"0", IntType, "0"},
      {"-0", IntType, "0"},
      {"+7", IntType, "7"},
      {"007", IntType, "7"},
      {"1 2", IntType, "12"},
      {"2147483647", IntType, "2147483647"},
      {"-2147483648", IntType, "-2147483648"},
      {"2147483648", UIntType, "2147483648"},
      {"4294967295", UIntType, "4294967295"},
      {"4294967296", Int64Type, "4294967296"},
      {"-2147483649", Int64Type, "-2147483649"},
      {"9223372036854775807", Int64Type, "9223372036854775807"},
      {"-9223372036854775808", Int64Type, "-9223372036854775808"},
      {"9223372036854775808", UInt64Type, "9223372036854775808"},
      {"18446744073709551615", UInt64Type, "18446744073709551615"},
      {"+18446744073709551615", UInt64Type, "18446744073709551615"},
      {"18446744073709551616", NullType, ""},
      {"-9223372036854775809", NullType, ""},
      {"-", NullType, ""},
      {"--1", NullType, ""},
      {"0x10", NullType, ""},
      {"1a", NullType, ""},
      {"2.5", DoubleType, "2.5"},
      {"-2.5e-3", DoubleType, "-0.0025"},
      {"1E5", DoubleType, "100000"},
      {"1e+5", DoubleType, "100000"},
      {"5.", DoubleType, "5"},
      {"0.1", DoubleType, "0.1"},
      {"1.5e-7", DoubleType, "1.5e-07"},
      {"1e308", DoubleType, "1e+308"},
      {"1 . 5", DoubleType, "1.5"},
      {".5", NullType, ""},
      {"-.5", NullType, ""},
      {"e5", NullType, ""},
      {"1e5e5", NullType, ""},
      {"1.2.3", NullType, ""},
      {"1e", NullType, ""},
      {"1e400", NullType, ""},   // overflow
      {"-1e400", NullType, ""},  // overflow
      {"1e-400", NullType, ""},  // underflow
      {"true", BoolType, "true"},
      {"TRUE", BoolType, "true"},
      {"tRuE", BoolType, "true"},
      {"False", BoolType, "false"},
      {"t r u e", BoolType, "true"},
      {"truee", NullType, ""},
      {"null", NullType, "null"},
      {"NULL", NullType, "null"},
      {"Null", NullType, "null"},
      {"nul", NullType, ""},
      {"1]", NullType, ""},
      {"1}", NullType, ""},
      {"1[", NullType, ""},
  };
  for (const ScalarCase& c : cases) {
    SCOPED_TRACE("scalar: " + c.text);
    const std::string text = R"({"v":)" + c.text + "}";
    if (c.compact.empty()) {
      EXPECT_EQ(Parse(text), "null");
      continue;
    }
    EXPECT_EQ(Parse(text), R"({"v":)" + c.compact + "}");
    const Value parsed = json::Deserialize(text);
    ASSERT_EQ(parsed.GetValueType(), json::ObjectType);
    EXPECT_EQ(parsed["v"].GetValueType(), c.type);
  }
  // The numeric slots are filled from the one number.
  const Value parsed = json::Deserialize("[4294967295,-2.9,0.1]");
  ASSERT_EQ(parsed.size(), 3u);
  EXPECT_EQ(parsed[0].ToInt(), -1);
  EXPECT_EQ(parsed[0].ToUInt64(), 4294967295ULL);
  EXPECT_EQ(parsed[1].ToInt(), -2);
  EXPECT_EQ(parsed[2].ToDouble(), 0.1);
}

// ------------------------------------------------------------ the const char* form

TEST(JsonParser, CharPointerOverloadRefusesNullAndTwoMebibytes) {
  EXPECT_EQ(json::Deserialize(static_cast<const char*>(nullptr)).GetValueType(), json::NullType);
  EXPECT_EQ(json::Deserialize("").GetValueType(), json::NullType);

  constexpr std::size_t kLimit = 2097152;
  std::string text = "[" + std::string(kLimit - 3, ' ') + "]";  // one byte short
  EXPECT_EQ(Describe(json::Deserialize(text.c_str())), "[]");
  text.insert(1, " ");  // 2 MiB
  EXPECT_EQ(Describe(json::Deserialize(text.c_str())), "null");
  EXPECT_EQ(Describe(json::Deserialize(text)), "[]");  // no limit here
  text.insert(1, 100, ' ');
  EXPECT_EQ(Describe(json::Deserialize(text.c_str())), "null");
}

TEST(JsonParser, StringOverloadReadsPastNulBytes) {
  const std::string text("[\"a\0b\",1]", 9);
  const Value parsed = json::Deserialize(text);
  ASSERT_EQ(parsed.GetValueType(), json::ArrayType);
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].ToString(), std::string("a\0b", 3));
  EXPECT_EQ(json::Deserialize(text.c_str()).GetValueType(), json::NullType);  // sees ["a
}

// ---------------------------------------------------------------- depth

constexpr int kMaxDepth = 64;

// `depth` containers, one inside the other, around the number 1: arrays,
// objects, or both in turn.
enum class Nesting { kArrays, kObjects, kMixed };
std::string Nest(int depth, Nesting kind) {
  std::string open, close;
  for (int level = 0; level < depth; ++level) {
    const bool array = kind == Nesting::kArrays || (kind == Nesting::kMixed && level % 2 == 1);
    open += array ? "[" : R"({"k":)";
    close += array ? ']' : '}';
  }
  return open + "1" + std::string(close.rbegin(), close.rend());
}

TEST(JsonParser, NestingUpToTheLimitParses) {
  for (Nesting kind : {Nesting::kArrays, Nesting::kObjects, Nesting::kMixed}) {
    const std::string text = Nest(kMaxDepth, kind);
    EXPECT_EQ(Parse(text), text);
  }
  // The limit counts containers, wherever they stand.
  const std::string inner = Nest(kMaxDepth - 1, Nesting::kMixed);
  EXPECT_EQ(Parse("[2," + inner + "]"), "[2," + inner + "]");
}

TEST(JsonParser, NestingBeyondTheLimitGivesNull) {
  for (Nesting kind : {Nesting::kArrays, Nesting::kObjects, Nesting::kMixed}) {
    EXPECT_EQ(Parse(Nest(kMaxDepth + 1, kind)), "null");
  }
  // Even where the deep part would only null a nested container.
  EXPECT_EQ(Parse("[2," + Nest(kMaxDepth, Nesting::kArrays) + "]"), "null");
  EXPECT_EQ(Parse(R"({"a":[x],"b":)" + Nest(kMaxDepth, Nesting::kObjects) + "}"), "null");
}

TEST(JsonParser, VeryDeepInputGivesNullWithoutCrashing) {
  constexpr int kDeep = 100000;
  EXPECT_EQ(Parse(std::string(kDeep, '[') + std::string(kDeep, ']')), "null");
  EXPECT_EQ(Parse(std::string(kDeep, '[')), "null");
  EXPECT_EQ(Parse("[" + std::string(kDeep, '[') + "]"), "null");
  EXPECT_EQ(Parse(Nest(kDeep, Nesting::kObjects)), "null");
  EXPECT_EQ(Parse(Nest(kDeep, Nesting::kMixed)), "null");
}

#if !defined(_WIN32)
// Runs `work` on a thread with a stack of `stack_size` bytes.
template <typename Work>
void RunOnThreadWithStack(std::size_t stack_size, Work work) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, stack_size), 0);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<Work*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, &work), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}
#endif

// Apps call in on threads with small stacks: parsing (and releasing) a
// document at the limit, or one far beyond it, must fit in 256 KiB.
TEST(JsonParser, DeepInputFitsIn256KiBStack) {
#if defined(_WIN32)
  GTEST_SKIP() << "needs pthreads";
#else
  struct Outcome {
    std::string text;
    json::ValueType type = json::NullType;
  };
  std::vector<Outcome> outcomes;
  for (Nesting kind : {Nesting::kArrays, Nesting::kObjects, Nesting::kMixed}) {
    outcomes.push_back({Nest(kMaxDepth, kind)});
    outcomes.push_back({Nest(100000, kind)});
  }
  outcomes.push_back({std::string(100000, '[') + std::string(100000, ']')});
  RunOnThreadWithStack(256 * 1024, [&outcomes] {
    for (Outcome& outcome : outcomes) {
      outcome.type = json::Deserialize(outcome.text).GetValueType();
    }
  });
  EXPECT_NE(outcomes[0].type, json::NullType);
  EXPECT_EQ(outcomes[1].type, json::NullType);
  EXPECT_NE(outcomes[2].type, json::NullType);
  EXPECT_EQ(outcomes[3].type, json::NullType);
  EXPECT_NE(outcomes[4].type, json::NullType);
  EXPECT_EQ(outcomes[5].type, json::NullType);
  EXPECT_EQ(outcomes[6].type, json::NullType);
#endif
}

// ---------------------------------------------------------------- locale

// Sets the C and C++ global locales for the scope; ok() is false when the
// locale is not installed.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : saved_c_(std::setlocale(LC_ALL, nullptr)) {
    try {
      saved_cpp_ = std::locale::global(std::locale(name));  // sets the C locale too
      ok_ = true;
    } catch (const std::runtime_error&) {
      ok_ = false;
    }
  }
  ~ScopedLocale() {
    if (ok_) std::locale::global(saved_cpp_);
    std::setlocale(LC_ALL, saved_c_.c_str());
  }
  bool ok() const { return ok_; }

 private:
  std::string saved_c_;
  std::locale saved_cpp_;
  bool ok_ = false;
};

// A host that sets a locale with a decimal comma still gets 2.5 for 2.5.
TEST(JsonParser, NumbersAreReadTheClassicWayInAnyLocale) {
  ScopedLocale german("de_DE.UTF-8");
  if (!german.ok()) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  char* end = nullptr;
  const char* two_and_a_half = "2.5";
  std::strtod(two_and_a_half, &end);
  ASSERT_EQ(end, two_and_a_half + 1) << "the locale should stop strtod at the '.'";

  const Value parsed = json::Deserialize(R"({"a":2.5,"b":[-0.125,1e3,1.5E-7],"c":12})");
  ASSERT_EQ(parsed.GetValueType(), json::ObjectType);
  EXPECT_EQ(parsed["a"].GetValueType(), json::DoubleType);
  EXPECT_EQ(parsed["a"].ToDouble(), 2.5);
  EXPECT_EQ(parsed["b"][0].ToDouble(), -0.125);
  EXPECT_EQ(parsed["b"][1].ToDouble(), 1000.0);
  EXPECT_EQ(parsed["b"][2].ToDouble(), 1.5e-7);
  EXPECT_EQ(parsed["c"].ToInt(), 12);
  EXPECT_EQ(Describe(json::Deserialize("[1e400]")), "null");
  EXPECT_EQ(Describe(json::Deserialize("[\xA0"
                                       "1]")),
            "null");
}

// ------------------------------------------------------- no exception leaves

// Every piece of a document with strings, escapes and nesting, alone and in
// brackets: none may throw (a reader that cuts text at positions it found
// could otherwise cut past the end).
TEST(JsonParser, NoExceptionFromAnyPieceOfADocument) {
  const std::string document =
      R"({"a\"":[1,"x\\",{"b":"\uD83D\uDE00"}],"c" : tRue ,"d":-1.5e3,"e":[[]],"f":"\u00)";
  for (std::size_t begin = 0; begin < document.size(); ++begin) {
    for (std::size_t end = begin; end <= document.size(); ++end) {
      const std::string piece = document.substr(begin, end - begin);
      for (const std::string& text : {piece, "[" + piece + "]", "{" + piece + "}"}) {
        EXPECT_NO_THROW(json::Deserialize(text)) << text;
        EXPECT_NO_THROW(json::Deserialize(text.c_str())) << text;
      }
    }
  }
}

// Running out of memory at any allocation of a parse gives null, not an
// exception; the parse that gets all its memory gives the full result.
TEST(JsonParser, OutOfMemoryGivesNull) {
  const std::string text = R"({"list":[1,2.5,"three",{"four":[4]}],"name":"a long enough string"})";
  const std::string expected = Describe(json::Deserialize(text));
  ASSERT_NE(expected, "null");
  bool completed = false;
  long allowed = 0;
  for (; allowed < 1000 && !completed; ++allowed) {
    SCOPED_TRACE("allocations allowed: " + std::to_string(allowed));
    Value* parsed = nullptr;
    std::string result;
    try {
      g_allocations_until_failure = allowed;
      Value value = json::Deserialize(text);
      completed = g_allocations_until_failure.load() >= 0;  // no allocation failed
      g_allocations_until_failure = -1;
      parsed = new Value(std::move(value));
    } catch (...) {
      g_allocations_until_failure = -1;
      ADD_FAILURE() << "an exception left the parser";
      continue;
    }
    result = Describe(*parsed);
    delete parsed;
    EXPECT_EQ(result, completed ? expected : "null");
  }
  EXPECT_TRUE(completed);
  EXPECT_GT(allowed, 10) << "the parse should need a good number of allocations";
}

// ------------------------------------------------------------- round trips

// Random documents whose numbers have the type the parser gives their text,
// whose doubles print exactly, and whose arrays hold no null; keys hold
// neither quotes nor backslashes, which keys keep undecoded.
class DocumentGenerator {
 public:
  explicit DocumentGenerator(unsigned seed) : rng_(seed) {}

  Value Document() {
    return Pick(2) ? Container(json::ObjectType, 0) : Container(json::ArrayType, 0);
  }

 private:
  unsigned Pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }

  Value Container(json::ValueType type, int depth) {
    Value value(type);
    const unsigned count = Pick(6);
    for (unsigned i = 0; i < count; ++i) {
      if (type == json::ArrayType) {
        value.ToArray().push_back(Element(depth + 1, false));
      } else {
        value.ToObject()[Key()] = Element(depth + 1, true);
      }
    }
    return value;
  }

  Value Element(int depth, bool null_allowed) {
    switch (Pick(depth < 6 ? 10 : 8)) {
      case 0:
        return Integer();
      case 1:
        return Integer();
      case 2:
        return Value(static_cast<double>(static_cast<int>(rng_() % 2000001) - 1000000) /
                     static_cast<double>(1u << Pick(11)));
      case 3:
        return Value(Pick(2) == 1);
      case 4:
        return null_allowed ? Value() : Value("not null");
      case 5:
      case 6:
      case 7:
        return Value(Text());
      case 8:
        return Container(json::ArrayType, depth);
      default:
        return Container(json::ObjectType, depth);
    }
  }

  Value Integer() {
    switch (Pick(5)) {
      case 0:
        return Value(static_cast<int>(rng_()));
      case 1:
        return Value(2147483648u + static_cast<unsigned>(rng_() % 2147483648u));
      case 2:
        return Value(static_cast<long long>((rng_() >> 2) | (1ULL << 40)) * (Pick(2) ? 1 : -1));
      case 3:
        return Value(9223372036854775808ULL + (rng_() % 9223372036854775807ULL));
      default:
        return Value(static_cast<int>(rng_() % 100));
    }
  }

  std::string Text() {
    static const std::vector<std::string> pieces = {
        "a",    "Z",    " ",        "\"",
        "\\",   "/",    "\b",       "\f",
        "\n",   "\r",   "\t",       std::string(1, '\x01'),
        "\x1F", "\x7F", "\xC3\xA9", "\xF0\x9F\x98\x80",
        "[",    "]",    "{",        "}",
        ",",    ":",    "0",        "e"};
    std::string text;
    for (unsigned n = Pick(8); n > 0; --n)
      text += pieces[Pick(static_cast<unsigned>(pieces.size()))];
    return text;
  }

  std::string Key() {
    static const char kChars[] = "abcXYZ019 _-:,[]{}/";
    std::string key;
    for (unsigned n = 1 + Pick(6); n > 0; --n) key += kChars[Pick(sizeof(kChars) - 1)];
    return key;
  }

  std::mt19937_64 rng_;
};

TEST(JsonParser, GeneratedDocumentsRoundTrip) {
  DocumentGenerator generator(20240601);
  for (int i = 0; i < 2000; ++i) {
    const Value document = generator.Document();
    const std::string text = json::Serialize(document);
    SCOPED_TRACE(text);
    const Value parsed = json::Deserialize(text);
    ASSERT_TRUE(parsed == document);
    ASSERT_EQ(json::Serialize(parsed), text);
    ASSERT_TRUE(json::Deserialize(text.c_str()) == document);
  }
}

}  // namespace
