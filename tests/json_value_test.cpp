// Tests of json::Value, json::Object, json::Array and value equality.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "json.h"

namespace json {
// Readable failure messages: gtest finds this through argument-dependent
// lookup.
void PrintTo(const Value& v, std::ostream* os) {
  *os << "Value{type=" << static_cast<int>(v.GetValueType()) << " int=" << v.ToInt()
      << " uint=" << v.ToUInt() << " int64=" << v.ToInt64() << " uint64=" << v.ToUInt64()
      << " double=" << v.ToDouble() << " bool=" << v.ToBool() << " string=\"" << v.ToString()
      << "\" object.size=" << v.ToObject().size() << " array.size=" << v.ToArray().size() << "}";
}
}  // namespace json

namespace {

using json::Array;
using json::Object;
using json::Value;
using json::ValueType;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Every slot of two values, compared one by one (operator== looks only at
// the payload of the tag).
void ExpectSameSlots(const Value& a, const Value& b) {
  EXPECT_EQ(a.GetValueType(), b.GetValueType());
  EXPECT_EQ(a.ToInt(), b.ToInt());
  EXPECT_EQ(a.ToUInt(), b.ToUInt());
  EXPECT_EQ(a.ToInt64(), b.ToInt64());
  EXPECT_EQ(a.ToUInt64(), b.ToUInt64());
  if (std::isnan(a.ToDouble())) {
    EXPECT_TRUE(std::isnan(b.ToDouble()));
  } else {
    EXPECT_EQ(std::signbit(a.ToDouble()), std::signbit(b.ToDouble()));
    EXPECT_EQ(a.ToDouble(), b.ToDouble());
  }
  EXPECT_EQ(a.ToBool(), b.ToBool());
  EXPECT_EQ(a.ToString(), b.ToString());
  EXPECT_TRUE(Value(a.ToObject()) == Value(b.ToObject()));
  EXPECT_TRUE(Value(a.ToArray()) == Value(b.ToArray()));
}

void ExpectNumericSlotsZero(const Value& v) {
  EXPECT_EQ(v.ToInt(), 0);
  EXPECT_EQ(v.ToUInt(), 0u);
  EXPECT_EQ(v.ToInt64(), 0);
  EXPECT_EQ(v.ToUInt64(), 0u);
  EXPECT_EQ(v.ToDouble(), 0.0);
  EXPECT_FALSE(std::signbit(v.ToDouble()));
}

Object SampleObject() {
  Object o;
  o["k"] = Value(1);
  o["s"] = Value("text");
  return o;
}

Array SampleArray() {
  Array a;
  a.push_back(Value(1));
  a.push_back(Value("two"));
  return a;
}

// A value with something in every slot: each assignment writes only its own
// slot, so the earlier ones stay.
Value FullyLoaded() {
  Value v;
  v = Value("old text");
  v = Value(SampleObject());
  v = Value(SampleArray());
  v = Value(true);
  v = Value(77);
  return v;
}

// ------------------------------------------------------- Numeric slot rules

struct SlotCase {
  const char* name;
  Value value;
  ValueType type;
  int i;
  unsigned int u;
  long long i64;
  unsigned long long u64;
  double d;
};

std::vector<SlotCase> SlotCases() {
  return {
      // from a signed 32-bit number
      {"int 0", Value(0), json::IntType, 0, 0u, 0, 0u, 0.0},
      {"int 5", Value(5), json::IntType, 5, 5u, 5, 5u, 5.0},
      {"int -1", Value(-1), json::IntType, -1, 4294967295u, -1, 18446744073709551615ull, -1.0},
      {"int max", Value(INT_MAX), json::IntType, INT_MAX, 2147483647u, 2147483647, 2147483647u, 2147483647.0},
      {"int min", Value(INT_MIN), json::IntType, INT_MIN, 2147483648u, -2147483648LL,
       18446744071562067968ull, -2147483648.0},
      // from an unsigned 32-bit number
      {"uint 0", Value(0u), json::UIntType, 0, 0u, 0, 0u, 0.0},
      {"uint 3000000000", Value(3000000000u), json::UIntType, -1294967296, 3000000000u, 3000000000LL,
       3000000000ull, 3000000000.0},
      {"uint max", Value(4294967295u), json::UIntType, -1, 4294967295u, 4294967295LL, 4294967295ull,
       4294967295.0},
      {"uint 2^31", Value(2147483648u), json::UIntType, INT_MIN, 2147483648u, 2147483648LL, 2147483648ull,
       2147483648.0},
      // from a signed 64-bit number: low 32 bits, same 64 bits, rounded double
      {"int64 -1", Value(-1LL), json::Int64Type, -1, 4294967295u, -1, 18446744073709551615ull, -1.0},
      {"int64 0x1_2345_6789", Value(0x123456789LL), json::Int64Type, 0x23456789, 0x23456789u, 0x123456789LL,
       0x123456789ull, 4886718345.0},
      {"int64 0x1_8000_0000", Value(0x180000000LL), json::Int64Type, INT_MIN, 0x80000000u, 0x180000000LL,
       0x180000000ull, 6442450944.0},
      {"int64 max", Value(LLONG_MAX), json::Int64Type, -1, 4294967295u, LLONG_MAX, 9223372036854775807ull,
       9223372036854775808.0},
      {"int64 min", Value(LLONG_MIN), json::Int64Type, 0, 0u, LLONG_MIN, 9223372036854775808ull,
       -9223372036854775808.0},
      {"int64 2^53+1 rounds", Value(9007199254740993LL), json::Int64Type, 1, 1u, 9007199254740993LL,
       9007199254740993ull, 9007199254740992.0},
      {"int64 -5000000000", Value(-5000000000LL), json::Int64Type, -705032704, 3589934592u, -5000000000LL,
       18446744068709551616ull, -5000000000.0},
      // from an unsigned 64-bit number
      {"uint64 max", Value(18446744073709551615ull), json::UInt64Type, -1, 4294967295u, -1,
       18446744073709551615ull, 18446744073709551616.0},
      {"uint64 2^63", Value(9223372036854775808ull), json::UInt64Type, 0, 0u, LLONG_MIN,
       9223372036854775808ull, 9223372036854775808.0},
      {"uint64 2^32", Value(4294967296ull), json::UInt64Type, 0, 0u, 4294967296LL, 4294967296ull,
       4294967296.0},
      {"uint64 2^32+7", Value(4294967303ull), json::UInt64Type, 7, 7u, 4294967303LL, 4294967303ull,
       4294967303.0},
      // from a double: truncation toward zero in each slot
      {"double 2.9", Value(2.9), json::DoubleType, 2, 2u, 2, 2u, 2.9},
      {"double -2.9", Value(-2.9), json::DoubleType, -2, 0u, -2, 0u, -2.9},
      {"double 0.5", Value(0.5), json::DoubleType, 0, 0u, 0, 0u, 0.5},
      {"double -0.5", Value(-0.5), json::DoubleType, 0, 0u, 0, 0u, -0.5},
      {"double -0.0", Value(-0.0), json::DoubleType, 0, 0u, 0, 0u, -0.0},
      {"double 3e9", Value(3e9), json::DoubleType, INT_MAX, 3000000000u, 3000000000LL, 3000000000ull, 3e9},
      {"double 2147483647.9", Value(2147483647.9), json::DoubleType, INT_MAX, 2147483647u, 2147483647,
       2147483647u, 2147483647.9},
      {"double -2147483648.9", Value(-2147483648.9), json::DoubleType, INT_MIN, 0u, -2147483648LL, 0u,
       -2147483648.9},
      {"double 4294967295.5", Value(4294967295.5), json::DoubleType, INT_MAX, 4294967295u, 4294967295LL,
       4294967295ull, 4294967295.5},
      {"double 1e19", Value(1e19), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX, 10000000000000000000ull,
       1e19},
      {"double -1e19", Value(-1e19), json::DoubleType, INT_MIN, 0u, LLONG_MIN, 0u, -1e19},
      {"double 2^63", Value(9223372036854775808.0), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX,
       9223372036854775808ull, 9223372036854775808.0},
      {"double -2^63", Value(-9223372036854775808.0), json::DoubleType, INT_MIN, 0u, LLONG_MIN, 0u,
       -9223372036854775808.0},
      {"double below 2^64", Value(18446744073709549568.0), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX,
       18446744073709549568ull, 18446744073709549568.0},
      {"double 2^64", Value(18446744073709551616.0), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX,
       ULLONG_MAX, 18446744073709551616.0},
      {"double -1", Value(-1.0), json::DoubleType, -1, 0u, -1, 0u, -1.0},
      {"double +inf", Value(kInf), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX, ULLONG_MAX, kInf},
      {"double -inf", Value(-kInf), json::DoubleType, INT_MIN, 0u, LLONG_MIN, 0u, -kInf},
      {"double max", Value(1.7976931348623157e308), json::DoubleType, INT_MAX, UINT_MAX, LLONG_MAX,
       ULLONG_MAX, 1.7976931348623157e308},
      {"double denorm", Value(4.9406564584124654e-324), json::DoubleType, 0, 0u, 0, 0u,
       4.9406564584124654e-324},
  };
}

void ExpectSlots(const SlotCase& c, const Value& v) {
  EXPECT_EQ(v.GetValueType(), c.type);
  EXPECT_EQ(v.ToInt(), c.i);
  EXPECT_EQ(v.ToUInt(), c.u);
  EXPECT_EQ(v.ToInt64(), c.i64);
  EXPECT_EQ(v.ToUInt64(), c.u64);
  EXPECT_EQ(v.ToDouble(), c.d);
  EXPECT_EQ(std::signbit(v.ToDouble()), std::signbit(c.d));
  // No other slot is touched by a number.
  EXPECT_FALSE(v.ToBool());
  EXPECT_TRUE(v.ToString().empty());
  EXPECT_EQ(v.ToObject().size(), 0u);
  EXPECT_EQ(v.ToArray().size(), 0u);
  EXPECT_EQ(v.size(), 1u);
}

TEST(JsonValueNumericSlots, ConstructorFillsAllFiveSlots) {
  for (const SlotCase& c : SlotCases()) {
    SCOPED_TRACE(c.name);
    ExpectSlots(c, c.value);
  }
}

TEST(JsonValueNumericSlots, CopyConstructionRefillsFromTheOwnSlot) {
  for (const SlotCase& c : SlotCases()) {
    SCOPED_TRACE(c.name);
    Value copy(c.value);
    ExpectSlots(c, copy);
    Value moved(std::move(copy));
    ExpectSlots(c, moved);
  }
}

TEST(JsonValueNumericSlots, AssignmentRefillsAllFiveSlots) {
  for (const SlotCase& c : SlotCases()) {
    SCOPED_TRACE(c.name);
    // A target whose numeric slots hold another number entirely.
    Value target(static_cast<unsigned long long>(0xDEADBEEFCAFEF00Dull));
    target = c.value;
    EXPECT_EQ(target.GetValueType(), c.type);
    EXPECT_EQ(target.ToInt(), c.i);
    EXPECT_EQ(target.ToUInt(), c.u);
    EXPECT_EQ(target.ToInt64(), c.i64);
    EXPECT_EQ(target.ToUInt64(), c.u64);
    EXPECT_EQ(target.ToDouble(), c.d);

    Value moved_target(-123);
    Value source(c.value);
    moved_target = std::move(source);
    EXPECT_EQ(moved_target.ToInt(), c.i);
    EXPECT_EQ(moved_target.ToUInt(), c.u);
    EXPECT_EQ(moved_target.ToInt64(), c.i64);
    EXPECT_EQ(moved_target.ToUInt64(), c.u64);
    EXPECT_EQ(moved_target.ToDouble(), c.d);
  }
}

TEST(JsonValueNumericSlots, NaNGivesZeroInEveryIntegerSlot) {
  Value v(kNaN);
  EXPECT_EQ(v.GetValueType(), json::DoubleType);
  EXPECT_EQ(v.ToInt(), 0);
  EXPECT_EQ(v.ToUInt(), 0u);
  EXPECT_EQ(v.ToInt64(), 0);
  EXPECT_EQ(v.ToUInt64(), 0u);
  EXPECT_TRUE(std::isnan(v.ToDouble()));
}

TEST(JsonValueNumericSlots, ConversionOperatorsReturnTheirSlots) {
  const Value v(3000000000u);
  const int i = v;
  const unsigned int u = v;
  const long long i64 = v;
  const unsigned long long u64 = v;
  const double d = v;
  const bool b = v;
  const std::string s = v;
  EXPECT_EQ(i, -1294967296);
  EXPECT_EQ(u, 3000000000u);
  EXPECT_EQ(i64, 3000000000LL);
  EXPECT_EQ(u64, 3000000000ull);
  EXPECT_EQ(d, 3000000000.0);
  EXPECT_FALSE(b);
  EXPECT_EQ(s, "");

  Object o = Value(SampleObject());
  EXPECT_EQ(o.size(), 2u);
  Array a = Value(SampleArray());
  EXPECT_EQ(a.size(), 2u);
}

// Accessors return their own slot whatever the type tag says.
TEST(JsonValueAccessors, SlotsIgnoreTheTypeTag) {
  EXPECT_EQ(Value(2.9).ToInt(), 2);
  EXPECT_EQ(Value(-2.9).ToInt(), -2);
  EXPECT_EQ(Value(3000000000u).ToInt(), -1294967296);
  EXPECT_EQ(Value(-1).ToUInt64(), 18446744073709551615ull);
  EXPECT_EQ(Value(42).ToString(), "");
  EXPECT_FALSE(Value(1).ToBool());
  EXPECT_FALSE(Value(1.5).ToBool());
  for (const Value& v : {Value("abc"), Value(SampleObject()), Value(SampleArray()), Value(true), Value()}) {
    SCOPED_TRACE(static_cast<int>(v.GetValueType()));
    ExpectNumericSlotsZero(v);
  }
}

// ------------------------------------------------------------- Constructors

TEST(JsonValueConstructors, DefaultIsNullWithEverySlotEmpty) {
  const Value v;
  EXPECT_EQ(v.GetValueType(), json::NullType);
  ExpectNumericSlotsZero(v);
  EXPECT_FALSE(v.ToBool());
  EXPECT_TRUE(v.ToString().empty());
  EXPECT_EQ(v.ToObject().size(), 0u);
  EXPECT_EQ(v.ToArray().size(), 0u);
  EXPECT_EQ(v.size(), 1u);
}

TEST(JsonValueConstructors, TypeConstructorStoresNothing) {
  const ValueType types[] = {json::NullType,   json::StringType, json::IntType,    json::UIntType,
                             json::Int64Type,  json::UInt64Type, json::DoubleType, json::ObjectType,
                             json::ArrayType,  json::BoolType};
  for (ValueType t : types) {
    SCOPED_TRACE(static_cast<int>(t));
    const Value v(t);
    EXPECT_EQ(v.GetValueType(), t);
    ExpectNumericSlotsZero(v);
    EXPECT_FALSE(v.ToBool());
    EXPECT_TRUE(v.ToString().empty());
    EXPECT_EQ(v.ToObject().size(), 0u);
    EXPECT_EQ(v.ToArray().size(), 0u);
    EXPECT_EQ(v.size(), (t == json::ObjectType || t == json::ArrayType) ? 0u : 1u);
  }
  // The numbers of the enumeration are part of the interface.
  EXPECT_EQ(static_cast<int>(json::NullType), 0);
  EXPECT_EQ(static_cast<int>(json::StringType), 1);
  EXPECT_EQ(static_cast<int>(json::IntType), 2);
  EXPECT_EQ(static_cast<int>(json::UIntType), 3);
  EXPECT_EQ(static_cast<int>(json::Int64Type), 4);
  EXPECT_EQ(static_cast<int>(json::UInt64Type), 5);
  EXPECT_EQ(static_cast<int>(json::DoubleType), 6);
  EXPECT_EQ(static_cast<int>(json::ObjectType), 7);
  EXPECT_EQ(static_cast<int>(json::ArrayType), 8);
  EXPECT_EQ(static_cast<int>(json::BoolType), 9);
  EXPECT_EQ(static_cast<int>(json::InObject), 0);
  EXPECT_EQ(static_cast<int>(json::InArray), 1);
}

TEST(JsonValueConstructors, PayloadConstructorsStoreOnlyTheirSlot) {
  const Value b(true);
  EXPECT_EQ(b.GetValueType(), json::BoolType);
  EXPECT_TRUE(b.ToBool());
  ExpectNumericSlotsZero(b);
  EXPECT_TRUE(b.ToString().empty());

  const Value f(false);
  EXPECT_EQ(f.GetValueType(), json::BoolType);
  EXPECT_FALSE(f.ToBool());

  const Value s("h\xC3\xA9llo");
  EXPECT_EQ(s.GetValueType(), json::StringType);
  EXPECT_EQ(s.ToString(), "h\xC3\xA9llo");
  ExpectNumericSlotsZero(s);
  EXPECT_FALSE(s.ToBool());
  EXPECT_EQ(s.ToObject().size(), 0u);

  const Value o(SampleObject());
  EXPECT_EQ(o.GetValueType(), json::ObjectType);
  EXPECT_EQ(o.size(), 2u);
  EXPECT_TRUE(o.ToString().empty());
  EXPECT_EQ(o.ToArray().size(), 0u);

  const Value a(SampleArray());
  EXPECT_EQ(a.GetValueType(), json::ArrayType);
  EXPECT_EQ(a.size(), 2u);
  EXPECT_EQ(a.ToObject().size(), 0u);
}

TEST(JsonValueConstructors, StringsAreKeptByteForByte) {
  const std::string with_nul("a\0b\xFF", 4);
  const Value v(with_nul);
  EXPECT_EQ(v.ToString().size(), 4u);
  EXPECT_EQ(v.ToString(), with_nul);
  std::string movable = with_nul;
  const Value m(std::move(movable));
  EXPECT_EQ(m.GetValueType(), json::StringType);
  EXPECT_EQ(m.ToString(), with_nul);
  // The const char* form stops at the NUL.
  EXPECT_EQ(Value(with_nul.c_str()).ToString(), "a");
  EXPECT_EQ(Value("").ToString(), "");
  EXPECT_EQ(Value("").GetValueType(), json::StringType);
}

TEST(JsonValueConstructors, RvalueFormsMatchCopyForms) {
  std::string text = "some text long enough to be on the heap, not in the small buffer";
  Object object = SampleObject();
  Array array = SampleArray();
  ExpectSameSlots(Value(std::string(text)), Value(text));
  ExpectSameSlots(Value(Object(object)), Value(object));
  ExpectSameSlots(Value(Array(array)), Value(array));
  ExpectSameSlots(Value(std::move(text)), Value("some text long enough to be on the heap, not in the small buffer"));
  ExpectSameSlots(Value(std::move(object)), Value(SampleObject()));
  ExpectSameSlots(Value(std::move(array)), Value(SampleArray()));
}

// ------------------------------------------------- Copy and assignment rules

TEST(JsonValueCopy, CopyTakesOnlyTheSourcesOwnPayload) {
  // A cleared value keeps its slots, but a copy of it is a null with every
  // slot empty: NullType has no payload.
  Value loaded = FullyLoaded();
  loaded.Clear();
  const Value copy(loaded);
  EXPECT_EQ(copy.GetValueType(), json::NullType);
  ExpectNumericSlotsZero(copy);
  EXPECT_TRUE(copy.ToString().empty());
  EXPECT_EQ(copy.ToObject().size(), 0u);
  EXPECT_EQ(copy.ToArray().size(), 0u);
  EXPECT_FALSE(copy.ToBool());

  // A string value that also carries a number and an object: only the text
  // is copied.
  Value text = FullyLoaded();
  text = Value("kept");
  const Value text_copy(text);
  EXPECT_EQ(text_copy.GetValueType(), json::StringType);
  EXPECT_EQ(text_copy.ToString(), "kept");
  ExpectNumericSlotsZero(text_copy);
  EXPECT_EQ(text_copy.ToObject().size(), 0u);
  EXPECT_FALSE(text_copy.ToBool());

  // A number that also carries a string: only the numbers are copied.
  const Value number = FullyLoaded();
  const Value number_copy(number);
  EXPECT_EQ(number_copy.ToInt(), 77);
  EXPECT_EQ(number_copy.ToDouble(), 77.0);
  EXPECT_TRUE(number_copy.ToString().empty());
  EXPECT_FALSE(number_copy.ToBool());
  EXPECT_EQ(number_copy.ToArray().size(), 0u);
}

TEST(JsonValueAssignment, OtherSlotsKeepTheirContent) {
  Value v("old text");
  v = Value(5);
  EXPECT_EQ(v.GetValueType(), json::IntType);
  EXPECT_EQ(v.ToInt(), 5);
  EXPECT_EQ(v.ToString(), "old text");

  v = Value(true);
  EXPECT_EQ(v.GetValueType(), json::BoolType);
  EXPECT_EQ(v.ToInt(), 5);
  EXPECT_EQ(v.ToString(), "old text");

  v = Value(SampleObject());
  v = Value(SampleArray());
  EXPECT_EQ(v.GetValueType(), json::ArrayType);
  EXPECT_EQ(v.ToObject().size(), 2u);
  EXPECT_TRUE(v.ToBool());
  EXPECT_EQ(v.size(), 2u);

  // Null writes nothing at all.
  v = Value();
  EXPECT_EQ(v.GetValueType(), json::NullType);
  EXPECT_EQ(v.ToInt(), 5);
  EXPECT_EQ(v.ToString(), "old text");
  EXPECT_EQ(v.ToObject().size(), 2u);
  EXPECT_EQ(v.ToArray().size(), 2u);
  EXPECT_TRUE(v.ToBool());
  EXPECT_EQ(v.size(), 1u);

  // A string replaces the string slot only.
  v = Value("new");
  EXPECT_EQ(v.ToString(), "new");
  EXPECT_EQ(v.ToInt(), 5);

  // An object replaces the old object entirely.
  Object other;
  other["z"] = Value(0);
  v = Value(other);
  EXPECT_EQ(v.size(), 1u);
  EXPECT_TRUE(v.HasKey("z"));
  EXPECT_FALSE(v.HasKey("k"));
}

// The move forms are an optimisation only: assigning by move must leave the
// target exactly as assigning by copy does, for a source of every type.
TEST(JsonValueAssignment, MoveAssignmentMatchesCopyAssignment) {
  Value with_cleared_payload = FullyLoaded();
  with_cleared_payload.Clear();
  const std::vector<Value> sources = {
      Value(),         Value(-7),           Value(3000000000u), Value(-5000000000LL), Value(ULLONG_MAX),
      Value(-2.5),     Value(kNaN),         Value(true),        Value(false),         Value("s"),
      Value(std::string(100, 'x')),         Value(SampleObject()), Value(SampleArray()),
      Value(json::ObjectType), Value(json::ArrayType), with_cleared_payload,
      Value(static_cast<ValueType>(15))};
  for (std::size_t i = 0; i < sources.size(); ++i) {
    SCOPED_TRACE(i);
    Value by_copy = FullyLoaded();
    by_copy = sources[i];
    Value by_move = FullyLoaded();
    Value source = sources[i];
    by_move = std::move(source);
    ExpectSameSlots(by_copy, by_move);

    // And construction: copy and move construction agree as well.
    Value source2 = sources[i];
    ExpectSameSlots(Value(sources[i]), Value(std::move(source2)));
  }
}

TEST(JsonValueAssignment, SelfAssignmentChangesNothing) {
  Value v = FullyLoaded();
  v = Value("text");
  Value& alias = v;
  v = alias;
  EXPECT_EQ(v.GetValueType(), json::StringType);
  EXPECT_EQ(v.ToString(), "text");
  EXPECT_EQ(v.ToInt(), 77);
  EXPECT_EQ(v.ToObject().size(), 2u);
  v = std::move(alias);
  EXPECT_EQ(v.GetValueType(), json::StringType);
  EXPECT_EQ(v.ToString(), "text");
  EXPECT_EQ(v.ToObject().size(), 2u);
  EXPECT_EQ(v.ToArray().size(), 2u);
}

// The source may live inside the target: replacing a value by one of its own
// members or elements must copy before releasing (ASan catches the fault).
TEST(JsonValueAssignment, SourceInsideTheTarget) {
  Value v(json::ObjectType);
  v["child"] = Value(SampleObject());
  v["other"] = Value(1);
  v = v["child"];
  EXPECT_EQ(v.GetValueType(), json::ObjectType);
  EXPECT_EQ(v.size(), 2u);
  EXPECT_TRUE(v.HasKey("k"));
  EXPECT_FALSE(v.HasKey("child"));

  Value w(json::ObjectType);
  w["child"] = Value(SampleObject());
  w = std::move(w["child"]);
  EXPECT_EQ(w.size(), 2u);
  EXPECT_TRUE(w.HasKey("s"));

  Array nested;
  nested.push_back(Value(SampleArray()));
  nested.push_back(Value(9));
  Value a(nested);
  a = a[0];
  EXPECT_EQ(a.GetValueType(), json::ArrayType);
  EXPECT_EQ(a.size(), 2u);
  EXPECT_EQ(a[1].ToString(), "two");

  Value b(nested);
  b = std::move(b[0]);
  EXPECT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].ToInt(), 1);

