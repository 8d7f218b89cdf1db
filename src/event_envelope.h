// Building an event envelope: the three common members, then the payload
// members of one kind of event, then delivery.
#ifndef ZELBRIDGE_EVENT_ENVELOPE_H_
#define ZELBRIDGE_EVENT_ENVELOPE_H_

#include "dart_delivery.h"
#include "envelope_members.h"
#include "envelope_storage.h"
#include "json/json.h"

// Builds the event envelope numbered callback_type, lets fill_payload add the
// event's own members through EnvelopeMembers (it may be asked three times),
// and posts it. Nothing escapes into the SDK's thread: an envelope that
// cannot be built (out of memory) reaches Dart as the error envelope.
template <typename FillPayload>
void PostEvent(const void* user_data, int callback_type, FillPayload fill_payload) noexcept {
  PostEnvelope(
      callback_type,
      [&](EnvelopeMembers& event) {
        event["user_data"] = Text(static_cast<const char*>(user_data));
        event["callback"] = Constant("globalCallback");
        event["callbackType"] = Constant(callback_type);
        fill_payload(event);
      },
      [&] {
        SendBuildFailureToDart("globalCallback", callback_type,
                               static_cast<const char*>(user_data));
      });
}

// An event without payload members.
inline void PostEvent(const void* user_data, int callback_type) noexcept {
  PostEvent(user_data, callback_type, [](EnvelopeMembers&) {});
}

#endif  // ZELBRIDGE_EVENT_ENVELOPE_H_
