// The stand-in SDK's test control as C functions for the Dart suite.

#include "standin_control_c.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "dart_api_dl.h"
#include "json/json.h"
#include "sdk/zel_sdk.h"
#include "standin_control.h"

namespace {

constexpr char kReadMemberListFunction[] = "ZelMsgGetGroupMessageReadMemberList";

char* Copy(const std::string& text) {
  char* const copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

std::string Address(const void* pointer) {
  return std::to_string(reinterpret_cast<uintptr_t>(pointer));
}

// Runs task where thread says; a task for a new thread is joined.
template <typename Task>
void RunOn(int32_t thread, Task task) {
  switch (thread) {
    case kZelStandinNewThread:
      std::thread(task).join();
      return;
    case kZelStandinWorker:
      zel_standin::RunOnWorker(task);
      return;
    default:
      task();
      return;
  }
}

// One event argument from its JSON form; false when it does not fit the type.
class EventArgument {
 public:
  explicit EventArgument(const json::Value& value) : value_(value) {
    if (value.GetValueType() == json::ObjectType && value.ToObject().HasKey("null")) {
      null_ = true;
    } else if (value.GetValueType() == json::ObjectType && value.ToObject().HasKey("hex")) {
      const std::string hex = value.ToObject()["hex"].ToString();
      for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes_.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
      }
      has_bytes_ = true;
    } else if (value.GetValueType() == json::StringType) {
      bytes_ = value.ToString();
      has_bytes_ = true;
    }
  }

  template <typename T>
  bool Fits() const {
    if constexpr (std::is_same_v<T, const char*>) {
      return has_bytes_ || null_;
    } else if constexpr (std::is_same_v<T, bool>) {
      return value_.GetValueType() == json::BoolType;
    } else {
      return IsNumber();
    }
  }

  template <typename T>
  T As() const {
    if constexpr (std::is_same_v<T, const char*>) {
      return has_bytes_ ? bytes_.c_str() : nullptr;
    } else if constexpr (std::is_same_v<T, bool>) {
      return value_.ToBool();
    } else {
      return static_cast<T>(Number());
    }
  }

 private:
  bool IsNumber() const {
    switch (value_.GetValueType()) {
      case json::IntType:
      case json::UIntType:
      case json::Int64Type:
      case json::UInt64Type:
        return true;
      default:
        return false;
    }
  }

  uint64_t Number() const {
    switch (value_.GetValueType()) {
      case json::IntType:
        return static_cast<uint64_t>(static_cast<int64_t>(value_.ToInt()));
      case json::UIntType:
        return value_.ToUInt();
      case json::Int64Type:
        return static_cast<uint64_t>(value_.ToInt64());
      default:
        return value_.ToUInt64();
    }
  }

  json::Value value_;
  std::string bytes_;
  bool has_bytes_ = false;
  bool null_ = false;
};

template <typename Given, std::size_t... I>
bool FitAll(const std::vector<EventArgument>& arguments, std::index_sequence<I...>) {
  return (arguments[I].template Fits<std::tuple_element_t<I, Given>>() && ... && true);
}

template <typename Given, typename Callback, std::size_t... I>
void CallWith(Callback callback, const std::vector<EventArgument>& arguments, const void* user_data,
              std::index_sequence<I...>) {
  callback(arguments[I].template As<std::tuple_element_t<I, Given>>()..., user_data);
}

// A sample argument of type T: "sample", 1 or true.
template <typename T>
EventArgument SampleArgument() {
  if constexpr (std::is_same_v<T, const char*>) {
    return EventArgument(json::Value("sample"));
  } else if constexpr (std::is_same_v<T, bool>) {
    return EventArgument(json::Value(true));
  } else {
    return EventArgument(json::Value(1));
  }
}

// Calls a listener with the arguments (sample ones when given is null), then
// its user_data; -2 when they do not fit its parameters.
template <typename... Params>
int32_t Invoke(void (*callback)(Params...), const std::vector<EventArgument>* given,
               const void* user_data, int32_t thread) {
  using Given = std::tuple<Params...>;
  using GivenIndices = std::make_index_sequence<sizeof...(Params) - 1>;  // all but user_data
  std::vector<EventArgument> arguments;
  if (given != nullptr) {
    arguments = *given;
  } else {
    arguments = {SampleArgument<Params>()...};
    arguments.pop_back();  // the user_data parameter's
  }
  if (arguments.size() != sizeof...(Params) - 1) return -2;
  if (!FitAll<Given>(arguments, GivenIndices())) return -2;
  RunOn(thread, [=] { CallWith<Given>(callback, arguments, user_data, GivenIndices()); });
  return 0;
}

// Raises a listener's event with the arguments, or sample ones when null.
using RaiseFunction = int32_t (*)(const zel_standin::Listener& listener,
                                  const std::vector<EventArgument>* arguments, int32_t thread);

template <typename Callback>
int32_t Raise(const zel_standin::Listener& listener, const std::vector<EventArgument>* arguments,
              int32_t thread) {
  return Invoke(reinterpret_cast<Callback>(const_cast<void*>(listener.callback)), arguments,
                listener.user_data, thread);
}

struct EventKind {
  const char* registration;
  RaiseFunction raise;
};

// Every listener the SDK takes, by its registration function, in the order of
// the events' callbackType.
const EventKind kEventKinds[] = {
    {"ZelSetNetworkStatusListenerCallback", &Raise<ZelNetworkStatusListenerCallback>},
    {"ZelSetKickedOfflineCallback", &Raise<ZelKickedOfflineCallback>},
    {"ZelSetUserSigExpiredCallback", &Raise<ZelUserSigExpiredCallback>},
    {"ZelSetSelfInfoUpdatedCallback", &Raise<ZelSelfInfoUpdatedCallback>},
    {"ZelSetUserStatusChangedCallback", &Raise<ZelUserStatusChangedCallback>},
    {"ZelSetUserInfoChangedCallback", &Raise<ZelUserInfoChangedCallback>},
    {"ZelSetLogCallback", &Raise<ZelLogCallback>},
    {"ZelAddRecvNewMsgCallback", &Raise<ZelRecvNewMsgCallback>},
    {"ZelSetMsgElemUploadProgressCallback", &Raise<ZelMsgElemUploadProgressCallback>},
    {"ZelSetMsgReadedReceiptCallback", &Raise<ZelMsgReadedReceiptCallback>},
    {"ZelSetMsgRevokeCallback", &Raise<ZelMsgRevokeCallback>},
    {"ZelSetMsgUpdateCallback", &Raise<ZelMsgUpdateCallback>},
    {"ZelSetMsgExtensionsChangedCallback", &Raise<ZelMsgExtensionsChangedCallback>},
    {"ZelSetMsgExtensionsDeletedCallback", &Raise<ZelMsgExtensionsDeletedCallback>},
    {"ZelSetMsgReactionsChangedCallback", &Raise<ZelMsgReactionsChangedCallback>},
    {"ZelSetMsgAllMessageReceiveOptionCallback", &Raise<ZelMsgAllMessageReceiveOptionCallback>},
    {"ZelSetMsgGroupPinnedMessageChangedCallback", &Raise<ZelMsgGroupPinnedMessageChangedCallback>},
    {"ZelSetGroupTipsEventCallback", &Raise<ZelGroupTipsEventCallback>},
    {"ZelSetGroupAttributeChangedCallback", &Raise<ZelGroupAttributeChangedCallback>},
    {"ZelSetGroupCounterChangedCallback", &Raise<ZelGroupCounterChangedCallback>},
    {"ZelSetCommunityCreateTopicCallback", &Raise<ZelCommunityCreateTopicCallback>},
    {"ZelSetCommunityDeleteTopicCallback", &Raise<ZelCommunityDeleteTopicCallback>},
    {"ZelSetCommunityChangeTopicInfoCallback", &Raise<ZelCommunityChangeTopicInfoCallback>},
    {"ZelSetCommunityReceiveTopicRESTCustomDataCallback",
     &Raise<ZelCommunityReceiveTopicRESTCustomDataCallback>},
    {"ZelSetCommunityCreatePermissionGroupCallback",
     &Raise<ZelCommunityCreatePermissionGroupCallback>},
    {"ZelSetCommunityDeletePermissionGroupCallback",
     &Raise<ZelCommunityDeletePermissionGroupCallback>},
    {"ZelSetCommunityChangePermissionGroupInfoCallback",
     &Raise<ZelCommunityChangePermissionGroupInfoCallback>},
    {"ZelSetCommunityAddMembersToPermissionGroupCallback",
     &Raise<ZelCommunityAddMembersToPermissionGroupCallback>},
    {"ZelSetCommunityRemoveMembersFromPermissionGroupCallback",
     &Raise<ZelCommunityRemoveMembersFromPermissionGroupCallback>},
    {"ZelSetCommunityAddTopicPermissionCallback", &Raise<ZelCommunityAddTopicPermissionCallback>},
    {"ZelSetCommunityDeleteTopicPermissionCallback",
     &Raise<ZelCommunityDeleteTopicPermissionCallback>},
    {"ZelSetCommunityModifyTopicPermissionCallback",
     &Raise<ZelCommunityModifyTopicPermissionCallback>},
    {"ZelSetConvEventCallback", &Raise<ZelConvEventCallback>},
    {"ZelSetConvTotalUnreadMessageCountChangedCallback",
     &Raise<ZelConvTotalUnreadMessageCountChangedCallback>},
    {"ZelSetConvUnreadMessageCountChangedByFilterCallback",
     &Raise<ZelConvUnreadMessageCountChangedByFilterCallback>},
    {"ZelSetConvConversationGroupCreatedCallback", &Raise<ZelConvConversationGroupCreatedCallback>},
    {"ZelSetConvConversationGroupDeletedCallback", &Raise<ZelConvConversationGroupDeletedCallback>},
    {"ZelSetConvConversationGroupNameChangedCallback",
     &Raise<ZelConvConversationGroupNameChangedCallback>},
    {"ZelSetConvConversationsAddedToGroupCallback",
     &Raise<ZelConvConversationsAddedToGroupCallback>},
    {"ZelSetConvConversationsDeletedFromGroupCallback",
     &Raise<ZelConvConversationsDeletedFromGroupCallback>},
    {"ZelSetOnAddFriendCallback", &Raise<ZelOnAddFriendCallback>},
    {"ZelSetOnDeleteFriendCallback", &Raise<ZelOnDeleteFriendCallback>},
    {"ZelSetUpdateFriendProfileCallback", &Raise<ZelUpdateFriendProfileCallback>},
    {"ZelSetFriendAddRequestCallback", &Raise<ZelFriendAddRequestCallback>},
    {"ZelSetFriendApplicationListDeletedCallback", &Raise<ZelFriendApplicationListDeletedCallback>},
    {"ZelSetFriendApplicationListReadCallback", &Raise<ZelFriendApplicationListReadCallback>},
    {"ZelSetFriendBlackListAddedCallback", &Raise<ZelFriendBlackListAddedCallback>},
    {"ZelSetFriendBlackListDeletedCallback", &Raise<ZelFriendBlackListDeletedCallback>},
    {"ZelSetFriendGroupCreatedCallback", &Raise<ZelFriendGroupCreatedCallback>},
    {"ZelSetFriendGroupDeletedCallback", &Raise<ZelFriendGroupDeletedCallback>},
    {"ZelSetFriendGroupNameChangedCallback", &Raise<ZelFriendGroupNameChangedCallback>},
    {"ZelSetFriendsAddedToGroupCallback", &Raise<ZelFriendsAddedToGroupCallback>},
    {"ZelSetFriendsDeletedFromGroupCallback", &Raise<ZelFriendsDeletedFromGroupCallback>},
    {"ZelSetOfficialAccountSubscribedCallback", &Raise<ZelOfficialAccountSubscribedCallback>},
    {"ZelSetOfficialAccountUnsubscribedCallback", &Raise<ZelOfficialAccountUnsubscribedCallback>},
    {"ZelSetOfficialAccountDeletedCallback", &Raise<ZelOfficialAccountDeletedCallback>},
    {"ZelSetOfficialAccountInfoChangedCallback", &Raise<ZelOfficialAccountInfoChangedCallback>},
    {"ZelSetMyFollowingListChangedCallback", &Raise<ZelMyFollowingListChangedCallback>},
    {"ZelSetMyFollowersListChangedCallback", &Raise<ZelMyFollowersListChangedCallback>},
    {"ZelSetMutualFollowersListChangedCallback", &Raise<ZelMutualFollowersListChangedCallback>},
    {"ZelSetSignalingReceiveNewInvitationCallback",
     &Raise<ZelSignalingReceiveNewInvitationCallback>},
    {"ZelSetSignalingInvitationCancelledCallback", &Raise<ZelSignalingInvitationCancelledCallback>},
    {"ZelSetSignalingInviteeAcceptedCallback", &Raise<ZelSignalingInviteeAcceptedCallback>},
    {"ZelSetSignalingInviteeRejectedCallback", &Raise<ZelSignalingInviteeRejectedCallback>},
    {"ZelSetSignalingInvitationTimeoutCallback", &Raise<ZelSignalingInvitationTimeoutCallback>},
    {"ZelSetSignalingInvitationModifiedCallback", &Raise<ZelSignalingInvitationModifiedCallback>},
    {"ZelSetExperimentalNotifyCallback", &Raise<ZelExperimentalNotifyCallback>},
    {"ZelSetMsgTTSResponseCallback", &Raise<ZelMsgTTSResponseCallback>},
};

// Raises the event of the latest listener of the registration; -1 without one.
int32_t RaiseWith(const char* registration, const std::vector<EventArgument>* arguments,
                  int32_t thread) {
  const std::optional<zel_standin::Listener> listener =
      zel_standin::RegisteredListener(registration);
  if (!listener) return -1;
  for (const EventKind& kind : kEventKinds) {
    if (std::strcmp(kind.registration, registration) == 0) {
      return kind.raise(*listener, arguments, thread);
    }
  }
  return -1;
}

std::mutex load_mutex_;
std::vector<std::thread> load_threads_;

// The text of one load event: "<thread>:<sequence>:" and padding, each
// padding byte a letter derived from thread, sequence and position.
std::string LoadText(int32_t thread, int32_t sequence, int32_t text_bytes) {
  std::string text = std::to_string(thread) + ":" + std::to_string(sequence) + ":";
  for (int32_t i = static_cast<int32_t>(text.size()); i < text_bytes; ++i) {
    text.push_back(static_cast<char>('a' + (thread * 7 + sequence * 3 + i) % 26));
  }
  return text;
}

}  // namespace

