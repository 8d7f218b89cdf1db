// Setting a json::Value in place, for the bridge's per-thread envelope
// storage: each kept envelope's members are set from the SDK's next texts
// and numbers where they are, so that a text is copied into the buffer its
// member already has and no temporary value is made and moved. The value's
// type and the slot of that type are set as the constructor of that type
// sets them; the other slots keep their content, which no reader of that
// type looks at. Internal to the library's users in this repository: not
// part of the JSON interface and never exported.
#ifndef ZELJSON_VALUE_IN_PLACE_H_
#define ZELJSON_VALUE_IN_PLACE_H_

#include <cstddef>
#include <string>

#include "internal_visibility.h"
#include "json.h"

namespace json {

struct ZELJSON_INTERNAL ValueInPlace {
  static std::string& StringOf(Value& value) { return value.mStringVal; }

  // As Value(std::string(text, size)); throws std::bad_alloc, leaving the
  // value as it was, when a longer text needs memory that cannot be had.
  static void SetString(Value& value, const char* text, std::size_t size) {
    std::string& slot = value.mStringVal;
    if (size <= slot.capacity()) {
      // Appending to the emptied text skips what assign checks and moves
      // for a source that may lie inside the string itself.
      slot.clear();
      slot.append(text, size);
    } else {
      slot.assign(text, size);
    }
    value.mValueType = StringType;
  }
  static void SetInt(Value& value, int number) {
    value.SetNumber(number);
    value.mValueType = IntType;
  }
  static void SetUInt(Value& value, unsigned int number) {
    value.SetNumber(number);
    value.mValueType = UIntType;
  }
  static void SetInt64(Value& value, long long number) {
    value.SetNumber(number);
    value.mValueType = Int64Type;
  }
  static void SetUInt64(Value& value, unsigned long long number) {
    value.SetNumber(number);
    value.mValueType = UInt64Type;
  }
  static void SetBool(Value& value, bool truth) {
    value.mBoolVal = truth;
    value.mValueType = BoolType;
  }
};

}  // namespace json

#endif  // ZELJSON_VALUE_IN_PLACE_H_
