// The session the demo walks, step by step as an app would: bind the Dart
// API, register a port, start the SDK, register listeners, log in, message a
// peer, create a group and invite a member, fetch the conversation list,
// invite a peer to a call, log out, shut the SDK down and close the port.
#ifndef ZELBRIDGE_DEMO_SESSION_H_
#define ZELBRIDGE_DEMO_SESSION_H_

#include <optional>
#include <string>

#include "bridge_api.h"
#include "envelope.h"
#include "isolate.h"
#include "transcript.h"

namespace demo {

// The SDK config of the walk. A real SDK ignores the members it does not
// know; the stand-in SDK simulates a small world of users, groups and
// conversations when it is asked to, and completes operations after the
// delay it is given.
std::string WorldConfig(int network_delay_ms);

class Session {
 public:
  Session(const BridgeApi& api, Isolate& isolate, Transcript& transcript,
          std::string sdk_config = WorldConfig(20))
      : api_(api), isolate_(isolate), transcript_(transcript), sdk_config_(std::move(sdk_config)) {}

  // True when every call returned what it should and every expected
  // completion (with code 0) and event arrived in time.
  bool Run();

  // The walk's steps.
  bool BindDartApi();
  void RegisterPort();
  // The process's one-time set-up after the port: the SDK and the listeners.
  bool StartSdk();
  bool RegisterListeners();
  bool LogIn();
  bool MessagePeer();
  bool CreateGroupAndInvite();
  bool FetchConversations();
  bool InvitePeerToCall();
  bool LogOut();
  void ShutDownSdk();
  void UnregisterPort();

  // The completion of a call, if it arrived with code 0.
  std::optional<Envelope> Completed(const char* user_data);
  bool Check(bool condition, const std::string& failure);

 private:
  const BridgeApi& api_;
  Isolate& isolate_;
  Transcript& transcript_;
  std::string sdk_config_;
  std::string group_id_;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_SESSION_H_
