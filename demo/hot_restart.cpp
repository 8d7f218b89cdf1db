// The hot-restart run of the demo.

#include "hot_restart.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "dart_vm.h"
#include "isolate.h"
#include "native_texts.h"
#include "session.h"
#include "transcript.h"

namespace demo {
namespace {

// Slow enough that the completion generation 1 leaves in flight arrives after
// generation 2 has registered its port, however loaded the machine is.
constexpr int kNetworkDelayMs = 300;

constexpr char kUserId[] = "demo-user";
constexpr char kPeer[] = "alice";
constexpr int32_t kC2CConversation = 1;
constexpr char kMessageParam[] =
    R"({"message_elem_array":[{"elem_type":0,"text_elem_content":"Still there?"}]})";

constexpr int kNewMessageEvent = 7;
constexpr int kTotalUnreadCountEvent = 33;

// What the app keeps outside its isolates, found again by name after a hot
// restart. In Flutter, IsolateNameServer (dart:ui) keeps such names in the
// engine; here, native port ids by name.
using ProcessStore = std::map<std::string, int64_t>;
// Recorded by the isolate that set up the process, and never removed.
constexpr char kSetUpName[] = "zelbridge.set-up";
// The port the current generation registered with the bridge.
constexpr char kPortName[] = "zelbridge.port";

std::string Number(long long value) { return std::to_string(value); }

std::optional<int64_t> Lookup(const ProcessStore& store, const char* name) {
  const auto found = store.find(name);
  if (found == store.end()) return std::nullopt;
  return found->second;
}

struct InFlight {
  std::string user_data;
  int64_t port = 0;
};

// Sets the process up, logs in and leaves a message in flight when its
// isolate ends. Nothing if a step failed.
std::optional<InFlight> RunGeneration1(const BridgeApi& api, ProcessStore& store,
                                       NativeTexts& memory, std::ostream& out, bool raw,
                                       std::chrono::milliseconds wait_bound, int* failures) {
  Heading(out, "generation 1: the app starts; its user_data prefix is \"gen1/\"");
  Transcript transcript(out, raw, "gen 1");
  ReceivePort port;
  Isolate isolate(port, transcript, wait_bound, memory, "gen1/");
  Session session(api, isolate, transcript, WorldConfig(kNetworkDelayMs));

  std::optional<InFlight> in_flight;
  if (session.BindDartApi()) {
    session.RegisterPort();
    const bool set_up_before = Lookup(store, kSetUpName).has_value();
    transcript.Note(std::string("\"") + kSetUpName + "\" is " +
                    (set_up_before ? "recorded" : "not recorded: the process starts afresh"));
    store[kSetUpName] = port.native_port();
    store[kPortName] = port.native_port();
    if (session.StartSdk() && session.RegisterListeners() && session.LogIn()) {
      const char* call = isolate.NewCall("DartSendMessage");
      const std::string message_id =
          api.DartSendMessage(kPeer, kC2CConversation, kMessageParam, call);
      transcript.Call("DartSendMessage",
                      {Quoted(kPeer), Number(kC2CConversation), kMessageParam, Quoted(call)},
                      Quoted(message_id));
      in_flight = InFlight{call, port.native_port()};
    }
  }
  *failures += transcript.failures();
  // The isolate ends on return: its port closes without
  // DartUnregisterSendPort, and the user_data of the call in flight stays
  // allocated, since it belongs to the process.
  return in_flight;
}

// Starts again as the guide says, and reports what became of generation 1's
// call, the events and the closed port.
bool RunGeneration2(const BridgeApi& api, ProcessStore& store, NativeTexts& memory,
                    std::ostream& out, bool raw, std::chrono::milliseconds wait_bound,
                    const InFlight& before) {
  Heading(out,
          "generation 2: main() runs again in a new isolate; its user_data prefix is \"gen2/\"");
  Transcript transcript(out, raw, "gen 2");
  ReceivePort port;
  Isolate isolate(port, transcript, wait_bound, memory, "gen2/");
  Session session(api, isolate, transcript);

  bool walked = session.BindDartApi();
  session.RegisterPort();
  const std::optional<int64_t> set_up = Lookup(store, kSetUpName);
  const std::optional<int64_t> old_port = Lookup(store, kPortName);
  store[kPortName] = port.native_port();
  walked = session.Check(set_up.has_value() && old_port == before.port,
                         "generation 1's records are gone") &&
           walked;
  if (!walked) {
    session.ShutDownSdk();
    session.UnregisterPort();
    return false;
  }
  transcript.Note(std::string("\"") + kSetUpName +
                  "\" is recorded: a hot restart. The SDK, its login and the listeners carry "
                  "over; none is set up again");
  transcript.Note("port " + Number(*old_port) + " of generation 1 is closed but still registered");

  const std::string login_user = api.DartGetLoginUserID();
  transcript.Call("DartGetLoginUserID", {}, Quoted(login_user));
  walked = session.Check(login_user == kUserId, "the login did not carry over");

  const char* call = isolate.NewCall("DartGetConversationList");
  const int started = api.DartGetConversationList(call);
  transcript.Call("DartGetConversationList", {Quoted(call)}, Number(started));
  walked = session.Completed(call).has_value() && walked;
  walked = isolate.AwaitEvent(kNewMessageEvent).has_value() && walked;
  walked = isolate.AwaitEvent(kTotalUnreadCountEvent).has_value() && walked;

  // Every envelope above went to the closed port first, in order of
  // registration, and was refused there.
  const int refused_while_registered = RefusedPosts(*old_port);
  transcript.Note("port " + Number(*old_port) + " refused each of the " +
                  Number(refused_while_registered) +
                  " envelopes above; another port took them, so the bridge keeps it");
  api.DartUnregisterSendPort(*old_port);
  transcript.Call("DartUnregisterSendPort", {Number(*old_port)}, "");

  walked = session.LogOut() && walked;
  session.ShutDownSdk();
  session.UnregisterPort();
  const int refused_after = RefusedPosts(*old_port) - refused_while_registered;

  Heading(out, "generation 1's call [" + before.user_data + "]: " +
                   (isolate.dropped_as_stale() == 1 ? "its completion reached generation 2, "
                                                      "which dropped it as stale"
                                                    : "not dropped as stale"));
  Heading(out, "new-message event 7 reached generation 2 " +
                   Times(isolate.EventsRouted(kNewMessageEvent)) +
                   ", through the listener generation 1 registered");
  Heading(out, "closed port " + Number(*old_port) + ": refused " +
                   Number(refused_while_registered) + " post(s) while it stayed registered, " +
                   Number(refused_after) + " after generation 2 unregistered it");
  walked = session.Check(isolate.dropped_as_stale() == 1,
                         "generation 1's completion was not dropped as stale") &&
           walked;
  walked = session.Check(isolate.EventsRouted(kNewMessageEvent) == 1,
                         "the new-message event did not arrive exactly once") &&
           walked;
  walked = session.Check(refused_while_registered > 0 && refused_after == 0,
                         "the closed port did not refuse posts only while registered") &&
           walked;
  return walked && transcript.failures() == 0;
}

}  // namespace

bool RunHotRestart(const BridgeApi& api, std::ostream& out, bool raw,
                   std::chrono::milliseconds wait_bound) {
  // Memory and records that belong to the process outlive both generations.
  NativeTexts memory;
  ProcessStore store;
  int failures = 0;
  const std::optional<InFlight> in_flight =
      RunGeneration1(api, store, memory, out, raw, wait_bound, &failures);
  if (!in_flight) {
    api.DartUnitSDK();
    return false;
  }
  Heading(out, "hot restart: generation 1's isolate ends with [" + in_flight->user_data +
                   "] in flight; its port " + Number(in_flight->port) +
                   " closes without DartUnregisterSendPort");
  const bool walked = RunGeneration2(api, store, memory, out, raw, wait_bound, *in_flight);
  return walked && failures == 0;
}

}  // namespace demo
