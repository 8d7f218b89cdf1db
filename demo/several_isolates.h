// Several isolates of one app using the bridge at once. Every registered port
// receives every envelope: each isolate keeps the completions of its own
// calls, recognised by its user_data prefix, drops the others', and sees
// every event. Isolate 1, the app's main isolate, sets the process up; the
// others only register ports of their own and make calls.
//
// The isolates are simulated by this host program; no Dart VM runs.
#ifndef ZELBRIDGE_DEMO_SEVERAL_ISOLATES_H_
#define ZELBRIDGE_DEMO_SEVERAL_ISOLATES_H_

#include <chrono>
#include <ostream>

#include "bridge_api.h"

namespace demo {

constexpr int kMinIsolates = 2;
constexpr int kMaxIsolates = 9;

// True when each of count isolates got its own completions, dropped every
// other isolate's, and saw each event once.
bool RunSeveralIsolates(const BridgeApi& api, int count, std::ostream& out, bool raw,
                        std::chrono::milliseconds wait_bound);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_SEVERAL_ISOLATES_H_