  Object o;
  o["inner"] = Value(SampleObject());
  o = o["inner"].ToObject();
  EXPECT_EQ(o.size(), 2u);
  EXPECT_TRUE(o.HasKey("k"));

  Array arr;
  arr.push_back(Value(SampleArray()));
  arr = arr[0].ToArray();
  EXPECT_EQ(arr.size(), 2u);
  EXPECT_EQ(arr[0].ToInt(), 1);

  Array self_push = SampleArray();
  self_push.push_back(self_push[1]);
  self_push.insert(0, self_push[2]);
  ASSERT_EQ(self_push.size(), 4u);
  EXPECT_EQ(self_push[0].ToString(), "two");
  EXPECT_EQ(self_push[3].ToString(), "two");
}

TEST(JsonValueCopy, CopiesOfObjectsAreIndependent) {
  Value source(SampleObject());
  Value copy(source);
  copy["k"] = Value(2);
  copy["new"] = Value(true);
  EXPECT_EQ(source.size(), 2u);
  EXPECT_EQ(source["k"].ToInt(), 1);
  EXPECT_FALSE(source.HasKey("new"));

  Value assigned;
  assigned = source;
  assigned.ToObject().Clear();
  EXPECT_EQ(source.size(), 2u);

  Object o = SampleObject();
  Object o2(o);
  o2["k"] = Value("changed");
  EXPECT_EQ(o["k"].ToInt(), 1);
  Object o3;
  o3 = o;
  o3.Clear();
  EXPECT_EQ(o.size(), 2u);

  Value arr(SampleArray());
  Value arr_copy = arr;
  arr_copy[0] = Value(100);
  arr_copy.ToArray().push_back(Value());
  EXPECT_EQ(arr[0].ToInt(), 1);
  EXPECT_EQ(arr.size(), 2u);

  // Deep: a nested object is copied too.
  Value outer(json::ObjectType);
  outer["in"] = Value(SampleObject());
  Value outer_copy = outer;
  outer_copy["in"]["k"] = Value(5);
  EXPECT_EQ(outer["in"]["k"].ToInt(), 1);
}

