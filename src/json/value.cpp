// json::Value, json::Object, json::Array and value equality.
#include "json.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace json {

namespace {

// The numeric slots of a double: truncation toward zero, saturating at the
// slot's limits, NaN giving 0 (the interface sets no value for these cases;
// this keeps the conversion free of undefined behaviour).
int DoubleToInt(double d) {
  if (!(d == d)) return 0;
  if (d >= 2147483648.0) return std::numeric_limits<int>::max();
  if (d <= -2147483649.0) return std::numeric_limits<int>::min();
  return static_cast<int>(d);
}

unsigned int DoubleToUInt(double d) {
  if (!(d > -1.0)) return 0;  // NaN and everything at or below -1
  if (d >= 4294967296.0) return std::numeric_limits<unsigned int>::max();
  return static_cast<unsigned int>(d);
}

long long DoubleToInt64(double d) {
  if (!(d == d)) return 0;
  if (d >= 9223372036854775808.0) return std::numeric_limits<long long>::max();
  if (d < -9223372036854775808.0) return std::numeric_limits<long long>::min();
  return static_cast<long long>(d);
}

unsigned long long DoubleToUInt64(double d) {
  if (!(d > -1.0)) return 0;
  if (d >= 18446744073709551616.0) return std::numeric_limits<unsigned long long>::max();
  return static_cast<unsigned long long>(d);
}

bool IsNumeric(ValueType t) { return t >= IntType && t <= DoubleType; }

// Returned by the const lookups for a missing member, which callers must not
// ask for: a null value instead of undefined behaviour.
const Value& MissingMember() {
  static const Value kNull;
  return kNull;
}

// Objects of up to this many members, such as the bridge's envelopes, are
// searched member by member when the key is a C string.
constexpr std::size_t kScannedMembers = 8;

// Whether key holds exactly the size bytes at text, compared inline: keys
// are short, and a library call per compare is what makes the tree's
// descent cost more than this scan.
inline bool SameKey(const std::string& key, const char* text, std::size_t size) {
  if (key.size() != size) return false;
  const char* const bytes = key.data();
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] != text[i]) return false;
  }
  return true;
}

}  // namespace

// ---------------------------------------------------------------- Object

Object::Object() = default;
Object::Object(const Object& other) = default;
Object::Object(Object&& other) noexcept = default;
Object::~Object() = default;

// Copy first, then replace: the source may live inside this object (for
// example obj = obj["child"].ToObject()), so the old members must not be
// released before the copy exists.
Object& Object::operator=(const Object& other) {
  if (this != &other) {
    ValueMap copy(other.mValues);
    mValues.swap(copy);
  }
  return *this;
}

Object& Object::operator=(Object&& other) noexcept {
  if (this != &other) {
    ValueMap taken(std::move(other.mValues));
    mValues.swap(taken);
  }
  return *this;
}

Object::iterator Object::begin() { return mValues.begin(); }
Object::iterator Object::end() { return mValues.end(); }
Object::const_iterator Object::begin() const { return mValues.begin(); }
Object::const_iterator Object::end() const { return mValues.end(); }

Object::iterator Object::find(const std::string& key) { return mValues.find(key); }
Object::const_iterator Object::find(const std::string& key) const { return mValues.find(key); }

bool Object::HasKey(const std::string& key) const { return mValues.find(key) != mValues.end(); }

int Object::HasKeys(const std::vector<std::string>& keys) const {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!HasKey(keys[i])) return static_cast<int>(i);
  }
  return -1;
}

int Object::HasKeys(const char** keys, int count) const {
  for (int i = 0; i < count; ++i) {
    if (!HasKey(keys[i])) return i;
  }
  return -1;
}

Value& Object::operator[](const std::string& key) { return mValues[key]; }
Value& Object::operator[](std::string&& key) { return mValues[std::move(key)]; }
Value& Object::operator[](const char* key) {
  if (key != nullptr && mValues.size() <= kScannedMembers) {
    const std::size_t size = std::strlen(key);
    for (auto& member : mValues) {
      if (SameKey(member.first, key, size)) return member.second;
    }
    return mValues[std::string(key, size)];
  }
  return mValues[std::string(key)];
}

