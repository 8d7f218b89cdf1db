// The demo's walk through a session.

#include "session.h"

#include <string>
#include <vector>

#include "dart_vm.h"
#include "json/json.h"

namespace demo {
namespace {

constexpr uint64_t kSdkAppId = 20240001;
// The stand-in world's default delay, left out of the config when asked for.
constexpr int kDefaultNetworkDelayMs = 20;
constexpr char kUserId[] = "demo-user";
constexpr char kUserSig[] = "demo-user-signature";
constexpr char kMessagePeer[] = "alice";
constexpr char kCallPeer[] = "bob";
constexpr int32_t kC2CConversation = 1;
constexpr char kMessageParam[] =
    R"({"message_elem_array":[{"elem_type":0,"text_elem_content":"Hello Alice, lunch at noon?"}]})";
constexpr char kGroupCreateParam[] =
    R"({"group_create_param_group_name":"Weekend hike","group_create_param_group_type":1})";
constexpr char kCallData[] = R"({"call_type":"audio"})";
constexpr int32_t kCallTimeoutSeconds = 30;

// Event numbers of the bridge.
constexpr int kNetworkStatusEvent = 0;
constexpr int kNewMessageEvent = 7;
constexpr int kGroupTipsEvent = 17;
constexpr int kTotalUnreadCountEvent = 33;
constexpr int kInviteeAcceptedEvent = 62;

std::string Number(long long value) { return std::to_string(value); }

json::Value Parsed(const std::string& text) { return json::Deserialize(text); }

std::string StringMember(const json::Value& object, const char* key) {
  if (object.GetValueType() != json::ObjectType) return "";
  const auto member = object.ToObject().find(key);
  if (member == object.ToObject().end() || member->second.GetValueType() != json::StringType) {
    return "";
  }
  return member->second.ToString();
}

// The text of a message document's first text element.
std::string MessageText(const json::Value& message) {
  if (message.GetValueType() != json::ObjectType) return "";
  const auto elements = message.ToObject().find("message_elem_array");
  if (elements == message.ToObject().end() || elements->second.GetValueType() != json::ArrayType) {
    return "";
  }
  for (const json::Value& element : elements->second.ToArray()) {
    const std::string text = StringMember(element, "text_elem_content");
    if (!text.empty()) return text;
  }
  return "";
}

}  // namespace

std::string WorldConfig(int network_delay_ms) {
  std::string config = R"({"sdk_config_log_level":4,"standin_world":true)";
  if (network_delay_ms != kDefaultNetworkDelayMs) {
    config += R"(,"standin_network_delay_ms":)" + Number(network_delay_ms);
  }
  return config + "}";
}

bool Session::Run() {
  bool walked = BindDartApi();
  if (walked) RegisterPort();
  walked = walked && StartSdk() && RegisterListeners() && LogIn();
  if (walked) {
    walked = MessagePeer() && CreateGroupAndInvite() && FetchConversations() && InvitePeerToCall();
    walked = LogOut() && walked;
  }
  ShutDownSdk();
  UnregisterPort();
  return walked && transcript_.failures() == 0;
}

bool Session::BindDartApi() {
  const intptr_t bound = api_.DartInitDartApiDL(DartApiData());
  transcript_.Call("DartInitDartApiDL", {"<Dart API data>"}, Number(bound));
  return Check(bound == 0, "the bridge did not bind the Dart API");
}

void Session::RegisterPort() {
  api_.DartRegisterSendPort(isolate_.native_port());
  transcript_.Call("DartRegisterSendPort", {Number(isolate_.native_port())}, "");
}

bool Session::StartSdk() {
  const std::string version = api_.DartGetSDKVersion();
  transcript_.Call("DartGetSDKVersion", {}, Quoted(version));

  const int initialised = api_.DartInitSDK(kSdkAppId, sdk_config_.c_str());
  transcript_.Call("DartInitSDK", {Number(kSdkAppId), sdk_config_}, Number(initialised));
  return Check(initialised == 0, "the SDK did not initialise");
}

bool Session::RegisterListeners() {
  // Listener user_data texts live as long as the process: no export takes a
  // listener away, so the SDK hands them back with every event until the
  // process ends. They belong to the process, not to one isolate.
  const struct {
    const char* export_name;
    BridgeApi::Registration registration;
    const char* user_data;
  } listeners[] = {
      {"DartSetNetworkStatusListenerCallback", api_.DartSetNetworkStatusListenerCallback,
       "on-network-status"},
      {"DartSetKickedOfflineCallback", api_.DartSetKickedOfflineCallback, "on-kicked-offline"},
      {"DartAddReceiveNewMsgCallback", api_.DartAddReceiveNewMsgCallback, "on-new-message"},
      {"DartSetGroupTipsEventCallback", api_.DartSetGroupTipsEventCallback, "on-group-tips"},
      {"DartSetConvEventCallback", api_.DartSetConvEventCallback, "on-conversation"},
      {"DartSetConvTotalUnreadMessageCountChangedCallback",
       api_.DartSetConvTotalUnreadMessageCountChangedCallback, "on-total-unread"},
      {"DartSetSignalingReceiveNewInvitationCallback",
       api_.DartSetSignalingReceiveNewInvitationCallback, "on-invitation"},
      {"DartSetSignalingInviteeAcceptedCallback", api_.DartSetSignalingInviteeAcceptedCallback,
       "on-invitee-accepted"},
      {"DartSetSignalingInviteeRejectedCallback", api_.DartSetSignalingInviteeRejectedCallback,
       "on-invitee-rejected"},
  };
  for (const auto& listener : listeners) {
    const int registered = listener.registration(listener.user_data);
    transcript_.Call(listener.export_name, {Quoted(listener.user_data)}, Number(registered));
    if (!Check(registered == 0, std::string(listener.export_name) + " failed")) return false;
  }
  return true;
}

bool Session::LogIn() {
  const char* call = isolate_.NewCall("DartLogin");
  const int started = api_.DartLogin(kUserId, kUserSig, call);
  transcript_.Call("DartLogin", {Quoted(kUserId), Quoted(kUserSig), Quoted(call)}, Number(started));
  if (!Completed(call)) return false;
  const std::optional<Envelope> connected = isolate_.AwaitEvent(kNetworkStatusEvent);
  if (!connected) return false;

  // The buffer is the bridge's and is refilled by the next call: copy it now.
  const std::string login_user = api_.DartGetLoginUserID();
  transcript_.Call("DartGetLoginUserID", {}, Quoted(login_user));
  return Check(login_user == kUserId, "DartGetLoginUserID did not return " + Quoted(kUserId));
}

bool Session::MessagePeer() {
  const char* call = isolate_.NewCall("DartSendMessage");
  const std::string message_id =
      api_.DartSendMessage(kMessagePeer, kC2CConversation, kMessageParam, call);
  transcript_.Call("DartSendMessage",
                   {Quoted(kMessagePeer), Number(kC2CConversation), kMessageParam, Quoted(call)},
                   Quoted(message_id));
  if (!Check(!message_id.empty(), "DartSendMessage returned no message id")) return false;
  const std::optional<Envelope> sent = Completed(call);
  if (!sent) return false;
  const std::string sent_id = StringMember(Parsed(sent->json_param()), "message_msg_id");
  if (!Check(sent_id == message_id, "the completion names message " + Quoted(sent_id) +
                                        ", the call returned " + Quoted(message_id))) {
    return false;
  }

  const std::optional<Envelope> answer = isolate_.AwaitEvent(kNewMessageEvent);
  if (!answer) return false;
  const json::Value messages = Parsed(answer->Text("json_msg_array"));
  if (!Check(messages.GetValueType() == json::ArrayType && messages.size() == 1,
             "the new-message event does not carry one message")) {
    return false;
  }
  transcript_.Note(StringMember(messages[0], "message_sender") +
                   " answered: " + Quoted(MessageText(messages[0])));
  return isolate_.AwaitEvent(kTotalUnreadCountEvent).has_value();
}

bool Session::CreateGroupAndInvite() {
  const char* create = isolate_.NewCall("DartCreateGroup");
  const int create_started = api_.DartCreateGroup(kGroupCreateParam, create);
  transcript_.Call("DartCreateGroup", {kGroupCreateParam, Quoted(create)}, Number(create_started));
  const std::optional<Envelope> created = Completed(create);
  if (!created) return false;
  group_id_ = StringMember(Parsed(created->json_param()), "create_group_result_groupid");
  if (!Check(!group_id_.empty(), "the group was created without an id")) return false;

  json::Object invite_param;
  invite_param["group_invite_member_param_group_id"] = json::Value(group_id_);
  json::Array invitees;
  invitees.push_back(json::Value(kCallPeer));
  invite_param["group_invite_member_param_identifier_array"] = json::Value(invitees);
  const std::string invite_text = json::Serialize(json::Value(invite_param));
  const char* invite = isolate_.NewCall("DartInviteUserToGroup");
  const int invite_started = api_.DartInviteUserToGroup(invite_text.c_str(), invite);
  transcript_.Call("DartInviteUserToGroup", {invite_text, Quoted(invite)}, Number(invite_started));
  if (!Completed(invite)) return false;
  const std::optional<Envelope> tip = isolate_.AwaitEvent(kGroupTipsEvent);
  if (!tip) return false;
  const std::string tip_group =
      StringMember(Parsed(tip->Text("json_group_tip")), "group_tips_elem_group_id");
  return Check(tip_group == group_id_, "the group tip names group " + Quoted(tip_group));
}

bool Session::FetchConversations() {
  const char* call = isolate_.NewCall("DartGetConversationList");
  const int started = api_.DartGetConversationList(call);
  transcript_.Call("DartGetConversationList", {Quoted(call)}, Number(started));
  const std::optional<Envelope> listed = Completed(call);
  if (!listed) return false;
  const json::Value conversations = Parsed(listed->json_param());
  if (!Check(conversations.GetValueType() == json::ArrayType,
             "the conversation list is not a JSON array")) {
    return false;
  }
  std::vector<std::string> names;
  for (const json::Value& conversation : conversations.ToArray()) {
    names.push_back(StringMember(conversation, "conv_show_name"));
    transcript_.Note("conversation " + Quoted(names.back()));
  }
  return Check(names.size() == 2, "expected the conversations with " + std::string(kMessagePeer) +
                                      " and the group, got " + Number(names.size()));
}

bool Session::InvitePeerToCall() {
  const char* call = isolate_.NewCall("DartInvite");
  const std::string invite_id =
      api_.DartInvite(kCallPeer, kCallData, false, "", kCallTimeoutSeconds, nullptr, call);
  transcript_.Call("DartInvite",
                   {Quoted(kCallPeer), kCallData, "false", Quoted(""), Number(kCallTimeoutSeconds),
                    "null", Quoted(call)},
                   Quoted(invite_id));
  if (!Check(!invite_id.empty(), "DartInvite returned no invitation id")) return false;
  if (!Completed(call)) return false;
  const std::optional<Envelope> accepted = isolate_.AwaitEvent(kInviteeAcceptedEvent);
  if (!accepted) return false;
  return Check(
      accepted->Text("invite_id") == invite_id && accepted->Text("invitee") == kCallPeer,
      "the acceptance is not " + std::string(kCallPeer) + "'s answer to " + Quoted(invite_id));
}

bool Session::LogOut() {
  const char* call = isolate_.NewCall("DartLogout");
  const int started = api_.DartLogout(call);
  transcript_.Call("DartLogout", {Quoted(call)}, Number(started));
  return Completed(call).has_value();
}

void Session::ShutDownSdk() {
  const int uninitialised = api_.DartUnitSDK();
  transcript_.Call("DartUnitSDK", {}, Number(uninitialised));
}

void Session::UnregisterPort() {
  api_.DartUnregisterSendPort(isolate_.native_port());
  transcript_.Call("DartUnregisterSendPort", {Number(isolate_.native_port())}, "");
}

std::optional<Envelope> Session::Completed(const char* user_data) {
  std::optional<Envelope> completion = isolate_.AwaitCompletion(user_data);
  if (!completion) return std::nullopt;
  if (!Check(
          completion->code() == 0 && !completion->delivery_error,
          std::string("call ") + user_data + " failed with code " + Number(completion->code()))) {
    return std::nullopt;
  }
  return completion;
}

bool Session::Check(bool condition, const std::string& failure) {
  if (!condition) transcript_.Failure(failure);
  return condition;
}

}  // namespace demo