// -------------------------------------------------------------- size, Clear

TEST(JsonValueSize, MembersElementsOrOne) {
  EXPECT_EQ(Value(json::ObjectType).size(), 0u);
  EXPECT_EQ(Value(json::ArrayType).size(), 0u);
  EXPECT_EQ(Value("abc").size(), 1u);
  EXPECT_EQ(Value("").size(), 1u);
  EXPECT_EQ(Value().size(), 1u);
  EXPECT_EQ(Value(0).size(), 1u);
  EXPECT_EQ(Value(1.5).size(), 1u);
  EXPECT_EQ(Value(false).size(), 1u);
  EXPECT_EQ(Value(SampleObject()).size(), 2u);
  Array three = SampleArray();
  three.push_back(Value());
  EXPECT_EQ(Value(three).size(), 3u);
}

TEST(JsonValueClear, ResetsOnlyTheTag) {
  Value v("old text");
  v.Clear();
  EXPECT_EQ(v.GetValueType(), json::NullType);
  EXPECT_EQ(v.ToString(), "old text");
  EXPECT_TRUE(v == Value());

  Value o(SampleObject());
  o.Clear();
  EXPECT_EQ(o.GetValueType(), json::NullType);
  EXPECT_EQ(o.ToObject().size(), 2u);
  EXPECT_EQ(o.size(), 1u);

  Value n(12);
  n.Clear();
  EXPECT_EQ(n.ToInt(), 12);
  EXPECT_EQ(n.ToDouble(), 12.0);
}

