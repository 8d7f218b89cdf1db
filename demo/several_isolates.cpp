// The several-isolates run of the demo.

#include "several_isolates.h"

#include <memory>
#include <string>
#include <vector>

#include "dart_vm.h"
#include "isolate.h"
#include "json/json.h"
#include "native_texts.h"
#include "session.h"
#include "transcript.h"

namespace demo {
namespace {

constexpr char kPeer[] = "alice";
constexpr int32_t kC2CConversation = 1;
constexpr char kMessageParam[] =
    R"({"message_elem_array":[{"elem_type":0,"text_elem_content":"Hello from isolate 1"}]})";

constexpr int kNewMessageEvent = 7;
constexpr int kTotalUnreadCountEvent = 33;

std::string Number(long long value) { return std::to_string(value); }

struct AppIsolate {
  AppIsolate(int number, const BridgeApi& api, NativeTexts& memory, std::ostream& out, bool raw,
             std::chrono::milliseconds wait_bound)
      : name("isolate " + Number(number)),
        prefix("isolate" + Number(number) + "/"),
        transcript(out, raw, name),
        isolate(port, transcript, wait_bound, memory, prefix),
        session(api, isolate, transcript) {}

  std::string name;
  std::string prefix;
  Transcript transcript;
  ReceivePort port;
  Isolate isolate;
  Session session;
  const char* call = nullptr;  // the call whose completion it waits for
};

// Isolate 1 messages a peer, who answers; the others each create a group.
void StartCall(const BridgeApi& api, AppIsolate& app, int number) {
  if (number == 1) {
    app.call = app.isolate.NewCall("DartSendMessage");
    const std::string message_id =
        api.DartSendMessage(kPeer, kC2CConversation, kMessageParam, app.call);
    app.transcript.Call("DartSendMessage",
                        {Quoted(kPeer), Number(kC2CConversation), kMessageParam, Quoted(app.call)},
                        Quoted(message_id));
    return;
  }
  json::Object param;
  param["group_create_param_group_name"] = json::Value("Group of " + app.name);
  param["group_create_param_group_type"] = json::Value(1);
  const std::string param_text = json::Serialize(json::Value(param));
  app.call = app.isolate.NewCall("DartCreateGroup");
  const int started = api.DartCreateGroup(param_text.c_str(), app.call);
  app.transcript.Call("DartCreateGroup", {param_text, Quoted(app.call)}, Number(started));
}

}  // namespace

bool RunSeveralIsolates(const BridgeApi& api, int count, std::ostream& out, bool raw,
                        std::chrono::milliseconds wait_bound) {
  // The user_data texts belong to the process, whichever isolate allocates them.
  NativeTexts memory;
  std::vector<std::unique_ptr<AppIsolate>> apps;
  for (int number = 1; number <= count; ++number) {
    apps.push_back(std::make_unique<AppIsolate>(number, api, memory, out, raw, wait_bound));
  }
  for (const auto& app : apps) {
    for (const auto& other : apps) {
      if (other != app) app->isolate.KnowSibling(other->prefix, other->name);
    }
  }

  AppIsolate& main_isolate = *apps.front();
  Heading(out, main_isolate.name +
                   ", the app's main isolate, sets up the process; user_data prefix \"" +
                   main_isolate.prefix + "\"");
  bool walked = main_isolate.session.BindDartApi();
  if (walked) main_isolate.session.RegisterPort();
  walked = walked && main_isolate.session.StartSdk() && main_isolate.session.RegisterListeners() &&
           main_isolate.session.LogIn();
  if (!walked) {
    main_isolate.session.ShutDownSdk();
    main_isolate.session.UnregisterPort();
    return false;
  }

  for (std::size_t i = 1; i < apps.size(); ++i) {
    Heading(out, apps[i]->name + " starts: a port of its own, no listeners; user_data prefix \"" +
                     apps[i]->prefix + "\"");
    apps[i]->session.RegisterPort();
  }
  for (std::size_t i = 0; i < apps.size(); ++i) StartCall(api, *apps[i], static_cast<int>(i) + 1);
  for (const auto& app : apps) {
    walked = app->session.Completed(app->call).has_value() && walked;
    walked = app->isolate.AwaitEvent(kNewMessageEvent).has_value() && walked;
    walked = app->isolate.AwaitEvent(kTotalUnreadCountEvent).has_value() && walked;
  }

  for (std::size_t i = 1; i < apps.size(); ++i) {
    Heading(out, apps[i]->name + " exits: it unregisters its port before closing it");
    apps[i]->session.UnregisterPort();
  }
  walked = main_isolate.session.LogOut() && walked;
  main_isolate.session.ShutDownSdk();
  main_isolate.session.UnregisterPort();

  const int others = count - 1;
  for (const auto& app : apps) {
    Heading(out, app->name + " kept its own completions, dropped " +
                     Number(app->isolate.dropped_from_siblings()) +
                     " of other isolates and saw new-message event 7 " +
                     Times(app->isolate.EventsRouted(kNewMessageEvent)));
    walked = app->session.Check(app->isolate.dropped_from_siblings() == others,
                                "expected to drop " + Number(others) + " completion(s)") &&
             walked;
    walked = app->session.Check(app->isolate.dropped_as_stale() == 0,
                                "dropped completions that no isolate owns") &&
             walked;
    walked = app->session.Check(app->isolate.EventsRouted(kNewMessageEvent) == 1,
                                "the new-message event did not arrive exactly once") &&
             walked;
    walked = app->transcript.failures() == 0 && walked;
  }
  return walked;
}

}  // namespace demo