extern "C" {

void ZelStandinReset(void) { zel_standin::Reset(); }

void ZelStandinSetResult(int32_t result) { zel_standin::SetResult(result); }

void ZelStandinSetCompletion(int32_t mode, int32_t code, const char* desc,
                             const char* json_params) {
  zel_standin::Completion completion;
  completion.mode = static_cast<zel_standin::CompletionMode>(mode);
  completion.code = code;
  completion.desc = desc != nullptr ? desc : "";
  completion.null_json_params = json_params == nullptr;
  if (json_params != nullptr) completion.json_params = json_params;
  zel_standin::SetCompletion(completion);
}

void ZelStandinSetReadMemberListCompletion(int32_t mode, const char* json_member_array,
                                           uint64_t next_seq, bool is_finished) {
  zel_standin::ReadMemberListCompletion completion;
  completion.mode = static_cast<zel_standin::CompletionMode>(mode);
  completion.null_json_member_array = json_member_array == nullptr;
  if (json_member_array != nullptr) completion.json_member_array = json_member_array;
  completion.next_seq = next_seq;
  completion.is_finished = is_finished;
  zel_standin::SetReadMemberListCompletion(completion);
}

void ZelStandinSetBufferText(const char* bytes, int32_t length) {
  zel_standin::SetBufferTextSource(nullptr);
  zel_standin::SetBufferText(std::string(bytes, static_cast<std::size_t>(length)));
}

void ZelStandinSetBufferTextCounter(const char* prefix) {
  auto issued = std::make_shared<std::atomic<int>>(0);
  zel_standin::SetBufferTextSource(
      [prefix = std::string(prefix), issued] { return prefix + std::to_string(++*issued); });
}

void ZelStandinSetSdkVersion(const char* version) { zel_standin::SetSdkVersion(version); }

const char* ZelStandinSdkVersionText(void) { return zel_standin::detail::SdkVersion(); }

void ZelStandinSetServerTime(uint64_t server_time) { zel_standin::SetServerTime(server_time); }

void ZelStandinWaitForWorker(void) { zel_standin::WaitForWorker(); }

char* ZelStandinJournal(void) {
  json::Array calls;
  for (const zel_standin::Call& call : zel_standin::Journal()) {
    json::Array args;
    for (const zel_standin::Argument& argument : call.args) {
      json::Object arg;
      arg["bits"] = json::Value(std::to_string(argument.bits));
      arg["text"] = argument.text ? json::Value(*argument.text) : json::Value();
      args.push_back(json::Value(arg));
    }
    json::Object entry;
    entry["function"] = json::Value(call.function);
    entry["args"] = json::Value(args);
    entry["callback"] = json::Value(Address(call.callback));
    entry["user_data"] = json::Value(Address(call.user_data));
    calls.push_back(json::Value(entry));
  }
  return Copy(json::Serialize(json::Value(calls)));
}

char* ZelStandinListeners(const char* registration) {
  json::Array listeners;
  for (const zel_standin::Listener& listener : zel_standin::RegisteredListeners(registration)) {
    json::Object entry;
    entry["callback"] = json::Value(Address(listener.callback));
    entry["user_data"] = json::Value(Address(listener.user_data));
    listeners.push_back(json::Value(entry));
  }
  return Copy(json::Serialize(json::Value(listeners)));
}

char* ZelStandinBridgeLogLines(void) {
  json::Array lines;
  for (const zel_standin::Call& call : zel_standin::CallsOf("callExperimentalAPI")) {
    if (call.args.empty() || !call.args[0].text) continue;
    const json::Value request = json::Deserialize(*call.args[0].text);
    if (request.GetValueType() != json::ObjectType) continue;
    const json::Object& members = request.ToObject();
    const auto content = members.find("request_write_log_log_content_param");
    if (content != members.end()) lines.push_back(content->second);
  }
  return Copy(json::Serialize(json::Value(lines)));
}

void ZelStandinFree(char* text) { std::free(text); }

int32_t ZelStandinComplete(int32_t journal_index, int32_t code, const char* desc,
                           const char* json_params, int32_t thread) {
  const std::vector<zel_standin::Call> journal = zel_standin::Journal();
  if (journal_index < 0 || static_cast<std::size_t>(journal_index) >= journal.size()) return -1;
  const zel_standin::Call& call = journal[journal_index];
  if (call.callback == nullptr || call.function == kReadMemberListFunction) return -1;
  const auto complete = reinterpret_cast<ZelCommCallback>(const_cast<void*>(call.callback));
  const std::string desc_text = desc != nullptr ? desc : "";
  const bool null_json = json_params == nullptr;
  const std::string json_text = null_json ? "" : json_params;
  const void* const user_data = call.user_data;
  RunOn(thread, [=] {
    complete(code, desc_text.c_str(), null_json ? nullptr : json_text.c_str(), user_data);
  });
  return 0;
}

int32_t ZelStandinCompleteReadMemberList(int32_t journal_index, const char* json_member_array,
                                         uint64_t next_seq, bool is_finished, int32_t thread) {
  const std::vector<zel_standin::Call> journal = zel_standin::Journal();
  if (journal_index < 0 || static_cast<std::size_t>(journal_index) >= journal.size()) return -1;
  const zel_standin::Call& call = journal[journal_index];
  if (call.callback == nullptr || call.function != kReadMemberListFunction) return -1;
  const auto complete =
      reinterpret_cast<ZelMsgGroupMessageReadMemberListCallback>(const_cast<void*>(call.callback));
  const bool null_list = json_member_array == nullptr;
  const std::string list = null_list ? "" : json_member_array;
  const void* const user_data = call.user_data;
  RunOn(thread,
        [=] { complete(null_list ? nullptr : list.c_str(), next_seq, is_finished, user_data); });
  return 0;
}

int32_t ZelStandinRaiseEvent(const char* registration, const char* arguments, int32_t thread) {
  // As a std::string: the const char* overload refuses texts of 2 MiB or more.
  const json::Value parsed = json::Deserialize(std::string(arguments));
  if (parsed.GetValueType() != json::ArrayType) return -2;
  std::vector<EventArgument> values;
  for (const json::Value& value : parsed.ToArray()) values.emplace_back(value);
  return RaiseWith(registration, &values, thread);
}

int32_t ZelStandinRaiseSampleEvent(const char* registration, int32_t thread) {
  return RaiseWith(registration, nullptr, thread);
}

void ZelStandinOnBridgeLogLine(const char* text, void (*action)(int64_t), int64_t argument) {
  auto done = std::make_shared<std::atomic<bool>>(false);
  zel_standin::SetExperimentalApiReaction(
      [text = std::string(text), action, argument, done](const std::string& request) {
        if (request.find(text) != std::string::npos && !done->exchange(true)) action(argument);
      });
}

uint64_t ZelStandinCurrentThread(void) {
  return static_cast<uint64_t>(std::hash<std::thread::id>()(std::this_thread::get_id()));
}

int32_t ZelStandinStartEventLoad(int32_t threads, int32_t count, int32_t text_bytes) {
  const std::optional<zel_standin::Listener> listener =
      zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
  if (!listener) return -1;
  const auto raise = reinterpret_cast<ZelRecvNewMsgCallback>(const_cast<void*>(listener->callback));
  const void* const user_data = listener->user_data;
  std::lock_guard<std::mutex> lock(load_mutex_);
  for (int32_t thread = 0; thread < threads; ++thread) {
    load_threads_.emplace_back([=] {
      for (int32_t sequence = 0; sequence < count; ++sequence) {
        raise(LoadText(thread, sequence, text_bytes).c_str(), user_data);
      }
    });
  }
  return 0;
}

void ZelStandinJoinEventLoad(void) {
  std::vector<std::thread> threads;
  {
    std::lock_guard<std::mutex> lock(load_mutex_);
    threads.swap(load_threads_);
  }
  for (std::thread& thread : threads) thread.join();
}

int32_t ZelStandinStartEndlessPosting(int32_t threads) {
  const std::optional<zel_standin::Listener> listener =
      zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
  if (!listener) return -1;
  const auto raise = reinterpret_cast<ZelRecvNewMsgCallback>(const_cast<void*>(listener->callback));
  const void* const user_data = listener->user_data;
  std::vector<zel_standin::Call> held;
  for (const zel_standin::Call& call : zel_standin::Journal()) {
    if (call.callback != nullptr && call.function != kReadMemberListFunction &&
        call.user_data != nullptr) {
      held.push_back(call);
    }
  }
  for (int32_t thread = 0; thread < threads; ++thread) {
    std::thread([=] {
      for (int32_t sequence = 0;; ++sequence) {
        raise(LoadText(thread, sequence, 64).c_str(), user_data);
        for (const zel_standin::Call& call : held) {
          reinterpret_cast<ZelCommCallback>(const_cast<void*>(call.callback))(0, "still completing",
                                                                              "{}", call.user_data);
        }
      }
    }).detach();
  }
  return 0;
}

intptr_t ZelStandinBindDartApi(void* data) { return Dart_InitializeApiDL(data); }

bool ZelStandinPostText(int64_t port, const char* text) {
  if (Dart_PostCObject_DL == nullptr) return false;
  Dart_CObject message;
  message.type = Dart_CObject_kString;
  message.value.as_string = const_cast<char*>(text);
  return Dart_PostCObject_DL(port, &message);
}

}  // extern "C"