// ------------------------------------------------------ Member access by key

TEST(JsonValueKeys, NonConstSubscriptInsertsNull) {
  Value v(json::ObjectType);
  Value& member = v["missing"];
  EXPECT_EQ(member.GetValueType(), json::NullType);
  EXPECT_EQ(v.size(), 1u);
  EXPECT_TRUE(v.HasKey("missing"));
  v[std::string("missing")] = Value(3);
  EXPECT_EQ(v.size(), 1u);
  EXPECT_EQ(v["missing"].ToInt(), 3);
}

TEST(JsonValueKeys, SubscriptOnAnotherTypeUsesTheIdleObjectSlot) {
  Value v(42);
  v["key"] = Value("x");
  EXPECT_EQ(v.GetValueType(), json::IntType);
  EXPECT_EQ(v.ToInt(), 42);
  EXPECT_EQ(v.size(), 1u);
  EXPECT_TRUE(v.HasKey("key"));
  EXPECT_EQ(v.ToObject().size(), 1u);
  EXPECT_EQ(json::Serialize(v), "");

  Value arr(json::ArrayType);
  arr["key"] = Value(1);
  EXPECT_EQ(arr.GetValueType(), json::ArrayType);
  EXPECT_EQ(arr.size(), 0u);
  EXPECT_EQ(json::Serialize(arr), "[]");
}

