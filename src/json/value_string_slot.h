// The string slot of a json::Value, for the bridge's per-thread envelope
// storage: after an envelope has been delivered, the buffers of its string
// members are moved out and reused for the texts of the thread's next
// envelope, which then needs no allocation for them. Internal to the
// library's users in this repository: not part of the JSON interface and
// never exported.
#ifndef ZELJSON_VALUE_STRING_SLOT_H_
#define ZELJSON_VALUE_STRING_SLOT_H_

#include <string>

#include "internal_visibility.h"
#include "json.h"

namespace json {

struct ZELJSON_INTERNAL ValueStringSlot {
  static std::string& Of(Value& value) { return value.mStringVal; }
};

}  // namespace json

#endif  // ZELJSON_VALUE_STRING_SLOT_H_