const Value& Object::operator[](const std::string& key) const {
  const_iterator it = mValues.find(key);
  return it != mValues.end() ? it->second : MissingMember();
}

const Value& Object::operator[](const char* key) const { return (*this)[std::string(key)]; }

std::size_t Object::size() const { return mValues.size(); }
void Object::Clear() { mValues.clear(); }

// ----------------------------------------------------------------- Array

Array::Array() = default;
Array::Array(const Array& other) = default;
Array::Array(Array&& other) noexcept = default;
Array::~Array() = default;

// As for Object: the source may be an element (or lie deeper) of this array.
Array& Array::operator=(const Array& other) {
  if (this != &other) {
    ValueVector copy(other.mValues);
    mValues.swap(copy);
  }
  return *this;
}

Array& Array::operator=(Array&& other) noexcept {
  if (this != &other) {
    ValueVector taken(std::move(other.mValues));
    mValues.swap(taken);
  }
  return *this;
}

Array::iterator Array::begin() { return mValues.begin(); }
Array::iterator Array::end() { return mValues.end(); }
Array::const_iterator Array::begin() const { return mValues.begin(); }
Array::const_iterator Array::end() const { return mValues.end(); }

std::size_t Array::size() const { return mValues.size(); }

void Array::push_back(const Value& value) { mValues.push_back(value); }
void Array::push_back(Value&& value) { mValues.push_back(std::move(value)); }

void Array::insert(std::size_t pos, const Value& value) {
  mValues.insert(mValues.begin() + static_cast<std::ptrdiff_t>(pos), value);
}

Array::iterator Array::find(const Value& value) {
  for (iterator it = mValues.begin(); it != mValues.end(); ++it) {
    if (*it == value) return it;
  }
  return mValues.end();
}

Array::const_iterator Array::find(const Value& value) const {
  for (const_iterator it = mValues.begin(); it != mValues.end(); ++it) {
    if (*it == value) return it;
  }
  return mValues.end();
}

bool Array::HasValue(const Value& value) const { return find(value) != mValues.end(); }

void Array::Clear() { mValues.clear(); }

Value& Array::At(std::size_t index) { return mValues[index]; }
const Value& Array::At(std::size_t index) const { return mValues[index]; }

// ----------------------------------------------------------------- Value

Value::Value()
    : mValueType(NullType),
      mIntVal(0),
      mUIntVal(0),
      mInt64Val(0),
      mUInt64Val(0),
      mDoubleVal(0.0),
      mBoolVal(false) {}

Value::Value(ValueType type) : Value() { mValueType = type; }

Value::Value(int value) : Value() {
  mValueType = IntType;
  SetNumber(value);
}

Value::Value(unsigned int value) : Value() {
  mValueType = UIntType;
  SetNumber(value);
}

Value::Value(long long value) : Value() {
  mValueType = Int64Type;
  SetNumber(value);
}

Value::Value(unsigned long long value) : Value() {
  mValueType = UInt64Type;
  SetNumber(value);
}

Value::Value(double value) : Value() {
  mValueType = DoubleType;
  SetNumber(value);
}

Value::Value(bool value) : Value() {
  mValueType = BoolType;
  mBoolVal = value;
}

// The string constructors build the text in its slot at once rather than
// assigning it to an empty slot: envelopes are made of such values.
Value::Value(const char* value)
    : mValueType(StringType),
      mIntVal(0),
      mUIntVal(0),
      mInt64Val(0),
      mUInt64Val(0),
      mDoubleVal(0.0),
      mStringVal(value),
      mBoolVal(false) {}

Value::Value(const std::string& value)
    : mValueType(StringType),
      mIntVal(0),
      mUIntVal(0),
      mInt64Val(0),
      mUInt64Val(0),
      mDoubleVal(0.0),
      mStringVal(value),
      mBoolVal(false) {}

Value::Value(std::string&& value)
    : mValueType(StringType),
      mIntVal(0),
      mUIntVal(0),
      mInt64Val(0),
      mUInt64Val(0),
      mDoubleVal(0.0),
      mStringVal(std::move(value)),
      mBoolVal(false) {}

Value::Value(const Object& value) : Value() {
  mValueType = ObjectType;
  mObjectVal = value;
}