TEST(JsonValueKeys, ConstSubscriptReadsAnExistingMember) {
  Value v(json::ObjectType);
  v["a"] = Value(1);
  const Value& cv = v;
  EXPECT_EQ(cv["a"].ToInt(), 1);
  EXPECT_EQ(cv[std::string("a")].ToInt(), 1);
  EXPECT_EQ(v.size(), 1u);
  // Outside the contract, but defined here: a missing member reads as null
  // and nothing is inserted.
  EXPECT_EQ(cv["nope"].GetValueType(), json::NullType);
  EXPECT_EQ(v.size(), 1u);
  const Object& co = v.ToObject();
  EXPECT_EQ(co["nope"].GetValueType(), json::NullType);
  EXPECT_EQ(co.size(), 1u);
}

struct HasKeysCase {
  const char* name;
  std::vector<std::string> keys;
  int expected;
};

TEST(JsonValueKeys, HasKeysGivesTheFirstMissingIndex) {
  Value v(json::ObjectType);
  v["a"] = Value(1);
  v["b"] = Value();  // a null member is present
  const std::vector<HasKeysCase> cases = {
      {"first missing in the middle", {"a", "x", "b"}, 1},
      {"all present", {"a", "b"}, -1},
      {"empty list", {}, -1},
      {"first missing", {"x", "a"}, 0},
      {"last missing", {"a", "b", "c"}, 2},
      {"repeated", {"b", "b", "a", "a", "B"}, 4},
      {"prefix is not the key", {"a", "ab"}, 1},
      {"empty key", {""}, 0},
  };
  for (const HasKeysCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(v.HasKeys(c.keys), c.expected);
    EXPECT_EQ(v.ToObject().HasKeys(c.keys), c.expected);
    std::vector<const char*> raw;
    for (const std::string& k : c.keys) raw.push_back(k.c_str());
    raw.push_back(nullptr);  // never read: count excludes it
    EXPECT_EQ(v.HasKeys(raw.data(), static_cast<int>(c.keys.size())), c.expected);
    EXPECT_EQ(v.ToObject().HasKeys(raw.data(), static_cast<int>(c.keys.size())), c.expected);
  }
  const char* missing[] = {"x"};
  EXPECT_EQ(v.HasKeys(missing, 0), -1);
  EXPECT_EQ(v.HasKeys(missing, -1), -1);
  EXPECT_EQ(v.HasKeys(missing, 1), 0);
  EXPECT_TRUE(v.HasKey("b"));
  EXPECT_FALSE(v.HasKey("c"));
}

