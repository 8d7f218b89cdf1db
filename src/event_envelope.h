// Building an event envelope: the three common members, then the payload
// members of one kind of event, then delivery.
#ifndef ZELBRIDGE_EVENT_ENVELOPE_H_
#define ZELBRIDGE_EVENT_ENVELOPE_H_

#include <type_traits>

#include "dart_delivery.h"
#include "envelope_members.h"
#include "envelope_storage.h"
#include "json/json.h"

// Builds the event envelope numbered callback_type, lets fill_payload add the
// event's own members (it may be asked twice), and posts it. Nothing escapes
// into the SDK's thread: an envelope that cannot be built (out of memory)
// reaches Dart as the error envelope.
//
// fill_payload sets members through EnvelopeMembers, as every adapter does.
// One that needs the json::Object itself instead (a nested member, say) is
// given an object of its own, filled by key and serialized as a whole.
template <typename FillPayload>
void PostEvent(const void* user_data, int callback_type, FillPayload fill_payload) noexcept {
  const auto fill_routing = [&](auto& event) {
    event["user_data"] = Text(static_cast<const char*>(user_data));
    event["callback"] = Constant("globalCallback");
    event["callbackType"] = Constant(callback_type);
  };
  const auto build_failed = [&] {
    SendBuildFailureToDart("globalCallback", callback_type, static_cast<const char*>(user_data));
  };
  if constexpr (std::is_invocable_v<FillPayload&, EnvelopeMembers&>) {
    PostEnvelope(
        callback_type,
        [&](EnvelopeMembers& event) {
          fill_routing(event);
          fill_payload(event);
        },
        build_failed);
  } else {
    try {
      json::Object event;
      fill_routing(event);
      fill_payload(event);
      SendDataToDart(event);
    } catch (...) {
      build_failed();
    }
  }
}

// An event without payload members.
inline void PostEvent(const void* user_data, int callback_type) noexcept {
  PostEvent(user_data, callback_type, [](EnvelopeMembers&) {});
}

#endif  // ZELBRIDGE_EVENT_ENVELOPE_H_