Value::Value(Object&& value) : Value() {
  mValueType = ObjectType;
  mObjectVal = std::move(value);
}

Value::Value(const Array& value) : Value() {
  mValueType = ArrayType;
  mArrayVal = value;
}

Value::Value(Array&& value) : Value() {
  mValueType = ArrayType;
  mArrayVal = std::move(value);
}

Value::Value(const Value& other) : Value() { CopyPayloadFrom(other); }

Value::Value(Value&& other) noexcept : Value() { MovePayloadFrom(other); }

Value::~Value() = default;

Value& Value::operator=(const Value& other) {
  if (this != &other) CopyPayloadFrom(other);
  return *this;
}

Value& Value::operator=(Value&& other) noexcept {
  if (this != &other) MovePayloadFrom(other);
  return *this;
}

// The five numeric slots from one number. Conversions between
// integer types of one width are the two's complement reinterpretation,
// which C++ defines for signed-to-unsigned and every implementation the
// library targets gives for unsigned-to-signed.
void Value::SetNumber(int value) {
  mIntVal = value;
  mUIntVal = static_cast<unsigned int>(value);
  mInt64Val = value;
  mUInt64Val = static_cast<unsigned long long>(static_cast<long long>(value));
  mDoubleVal = value;
}

void Value::SetNumber(unsigned int value) {
  mIntVal = static_cast<int>(value);
  mUIntVal = value;
  mInt64Val = static_cast<long long>(value);
  mUInt64Val = value;
  mDoubleVal = value;
}

void Value::SetNumber(long long value) {
  const std::uint32_t low = static_cast<std::uint32_t>(static_cast<unsigned long long>(value));
  mIntVal = static_cast<int>(low);
  mUIntVal = low;
  mInt64Val = value;
  mUInt64Val = static_cast<unsigned long long>(value);
  mDoubleVal = static_cast<double>(value);
}

void Value::SetNumber(unsigned long long value) {
  const std::uint32_t low = static_cast<std::uint32_t>(value);
  mIntVal = static_cast<int>(low);
  mUIntVal = low;
  mInt64Val = static_cast<long long>(value);
  mUInt64Val = value;
  mDoubleVal = static_cast<double>(value);
}

void Value::SetNumber(double value) {
  mIntVal = DoubleToInt(value);
  mUIntVal = DoubleToUInt(value);
  mInt64Val = DoubleToInt64(value);
  mUInt64Val = DoubleToUInt64(value);
  mDoubleVal = value;
}

// Writes only the source's own payload. For objects and arrays the copy is
// made before the old slot content is released, because the source may be
// a member or element of this value's own slot (v = v["child"]); after that
// line the source may no longer exist, so the tag is read first.
void Value::CopyPayloadFrom(const Value& other) {
  const ValueType type = other.mValueType;
  switch (type) {
    case IntType: SetNumber(other.mIntVal); break;
    case UIntType: SetNumber(other.mUIntVal); break;
    case Int64Type: SetNumber(other.mInt64Val); break;
    case UInt64Type: SetNumber(other.mUInt64Val); break;
    case DoubleType: SetNumber(other.mDoubleVal); break;
    case StringType: mStringVal = other.mStringVal; break;
    case ObjectType: {
      Object copy(other.mObjectVal);
      mObjectVal = std::move(copy);
      break;
    }
    case ArrayType: {
      Array copy(other.mArrayVal);
      mArrayVal = std::move(copy);
      break;
    }
    case BoolType: mBoolVal = other.mBoolVal; break;
    case NullType:
    default: break;
  }
  mValueType = type;
}

// The same, taking the payload instead of copying it.
void Value::MovePayloadFrom(Value& other) {
  const ValueType type = other.mValueType;
  switch (type) {
    case StringType: mStringVal = std::move(other.mStringVal); break;
    case ObjectType: {
      Object taken(std::move(other.mObjectVal));
      mObjectVal = std::move(taken);
      break;
    }
    case ArrayType: {
      Array taken(std::move(other.mArrayVal));
      mArrayVal = std::move(taken);
      break;
    }
    default: CopyPayloadFrom(other); return;
  }
  mValueType = type;
}