// ------------------------------------------------------------------- Object

TEST(JsonObject, IteratesInAscendingByteOrder) {
  Object o;
  o["b"] = Value(1);
  o["a"] = Value(2);
  o["B"] = Value(3);
  std::vector<std::string> keys;
  for (const auto& m : o) keys.push_back(m.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"B", "a", "b"}));

  Object bytes;
  bytes["\xC3\xA9"] = Value();  // above 0x7F sorts after ASCII (unsigned)
  bytes["z"] = Value();
  bytes["ab"] = Value();
  bytes["a"] = Value();
  bytes[""] = Value();
  bytes["\x01"] = Value();
  keys.clear();
  for (auto it = bytes.begin(); it != bytes.end(); ++it) keys.push_back(it->first);
  EXPECT_EQ(keys, (std::vector<std::string>{"", "\x01", "a", "ab", "z", "\xC3\xA9"}));
}

// Keys given as a std::string lvalue, a temporary and a text name the same
// member, and the lvalue key is left as it was.
TEST(JsonObject, EveryKeyFormNamesTheSameMember) {
  Object o;
  const std::string long_key = "a key longer than the short-string buffer";
  o[std::string(long_key)] = Value(1);
  EXPECT_EQ(o[long_key].ToInt(), 1);
  o[long_key.c_str()] = Value(2);
  o[std::string(long_key)] = Value(3);
  EXPECT_EQ(o.size(), 1u);
  EXPECT_EQ(o.begin()->first, long_key);
  EXPECT_EQ(o.begin()->second.ToInt(), 3);
  std::string lvalue = "k";
  o[lvalue] = Value(4);
  EXPECT_EQ(lvalue, "k");
  EXPECT_EQ(o.size(), 2u);
}

// A text key finds its member, or adds one, the same way in objects of
// every size: small ones are searched member by member, larger ones through
// the tree. Near misses (a prefix, one more byte, a last byte changed, a key
// with a NUL inside) are other members.
TEST(JsonObject, TextKeysFindTheirMemberAtEverySize) {
  for (int members = 0; members <= 12; ++members) {
    SCOPED_TRACE(members);
    Object o;
    o[std::string("cod\0e", 5)] = Value(-1);
    for (int i = 0; i < members; ++i) o[std::string("code") + std::to_string(i)] = Value(i);
    const std::size_t before = o.size();
    for (int i = 0; i < members; ++i) {
      EXPECT_EQ(o[(std::string("code") + std::to_string(i)).c_str()].ToInt(), i);
    }
    EXPECT_EQ(o.size(), before);
    for (const char* near_miss : {"code", "code00", "cod", "codf", ""}) {
      const std::size_t size = o.size();
      EXPECT_EQ(o[near_miss].GetValueType(), json::NullType) << near_miss;
      EXPECT_EQ(o.size(), size + 1) << near_miss;
    }
    EXPECT_EQ(o[std::string("cod\0e", 5)].ToInt(), -1);
  }
}

