// The stand-in SDK's simulated world: a logged-in user, two peers who answer,
// messages, groups, conversations and signaling invitations, so that a host
// program can walk a whole session without a server.
//
// The world starts when ZelInit's config holds "standin_world": true and ends
// with ZelUninit or Reset. While it runs, operations complete from the
// stand-in's worker thread a short delay after their call (20 ms, or the
// config's "standin_network_delay_ms"; calls made at once complete together),
// events are raised from that thread too, and the test-control completion
// settings are ignored. With a delay of 0 nothing is paced: completions and
// the peers' answers follow at once, still from the worker and in order. A new-message listener
// is added by each registration, as "ZelAdd..." says; the other
// registrations replace the one before. Without the world the stand-in
// behaves exactly as the test-control API sets it.
#ifndef ZELBRIDGE_SDK_STANDIN_WORLD_H_
#define ZELBRIDGE_SDK_STANDIN_WORLD_H_

#include <vector>

#include "sdk/zel_sdk.h"
#include "standin_control.h"

namespace zel_standin {
namespace world {

bool Running();

// Sees every recorded SDK call: starts the world on ZelInit, ends it on
// ZelUninit, and while it runs writes the logged-in user id into the buffer
// of ZelGetLoginUserID.
void Observe(const char* function, const std::vector<Argument>& args);

// Answers an operation while the world runs and returns its integer result;
// the completion follows on the worker thread unless complete is null.
int Operate(const char* function, const std::vector<Argument>& args, ZelCommCallback complete,
            const void* user_data);
int OperateReadMemberList(ZelMsgGroupMessageReadMemberListCallback complete, const void* user_data);

// Ends the world; completions and events still queued are dropped.
void Stop();

}  // namespace world
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_WORLD_H_
