// The bridge's own JSON library: a tagged value type, ordered objects,
// arrays, a compact serializer and a lenient parser.
//
// This header depends on the C++ standard library only.
#ifndef ZELBRIDGE_JSON_JSON_H_
#define ZELBRIDGE_JSON_JSON_H_

#include <cstddef>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

// The iOS framework publishes the JSON library by name; every other build
// keeps it internal to the shared library.
#ifndef ZELJSON_API
#define ZELJSON_API
#endif

namespace json {

// The numbers are part of the interface: callers compare against them.
enum ValueType {
  NullType = 0,
  StringType = 1,
  IntType = 2,
  UIntType = 3,
  Int64Type = 4,
  UInt64Type = 5,
  DoubleType = 6,
  ObjectType = 7,
  ArrayType = 8,
  BoolType = 9,
};

// Kinds of open bracket tracked while the parser matches brackets.
enum StackDepthType {
  InObject = 0,
  InArray = 1,
};

class Value;
class Array;

// Members kept in ascending byte order of their keys.
class ZELJSON_API Object {
 public:
  typedef std::map<std::string, Value> ValueMap;
  typedef ValueMap::iterator iterator;
  typedef ValueMap::const_iterator const_iterator;

  Object();
  Object(const Object& other);
  Object(Object&& other) noexcept;
  Object& operator=(const Object& other);
  Object& operator=(Object&& other) noexcept;
  ~Object();

  iterator begin();
  iterator end();
  const_iterator begin() const;
  const_iterator end() const;

  iterator find(const std::string& key);
  const_iterator find(const std::string& key) const;

  bool HasKey(const std::string& key) const;
  // Index of the first key that is missing; -1 when all are present.
  int HasKeys(const std::vector<std::string>& keys) const;
  int HasKeys(const char** keys, int count) const;

  // Missing members are inserted as null. A key passed as a temporary is
  // moved into a new member rather than copied.
  Value& operator[](const std::string& key);
  Value& operator[](std::string&& key);
  Value& operator[](const char* key);
  // The member must exist.
  const Value& operator[](const std::string& key) const;
  const Value& operator[](const char* key) const;

  std::size_t size() const;
  void Clear();

 private:
  ValueMap mValues;
};

// Elements in insertion order.
class ZELJSON_API Array {
 public:
  typedef std::vector<Value> ValueVector;
  typedef ValueVector::iterator iterator;
  typedef ValueVector::const_iterator const_iterator;

  Array();
  Array(const Array& other);
  Array(Array&& other) noexcept;
  Array& operator=(const Array& other);
  Array& operator=(Array&& other) noexcept;
  ~Array();

  iterator begin();
  iterator end();
  const_iterator begin() const;
  const_iterator end() const;

  std::size_t size() const;

  // The index is not checked.
  template <typename Index, typename = typename std::enable_if<std::is_integral<Index>::value>::type>
  Value& operator[](Index index) {
    return At(static_cast<std::size_t>(index));
  }
  template <typename Index, typename = typename std::enable_if<std::is_integral<Index>::value>::type>
  const Value& operator[](Index index) const {
    return At(static_cast<std::size_t>(index));
  }

  void push_back(const Value& value);
  void push_back(Value&& value);
  // Inserts before index pos; pos == size() appends.
  void insert(std::size_t pos, const Value& value);

  iterator find(const Value& value);
  const_iterator find(const Value& value) const;
  bool HasValue(const Value& value) const;

  void Clear();

 private:
  Value& At(std::size_t index);
  const Value& At(std::size_t index) const;

  ValueVector mValues;
};

// One aggregate that carries every representation side by side; the type
// tag says which one is the value. The five numeric slots always hold the
// same number seen five ways. Accessors return their own slot whatever the
// tag says.
class ZELJSON_API Value {
 public:
  Value();
  Value(ValueType type);
  Value(int value);
  Value(unsigned int value);
  Value(long long value);
  Value(unsigned long long value);
  Value(double value);
  Value(bool value);
  Value(const char* value);
  Value(const std::string& value);
  Value(std::string&& value);
  Value(const Object& value);
  Value(Object&& value);
  Value(const Array& value);
  Value(Array&& value);
  Value(const Value& other);
  Value(Value&& other) noexcept;
  ~Value();

