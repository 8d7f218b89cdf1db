// Readable names of the bridge's events, by callbackType.
#ifndef ZELBRIDGE_DEMO_EVENT_NAMES_H_
#define ZELBRIDGE_DEMO_EVENT_NAMES_H_

namespace demo {

// The name of the registration export without "DartSet"/"DartAdd" and
// "Callback" (7 is "ReceiveNewMsg"); "Unknown" outside 0 to 67.
const char* EventName(int callback_type);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_EVENT_NAMES_H_
