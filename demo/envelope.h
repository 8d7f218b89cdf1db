// What a Dart isolate makes of one text posted by the bridge: the completion
// of a call ("apiCallback", matched by user_data), an event ("globalCallback"
// with its callbackType), or the bridge's error envelope (code 6131) standing
// in for either when delivery failed. "base64:" texts are decoded first.
#ifndef ZELBRIDGE_DEMO_ENVELOPE_H_
#define ZELBRIDGE_DEMO_ENVELOPE_H_

#include <string>

#include "json/json.h"

namespace demo {

constexpr int kDeliveryErrorCode = 6131;

struct Envelope {
  enum class Kind { kCompletion, kEvent };

  Kind kind = Kind::kCompletion;
  std::string user_data;
  int callback_type = -1;       // events only
  bool delivery_error = false;  // the error envelope: the original was lost
  bool was_base64 = false;
  json::Object members;  // every member, routing members included

  int code() const;
  std::string desc() const;
  std::string json_param() const;
  // The string member key, or "" when it is missing or not a string.
  std::string Text(const char* key) const;
};

// Decodes one posted text; on failure returns false and says why.
bool DecodeEnvelope(const std::string& posted, Envelope* envelope, std::string* error);

// Standard base64 with "=" padding; false on any other character.
bool DecodeBase64(const std::string& encoded, std::string* decoded);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_ENVELOPE_H_