  // Writes only the source's own payload; every other slot keeps its content.
  Value& operator=(const Value& other);
  Value& operator=(Value&& other) noexcept;

  ValueType GetValueType() const { return mValueType; }

  int ToInt() const { return mIntVal; }
  unsigned int ToUInt() const { return mUIntVal; }
  long long ToInt64() const { return mInt64Val; }
  unsigned long long ToUInt64() const { return mUInt64Val; }
  double ToDouble() const { return mDoubleVal; }
  bool ToBool() const { return mBoolVal; }
  const std::string& ToString() const { return mStringVal; }
  Object& ToObject() { return mObjectVal; }
  const Object& ToObject() const { return mObjectVal; }
  Array& ToArray() { return mArrayVal; }
  const Array& ToArray() const { return mArrayVal; }

  operator int() const { return mIntVal; }
  operator unsigned int() const { return mUIntVal; }
  operator long long() const { return mInt64Val; }
  operator unsigned long long() const { return mUInt64Val; }
  operator double() const { return mDoubleVal; }
  operator bool() const { return mBoolVal; }
  operator std::string() const { return mStringVal; }
  operator Object() const { return mObjectVal; }
  operator Array() const { return mArrayVal; }

  // Members for objects, elements for arrays, 1 for every other type.
  std::size_t size() const;

  // Element of the array slot; neither the index nor the tag is checked.
  template <typename Index, typename = typename std::enable_if<std::is_integral<Index>::value>::type>
  Value& operator[](Index index) {
    return mArrayVal[static_cast<std::size_t>(index)];
  }
  template <typename Index, typename = typename std::enable_if<std::is_integral<Index>::value>::type>
  const Value& operator[](Index index) const {
    return mArrayVal[static_cast<std::size_t>(index)];
  }

  // Member of the object slot, inserted as null when missing; the tag is not
  // checked or changed.
  Value& operator[](const std::string& key);
  Value& operator[](const char* key);
  // The member must exist.
  const Value& operator[](const std::string& key) const;
  const Value& operator[](const char* key) const;

  bool HasKey(const std::string& key) const;
  int HasKeys(const std::vector<std::string>& keys) const;
  int HasKeys(const char** keys, int count) const;

  // Sets the tag to NullType; the slots keep their contents.
  void Clear();

 private:
  // Lets the bridge set a kept envelope's members where they lie, and give
  // back the buffers of texts too large to keep (value_in_place.h); no part
  // of the interface.
  friend struct ValueInPlace;

  void SetNumber(int value);
  void SetNumber(unsigned int value);
  void SetNumber(long long value);
  void SetNumber(unsigned long long value);
  void SetNumber(double value);
  void CopyPayloadFrom(const Value& other);
  void MovePayloadFrom(Value& other);

  ValueType mValueType;
  int mIntVal;
  unsigned int mUIntVal;
  long long mInt64Val;
  unsigned long long mUInt64Val;
  double mDoubleVal;
  std::string mStringVal;
  Object mObjectVal;
  Array mArrayVal;
  bool mBoolVal;
};

ZELJSON_API bool operator==(const Value& a, const Value& b);
ZELJSON_API bool operator!=(const Value& a, const Value& b);

// Compact text of an object or array; the empty string for any other type.
ZELJSON_API std::string Serialize(const Value& value);

// A value parsed from an object or array text; null on failure. The
// const char* form refuses null pointers and texts of 2 MiB or more.
ZELJSON_API Value Deserialize(const char* text);
ZELJSON_API Value Deserialize(const std::string& text);

}  // namespace json

#endif  // ZELBRIDGE_JSON_JSON_H_
