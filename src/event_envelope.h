// Building an event envelope: the three common members, then the payload
// members of one kind of event, then delivery.
#ifndef ZELBRIDGE_EVENT_ENVELOPE_H_
#define ZELBRIDGE_EVENT_ENVELOPE_H_

#include <cstdint>

#include "dart_delivery.h"
#include "envelope_storage.h"
#include "json/json.h"

// A text member. A null pointer becomes the empty string wherever it comes
// from, so an SDK that breaks its promise of a non-null text cannot crash the
// adapter.
inline json::Value Text(const char* text) { return EnvelopeText(text != nullptr ? text : ""); }
inline json::Value Int(int32_t value) { return json::Value(static_cast<int>(value)); }
inline json::Value UInt(uint32_t value) { return json::Value(static_cast<unsigned int>(value)); }
inline json::Value Int64(int64_t value) { return json::Value(static_cast<long long>(value)); }
inline json::Value Bool(bool value) { return json::Value(value); }

// Builds the event envelope numbered callback_type, lets fill_payload add the
// event's own members (it may be asked twice), and posts it. Nothing escapes
// into the SDK's thread: an envelope that cannot be built (out of memory)
// reaches Dart as the error envelope.
template <typename FillPayload>
void PostEvent(const void* user_data, int callback_type, FillPayload fill_payload) noexcept {
  PostEnvelope(
      callback_type,
      [&](json::Object& event) {
        event["user_data"] = Text(static_cast<const char*>(user_data));
        event["callback"] = json::Value("globalCallback");
        event["callbackType"] = json::Value(callback_type);
        fill_payload(event);
      },
      [&] {
        SendBuildFailureToDart("globalCallback", callback_type,
                               static_cast<const char*>(user_data));
      });
}

// An event without payload members.
inline void PostEvent(const void* user_data, int callback_type) noexcept {
  PostEvent(user_data, callback_type, [](json::Object&) {});
}

#endif  // ZELBRIDGE_EVENT_ENVELOPE_H_
