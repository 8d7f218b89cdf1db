// A hot restart, played out against the bridge. Flutter's hot restart runs
// main() again in a new isolate without unloading the native library, so the
// bridge, the SDK and everything they hold carry over. Generation 1 sets the
// process up and leaves a call in flight; its isolate then ends and its port
// closes without being unregistered. Generation 2 starts as the guide
// (docs/dart-integration.md) tells an app to: its own port, its own user_data
// prefix, and no second set-up of the SDK or the listeners.
//
// Both generations are simulated by this host program; no Dart VM runs.
#ifndef ZELBRIDGE_DEMO_HOT_RESTART_H_
#define ZELBRIDGE_DEMO_HOT_RESTART_H_

#include <chrono>
#include <ostream>

#include "bridge_api.h"

namespace demo {

// True when generation 2 dropped the stale completion, saw each event once,
// and the closed port took nothing.
bool RunHotRestart(const BridgeApi& api, std::ostream& out, bool raw,
                   std::chrono::milliseconds wait_bound);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_HOT_RESTART_H_