TEST(JsonObject, FindHasKeyAndClear) {
  Object o = SampleObject();
  EXPECT_TRUE(o.find("k") != o.end());
  EXPECT_EQ(o.find("k")->second.ToInt(), 1);
  EXPECT_TRUE(o.find("q") == o.end());
  const Object& co = o;
  EXPECT_TRUE(co.find("s") != co.end());
  EXPECT_TRUE(co.find("q") == co.end());
  EXPECT_TRUE(o.HasKey("s"));
  EXPECT_FALSE(o.HasKey("S"));
  o.find("k")->second = Value(9);
  EXPECT_EQ(o["k"].ToInt(), 9);
  o.Clear();
  EXPECT_EQ(o.size(), 0u);
  EXPECT_TRUE(o.begin() == o.end());
  EXPECT_FALSE(o.HasKey("k"));
}

TEST(JsonObject, SelfAssignmentAndMove) {
  Object o = SampleObject();
  Object& alias = o;
  o = alias;
  EXPECT_EQ(o.size(), 2u);
  o = std::move(alias);
  EXPECT_EQ(o.size(), 2u);
  Object moved(std::move(o));
  EXPECT_EQ(moved.size(), 2u);
  Object target;
  target["old"] = Value();
  target = std::move(moved);
  EXPECT_EQ(target.size(), 2u);
  EXPECT_FALSE(target.HasKey("old"));
}

// -------------------------------------------------------------------- Array

TEST(JsonArray, InsertPushBackAndIndexing) {
  Array a;
  a.insert(0, Value(1));
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].ToInt(), 1);
  a.insert(1, Value(3));  // pos == size() appends
  a.insert(1, Value(2));
  a.push_back(Value(4));
  Value five(5);
  a.push_back(std::move(five));
  a.insert(0, Value(0));
  ASSERT_EQ(a.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(a[i].ToInt(), i);
  // Index types other than int.
  EXPECT_EQ(a[std::size_t{2}].ToInt(), 2);
  EXPECT_EQ(a[3L].ToInt(), 3);
  EXPECT_EQ(a[static_cast<unsigned char>(4)].ToInt(), 4);
  const Array& ca = a;
  EXPECT_EQ(ca[5u].ToInt(), 5);
  a[0] = Value("zero");
  EXPECT_EQ(a[0].GetValueType(), json::StringType);

  int expected = 0;
  for (Array::const_iterator it = ca.begin(); it != ca.end(); ++it, ++expected) {
    if (expected > 0) {
      EXPECT_EQ(it->ToInt(), expected);
    }
  }
  EXPECT_EQ(expected, 6);
  a.Clear();
  EXPECT_EQ(a.size(), 0u);
}

TEST(JsonArray, PushBackCopies) {
  Array a;
  Value v("text");
  a.push_back(v);
  v = Value("changed");
  EXPECT_EQ(a[0].ToString(), "text");
}

TEST(JsonArray, FindUsesValueEquality) {
  Array a;
  EXPECT_FALSE(a.HasValue(Value()));
  EXPECT_TRUE(a.find(Value()) == a.end());
  a.push_back(Value(5));
  a.push_back(Value("5"));
  a.push_back(Value());
  a.push_back(Value(5));
  EXPECT_TRUE(a.find(Value(5)) == a.begin());
  EXPECT_TRUE(a.find(Value(5.0)) == a.begin());  // equal across types
  EXPECT_TRUE(a.find(Value(5LL)) == a.begin());
  EXPECT_FALSE(a.HasValue(Value(5u)));              // int vs uint: never equal
  EXPECT_TRUE(a.find(Value("5")) == a.begin() + 1);
  EXPECT_TRUE(a.HasValue(Value()));
  EXPECT_FALSE(a.HasValue(Value(false)));
  const Array& ca = a;
  EXPECT_TRUE(ca.find(Value(json::NullType)) == ca.begin() + 2);
  EXPECT_TRUE(ca.find(Value(6)) == ca.end());
}

TEST(JsonArray, ValueSubscriptReachesTheArraySlot) {
  Value v(SampleArray());
  EXPECT_EQ(v[0].ToInt(), 1);
  EXPECT_EQ(v[1u].ToString(), "two");
  const Value& cv = v;
  EXPECT_EQ(cv[std::size_t{1}].ToString(), "two");
  v[0] = Value(10);
  EXPECT_EQ(v.ToArray()[0].ToInt(), 10);
}

// ----------------------------------------------------------------- Equality

// The numeric equality table, row by row, on equal and unequal numbers.
// kEqualSame: the two numbers are the same (7 seen as each type); the cell
// says whether the table compares them (true) or declares them unequal.
TEST(JsonEquality, NumericTable) {
  const ValueType order[] = {json::IntType, json::UIntType, json::Int64Type, json::UInt64Type,
                             json::DoubleType};
  auto seven = [](ValueType t) -> Value {
    switch (t) {
      case json::IntType: return Value(7);
      case json::UIntType: return Value(7u);
      case json::Int64Type: return Value(7LL);
      case json::UInt64Type: return Value(7ULL);
      default: return Value(7.0);
    }
  };
  auto eight = [](ValueType t) -> Value {
    switch (t) {
      case json::IntType: return Value(8);
      case json::UIntType: return Value(8u);
      case json::Int64Type: return Value(8LL);
      case json::UInt64Type: return Value(8ULL);
      default: return Value(8.0);
    }
  };
  // Rows a, columns b: whether equal numbers compare equal.
  const bool table[5][5] = {
      /*            Int    UInt   Int64  UInt64 Double */
      /* Int    */ {true, false, true, false, true},
      /* UInt   */ {false, true, true, true, true},
      /* Int64  */ {true, true, true, false, true},
      /* UInt64 */ {false, true, false, true, true},
      /* Double */ {true, true, true, true, true},
  };
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 5; ++c) {
      SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
      EXPECT_EQ(seven(order[r]) == seven(order[c]), table[r][c]);
      EXPECT_EQ(seven(order[r]) != seven(order[c]), !table[r][c]);
      EXPECT_FALSE(seven(order[r]) == eight(order[c]));
      EXPECT_TRUE(seven(order[r]) != eight(order[c]));
      EXPECT_EQ(table[r][c], table[c][r]);  // the table is symmetric
    }
  }
}