std::size_t Value::size() const {
  switch (mValueType) {
    case ObjectType: return mObjectVal.size();
    case ArrayType: return mArrayVal.size();
    default: return 1;
  }
}

Value& Value::operator[](const std::string& key) { return mObjectVal[key]; }
Value& Value::operator[](const char* key) { return mObjectVal[key]; }
const Value& Value::operator[](const std::string& key) const { return mObjectVal[key]; }
const Value& Value::operator[](const char* key) const { return mObjectVal[key]; }

bool Value::HasKey(const std::string& key) const { return mObjectVal.HasKey(key); }
int Value::HasKeys(const std::vector<std::string>& keys) const { return mObjectVal.HasKeys(keys); }
int Value::HasKeys(const char** keys, int count) const { return mObjectVal.HasKeys(keys, count); }

void Value::Clear() { mValueType = NullType; }

// --------------------------------------------------------------- Equality

namespace {

// A number as the slot of its own tag holds it.
struct Number {
  ValueType type;
  long long i;            // IntType, Int64Type
  unsigned long long u;   // UIntType, UInt64Type
  double d;               // DoubleType
};

Number ReadNumber(const Value& v) {
  Number n{v.GetValueType(), 0, 0, 0.0};
  switch (n.type) {
    case IntType: n.i = v.ToInt(); n.d = v.ToInt(); break;
    case UIntType: n.u = v.ToUInt(); n.d = v.ToUInt(); break;
    case Int64Type: n.i = v.ToInt64(); n.d = static_cast<double>(v.ToInt64()); break;
    case UInt64Type: n.u = v.ToUInt64(); n.d = static_cast<double>(v.ToUInt64()); break;
    default: n.d = v.ToDouble(); break;
  }
  return n;
}

bool IsSigned(ValueType t) { return t == IntType || t == Int64Type; }

// Equality of numbers: a double on either side compares as doubles; two
// integers compare as integers unless the pair is one of int/uint,
// int/uint64 or int64/uint64, which are never equal.
bool NumbersEqual(const Value& a, const Value& b) {
  const Number x = ReadNumber(a);
  const Number y = ReadNumber(b);
  if (x.type == DoubleType || y.type == DoubleType) return x.d == y.d;
  const bool xs = IsSigned(x.type);
  const bool ys = IsSigned(y.type);
  if (xs && ys) return x.i == y.i;
  if (!xs && !ys) return x.u == y.u;
  // One signed, one unsigned: only UIntType against Int64Type compares.
  const Number& s = xs ? x : y;
  const Number& u = xs ? y : x;
  if (s.type == Int64Type && u.type == UIntType) {
    return s.i == static_cast<long long>(u.u);
  }
  return false;
}

}  // namespace

bool operator==(const Value& a, const Value& b) {
  const ValueType ta = a.GetValueType();
  const ValueType tb = b.GetValueType();
  if (IsNumeric(ta) && IsNumeric(tb)) return NumbersEqual(a, b);
  if (ta != tb) return false;
  switch (ta) {
    case StringType: return a.ToString() == b.ToString();
    case BoolType: return a.ToBool() == b.ToBool();
    case ObjectType: {
      const Object& oa = a.ToObject();
      const Object& ob = b.ToObject();
      if (oa.size() != ob.size()) return false;
      Object::const_iterator ia = oa.begin();
      Object::const_iterator ib = ob.begin();
      for (; ia != oa.end(); ++ia, ++ib) {
        if (ia->first != ib->first || !(ia->second == ib->second)) return false;
      }
      return true;
    }
    case ArrayType: {
      const Array& xa = a.ToArray();
      const Array& xb = b.ToArray();
      if (xa.size() != xb.size()) return false;
      Array::const_iterator ia = xa.begin();
      Array::const_iterator ib = xb.begin();
      for (; ia != xa.end(); ++ia, ++ib) {
        if (!(*ia == *ib)) return false;
      }
      return true;
    }
    case NullType:
    default:
      // Null equals null; a tag outside the ten types carries nothing to
      // compare, so two values with the same such tag are equal too.
      return true;
  }
}

bool operator!=(const Value& a, const Value& b) { return !(a == b); }

}  // namespace json