struct EqualityCase {
  const char* name;
  Value a;
  Value b;
  bool equal;
};

TEST(JsonEquality, Cases) {
  Object ab;
  ab["a"] = Value(1);
  ab["b"] = Value("x");
  Object ab_other_value = ab;
  ab_other_value["b"] = Value("y");
  Object ab_double = ab;
  ab_double["a"] = Value(1.0);
  Object ac;
  ac["a"] = Value(1);
  ac["c"] = Value("x");
  Object a_only;
  a_only["a"] = Value(1);

  Array one_two;
  one_two.push_back(Value(1));
  one_two.push_back(Value(2));
  Array two_one;
  two_one.push_back(Value(2));
  two_one.push_back(Value(1));
  Array one_two_mixed;
  one_two_mixed.push_back(Value(1LL));
  one_two_mixed.push_back(Value(2.0));
  Array one;
  one.push_back(Value(1));

  Value cleared_text("x");
  cleared_text.Clear();
  Value number_with_text = Value("text");
  number_with_text = Value(3);

  const std::vector<EqualityCase> cases = {
      // Null
      {"null null", Value(), Value(json::NullType), true},
      {"null int 0", Value(), Value(0), false},
      {"null false", Value(), Value(false), false},
      {"null empty string", Value(), Value(""), false},
      {"null empty object", Value(), Value(json::ObjectType), false},
      {"null empty array", Value(), Value(json::ArrayType), false},
      {"cleared null", cleared_text, Value(), true},
      // Bool
      {"true true", Value(true), Value(true), true},
      {"false false", Value(false), Value(false), true},
      {"true false", Value(true), Value(false), false},
      {"true 1", Value(true), Value(1), false},
      {"false 0.0", Value(false), Value(0.0), false},
      // String
      {"same text", Value("abc"), Value(std::string("abc")), true},
      {"other text", Value("abc"), Value("abd"), false},
      {"prefix", Value("ab"), Value("abc"), false},
      {"embedded NUL", Value(std::string("a\0b", 3)), Value(std::string("a\0c", 3)), false},
      {"embedded NUL same", Value(std::string("a\0b", 3)), Value(std::string("a\0b", 3)), true},
      {"text vs number", Value("5"), Value(5), false},
      {"number ignores its idle string", number_with_text, Value(3), true},
      // Numbers beyond the 7/8 table
      {"-1 vs 4294967295u", Value(-1), Value(4294967295u), false},
      {"-1 vs -1LL", Value(-1), Value(-1LL), true},
      {"INT_MIN vs int64", Value(INT_MIN), Value(-2147483648LL), true},
      {"int vs int64 low bits only", Value(1), Value(0x100000001LL), false},
      {"uint max vs uint64", Value(4294967295u), Value(4294967295ULL), true},
      {"uint vs int64", Value(4294967295u), Value(4294967295LL), true},
      {"int64 -1 vs uint64 max", Value(-1LL), Value(ULLONG_MAX), false},
      {"5LL vs 5ULL", Value(5LL), Value(5ULL), false},
      {"5 vs 5u", Value(5), Value(5u), false},
      {"5 vs 5.0", Value(5), Value(5.0), true},
      {"5 vs 5.5", Value(5), Value(5.5), false},
      {"int64 2^53+1 as double", Value(9007199254740993LL), Value(9007199254740992.0), true},
      {"uint64 max as double", Value(ULLONG_MAX), Value(18446744073709551616.0), true},
      {"0.0 vs -0.0", Value(0.0), Value(-0.0), true},
      {"NaN vs NaN", Value(kNaN), Value(kNaN), false},
      {"inf vs inf", Value(kInf), Value(kInf), true},
      {"0.1+0.2 vs 0.3", Value(0.1 + 0.2), Value(0.3), false},
      // Objects
      {"same object", Value(ab), Value(Object(ab)), true},
      {"object other value", Value(ab), Value(ab_other_value), false},
      {"object numerically equal member", Value(ab), Value(ab_double), true},
      {"object other key", Value(ab), Value(ac), false},
      {"object fewer members", Value(ab), Value(a_only), false},
      {"empty objects", Value(json::ObjectType), Value(Object()), true},
      {"object vs array", Value(json::ObjectType), Value(json::ArrayType), false},
      // Arrays
      {"same array", Value(one_two), Value(Array(one_two)), true},
      {"array order", Value(one_two), Value(two_one), false},
      {"array numerically equal", Value(one_two), Value(one_two_mixed), true},
      {"array shorter", Value(one_two), Value(one), false},
      {"empty arrays", Value(json::ArrayType), Value(Array()), true},
  };
  for (const EqualityCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.a == c.b, c.equal);
    EXPECT_EQ(c.b == c.a, c.equal);  // symmetric
    EXPECT_EQ(c.a != c.b, !c.equal);
    EXPECT_EQ(c.b != c.a, !c.equal);
  }
}

TEST(JsonEquality, NestedContainersCompareRecursively) {
  Value x(json::ObjectType);
  x["list"] = Value(json::ArrayType);
  x["list"].ToArray().push_back(Value(SampleObject()));
  Value y = x;
  EXPECT_TRUE(x == y);
  y["list"][0]["k"] = Value(2);
  EXPECT_FALSE(x == y);
  y["list"][0]["k"] = Value(1.0);
  EXPECT_TRUE(x == y);
  // Idle slots do not take part.
  y["list"][0]["s"] = Value(5);
  y["list"][0]["s"] = Value("text");  // the idle int slot now holds 5
  EXPECT_TRUE(x == y);
}

}  // namespace
