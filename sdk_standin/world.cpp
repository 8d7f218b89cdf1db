// The stand-in world's state and behaviour: who is logged in, the peers who
// answer, groups and conversations. Every operation is taken in on the
// caller's thread (ids for caller buffers are assigned there) and carried out
// on the worker thread once the simulated network delay since the call has
// passed; the delays of calls made at once pass together. Events that follow
// from an operation are queued behind its completion. With a delay of 0
// nothing waits: neither the network nor the peers.

#include "world.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "worker.h"
#include "world_documents.h"

namespace zel_standin {
namespace world {
namespace {

// How long an operation takes to complete, unless the config that started
// the world asks for another delay ("standin_network_delay_ms").
constexpr std::chrono::milliseconds kDefaultNetworkDelay(20);
// How long a peer takes to answer; peers answer at once when the network
// delay is 0.
constexpr std::chrono::milliseconds kPeerThinkingTime(40);
constexpr std::chrono::milliseconds kRightAfter(0);
constexpr std::size_t kBufferSize = 128;

// The world's own failure codes, reported in completions.
constexpr int32_t kNotLoggedIn = 7001;
constexpr int32_t kInvalidParameter = 7002;
constexpr int32_t kUnknownUser = 7003;
constexpr int32_t kUnknownGroup = 7004;
constexpr int32_t kNotSimulated = 7005;

// Invitation results of group members.
constexpr int kInviteFailed = 0;
constexpr int kInviteAdded = 1;
constexpr int kInviteAlreadyMember = 2;

struct Peer {
  const char* user_id;
  const char* nick;
};
// Both peers answer messages and accept invitations.
const Peer kPeers[] = {{"alice", "Alice"}, {"bob", "Bob"}};

const Peer* FindPeer(const std::string& user_id) {
  for (const Peer& peer : kPeers) {
    if (user_id == peer.user_id) return &peer;
  }
  return nullptr;
}

struct Group {
  std::string name;
  std::string owner;
  std::vector<std::string> members;

  bool HasMember(const std::string& user_id) const {
    return std::find(members.begin(), members.end(), user_id) != members.end();
  }
};

struct State {
  std::mutex mutex;
  // Read without the lock on every stand-in call.
  std::atomic<bool> running{false};
  // Changes with every start and stop, so that work queued by an earlier world
  // is dropped instead of completing into a later one.
  uint64_t epoch = 0;
  std::chrono::milliseconds network_delay = kDefaultNetworkDelay;
  std::string login_user;
  // The last number given out, per id prefix ("msg-", "group-", "invite-").
  std::map<std::string, uint64_t> issued_ids;
  std::map<std::string, Group> groups;
  // Keyed by conversation type and id.
  std::map<std::pair<int32_t, std::string>, Conversation> conversations;
};

State& state() {
  static State* const instance = new State();
  return *instance;
}

struct Reply {
  int32_t code = 0;
  std::string desc;
  std::string json;
};

Reply Success(std::string json) { return Reply{0, "OK", std::move(json)}; }
Reply Failure(int32_t code, std::string desc) { return Reply{code, std::move(desc), ""}; }
Reply NotLoggedIn() { return Failure(kNotLoggedIn, "not logged in"); }

// What an operation handler sees: the call's arguments, the id that was
// written into the caller's buffer if the call has one, the world it belongs
// to and that world's network delay.
struct Request {
  std::vector<Argument> args;
  std::string assigned_id;
  uint64_t epoch = 0;
  std::chrono::milliseconds network_delay = kDefaultNetworkDelay;

  // Peers think only while the network takes time too.
  std::chrono::milliseconds PeerThinkingTime() const {
    return network_delay.count() == 0 ? kRightAfter : kPeerThinkingTime;
  }

  std::string Text(std::size_t index) const {
    return index < args.size() && args[index].text ? *args[index].text : "";
  }
  json::Value Document(std::size_t index) const {
    return Parse(index < args.size() && args[index].text ? args[index].text->c_str() : nullptr);
  }
};

std::string NewId(State& s, const char* prefix) {
  return prefix + std::to_string(++s.issued_ids[prefix]);
}

int64_t Now() { return static_cast<int64_t>(std::time(nullptr)); }

// The caller's 128-byte buffer, filled as the SDK does before it returns.
void WriteBuffer(const Argument& buffer_arg, const std::string& text) {
  char* const buffer = reinterpret_cast<char*>(static_cast<uintptr_t>(buffer_arg.bits));
  if (buffer == nullptr) return;
  const std::size_t length = std::min(text.size(), kBufferSize - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

// Runs step on the worker thread at due, unless the world that queued it has
// ended by then. Nothing escapes into the worker.
void At(worker::Clock::time_point due, uint64_t epoch, std::function<void()> step) {
  worker::PostAt(due, [epoch, step = std::move(step)] {
    {
      std::lock_guard<std::mutex> lock(state().mutex);
      if (!state().running || state().epoch != epoch) return;
    }
    try {
      step();
    } catch (...) {
    }
  });
}

void Later(std::chrono::milliseconds delay, uint64_t epoch, std::function<void()> step) {
  At(worker::Clock::now() + delay, epoch, std::move(step));
}

template <typename Callback, typename... Args>
void Call(const Listener& listener, Args... args) {
  if (listener.callback == nullptr) return;
  reinterpret_cast<Callback>(const_cast<void*>(listener.callback))(args..., listener.user_data);
}

// Calls the listener registered through registration, if any, with args and
// its user_data. A "ZelSet..." registration replaces the one before it, so
// only the latest is called; every "ZelAdd..." registration adds a listener,
// so each one is called, as often as it was registered. Called without the
// world's lock, since a listener may call back into the SDK.
template <typename Callback, typename... Args>
void Raise(const char* registration, Args... args) {
  if (std::strncmp(registration, "ZelAdd", 6) == 0) {
    for (const Listener& listener : RegisteredListeners(registration)) {
      Call<Callback>(listener, args...);
    }
    return;
  }
  const std::optional<Listener> listener = RegisteredListener(registration);
  if (listener) Call<Callback>(*listener, args...);
}

std::string LoginUser() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().login_user;
}

int TotalUnread(const State& s) {
  int total = 0;
  for (const auto& entry : s.conversations) total += entry.second.unread;
  return total;
}

Conversation& ConversationOf(State& s, int32_t type, const std::string& id,
                             const std::string& show_name) {
  Conversation& conversation = s.conversations[{type, id}];
  conversation.id = id;
  conversation.type = type;
  conversation.show_name = show_name;
  return conversation;
}

// Makes message the conversation's last message and returns the conversation
// as a one-element list, as conversation events carry it.
std::string Append(Conversation& conversation, const Message& message) {
  conversation.last_message = message;
  conversation.has_last_message = true;
  if (!message.from_self) ++conversation.unread;
  json::Array conversations;
  conversations.push_back(json::Value(ConversationDocument(conversation)));
  return Text(conversations);
}

void RaiseConversationUpdated(const std::string& conversation_list) {
  Raise<ZelConvEventCallback>("ZelSetConvEventCallback", kZelConvEventUpdate,
                              conversation_list.c_str());
}

void PeerAnswers(const Peer& peer, const std::string& heard, const Request& request) {
  Later(request.PeerThinkingTime(), request.epoch, [&peer, heard] {
    std::string message_list;
    std::string conversation_list;
    int total_unread = 0;
    {
      std::lock_guard<std::mutex> lock(state().mutex);
      State& s = state();
      Message answer;
      answer.id = NewId(s, "msg-");
      answer.conv_id = peer.user_id;
      answer.sender = peer.user_id;
      answer.server_time = Now();
      answer.elements = TextElements(std::string(peer.nick) + " here. You said: " + heard);
      json::Array messages;
      messages.push_back(json::Value(MessageDocument(answer)));
      message_list = Text(messages);
      conversation_list =
          Append(ConversationOf(s, kC2CConversation, peer.user_id, peer.nick), answer);
      total_unread = TotalUnread(s);
    }
    Raise<ZelRecvNewMsgCallback>("ZelAddRecvNewMsgCallback", message_list.c_str());
    RaiseConversationUpdated(conversation_list);
    Raise<ZelConvTotalUnreadMessageCountChangedCallback>(
        "ZelSetConvTotalUnreadMessageCountChangedCallback", static_cast<int32_t>(total_unread));
  });
}

Reply Login(const Request& request) {
  const std::string user_id = request.Text(0);
  if (user_id.empty()) return Failure(kInvalidParameter, "user id is empty");
  if (FindPeer(user_id) != nullptr) return Failure(kInvalidParameter, "user id taken by a peer");
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().login_user = user_id;
  }
  Raise<ZelNetworkStatusListenerCallback>("ZelSetNetworkStatusListenerCallback", kZelConnected, 0,
                                          "connected");
  return Success("");
}

Reply Logout(const Request&) {
  std::lock_guard<std::mutex> lock(state().mutex);
  if (state().login_user.empty()) return NotLoggedIn();
  state().login_user.clear();
  return Success("");
}

Reply SendMessage(const Request& request) {
  const std::string conv_id = request.Text(0);
  const int32_t conv_type = static_cast<int32_t>(request.args.at(1).bits);
  const json::Value param = request.Document(2);
  if (param.GetValueType() != json::ObjectType) {
    return Failure(kInvalidParameter, "message parameter is not a JSON object");
  }
  const Peer* const peer = conv_type == kC2CConversation ? FindPeer(conv_id) : nullptr;
  std::string sent;
  std::string conversation_list;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    State& s = state();
    if (s.login_user.empty()) return NotLoggedIn();
    std::string show_name;
    if (conv_type == kC2CConversation) {
      if (peer == nullptr) return Failure(kUnknownUser, "no such user: " + conv_id);
      show_name = peer->nick;
    } else if (conv_type == kGroupConversation) {
      const auto group = s.groups.find(conv_id);
      if (group == s.groups.end() || !group->second.HasMember(s.login_user)) {
        return Failure(kUnknownGroup, "no such group: " + conv_id);
      }
      show_name = group->second.name;
    } else {
      return Failure(kInvalidParameter, "unknown conversation type");
    }
    Message message;
    message.id = request.assigned_id;
    message.conv_id = conv_id;
    message.conv_type = conv_type;
    message.sender = s.login_user;
    message.from_self = true;
    message.server_time = Now();
    const auto elements = param.ToObject().find("message_elem_array");
    if (elements != param.ToObject().end() && elements->second.GetValueType() == json::ArrayType) {
      message.elements = elements->second.ToArray();
    }
    sent = Text(MessageDocument(message));
    conversation_list = Append(ConversationOf(s, conv_type, conv_id, show_name), message);
  }
  Later(kRightAfter, request.epoch,
        [conversation_list] { RaiseConversationUpdated(conversation_list); });
  if (peer != nullptr) PeerAnswers(*peer, FirstText(param), request);
  return Success(sent);
}

Reply CreateGroup(const Request& request) {
  const json::Value param = request.Document(0);
  const std::string name = StringMember(param, "group_create_param_group_name");
  if (name.empty()) return Failure(kInvalidParameter, "group name is empty");
  const std::vector<std::string> members =
      StringList(param, "group_create_param_member_array", "group_member_info_identifier");
  for (const std::string& member : members) {
    if (FindPeer(member) == nullptr) return Failure(kUnknownUser, "no such user: " + member);
  }
  std::lock_guard<std::mutex> lock(state().mutex);
  State& s = state();
  if (s.login_user.empty()) return NotLoggedIn();
  std::string group_id = StringMember(param, "group_create_param_group_id");
  if (group_id.empty()) group_id = NewId(s, "group-");
  if (s.groups.count(group_id) != 0) return Failure(kInvalidParameter, "group already exists");
  Group& group = s.groups[group_id];
  group.name = name;
  group.owner = s.login_user;
  group.members.push_back(s.login_user);
  group.members.insert(group.members.end(), members.begin(), members.end());
  ConversationOf(s, kGroupConversation, group_id, name);
  return Success(GroupCreatedDocument(group_id));
}

Reply InviteGroupMembers(const Request& request) {
  const json::Value param = request.Document(0);
  const std::string group_id = StringMember(param, "group_invite_member_param_group_id");
  const std::vector<std::string> invitees =
      StringList(param, "group_invite_member_param_identifier_array", nullptr);
  if (invitees.empty()) return Failure(kInvalidParameter, "nobody to invite");
  std::vector<GroupMember> results;
  std::vector<std::string> added;
  std::string op_user;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    if (state().login_user.empty()) return NotLoggedIn();
    op_user = state().login_user;
    const auto group = state().groups.find(group_id);
    if (group == state().groups.end()) return Failure(kUnknownGroup, "no such group: " + group_id);
    for (const std::string& invitee : invitees) {
      GroupMember result{invitee, kInviteFailed};
      if (group->second.HasMember(invitee)) {
        result.result = kInviteAlreadyMember;
      } else if (FindPeer(invitee) != nullptr) {
        result.result = kInviteAdded;
        group->second.members.push_back(invitee);
        added.push_back(invitee);
      }
      results.push_back(result);
    }
  }
  if (!added.empty()) {
    const std::string tip = GroupInviteTipDocument(group_id, op_user, added, Now());
    Later(kRightAfter, request.epoch,
          [tip] { Raise<ZelGroupTipsEventCallback>("ZelSetGroupTipsEventCallback", tip.c_str()); });
  }
  return Success(InviteResultDocument(results));
}

Reply JoinedGroups(const Request&) {
  std::lock_guard<std::mutex> lock(state().mutex);
  if (state().login_user.empty()) return NotLoggedIn();
  json::Array groups;
  for (const auto& entry : state().groups) {
    const Group& group = entry.second;
    if (!group.HasMember(state().login_user)) continue;
    groups.push_back(
        json::Value(JoinedGroupEntry(entry.first, group.name, group.owner, group.members.size())));
  }
  return Success(Text(groups));
}

Reply ConversationList(const Request&) {
  std::lock_guard<std::mutex> lock(state().mutex);
  if (state().login_user.empty()) return NotLoggedIn();
  json::Array conversations;
  for (const auto& entry : state().conversations) {
    conversations.push_back(json::Value(ConversationDocument(entry.second)));
  }
  return Success(Text(conversations));
}

Reply Invite(const Request& request) {
  if (LoginUser().empty()) return NotLoggedIn();
  const std::string invitee = request.Text(0);
  const Peer* const peer = FindPeer(invitee);
  if (peer == nullptr) return Failure(kUnknownUser, "no such user: " + invitee);
  const std::string invite_id = request.assigned_id;
  Later(request.PeerThinkingTime(), request.epoch, [peer, invite_id] {
    Raise<ZelSignalingInviteeAcceptedCallback>("ZelSetSignalingInviteeAcceptedCallback",
                                               invite_id.c_str(), peer->user_id,
                                               "{\"answer\":\"on my way\"}");
  });
  return Success("");
}

struct SimulatedOperation {
  const char* function;
  Reply (*handle)(const Request&);
  // The argument position of the caller's buffer that receives a new id, and
  // the id's prefix; -1 when the operation has no buffer.
  int buffer_index;
  const char* id_prefix;
};

const SimulatedOperation kOperations[] = {
    {"ZelLogin", Login, -1, nullptr},
    {"ZelLogout", Logout, -1, nullptr},
    {"ZelMsgSendMessage", SendMessage, 3, "msg-"},
    {"ZelGroupCreate", CreateGroup, -1, nullptr},
    {"ZelGroupInviteMember", InviteGroupMembers, -1, nullptr},
    {"ZelGroupGetJoinedGroupList", JoinedGroups, -1, nullptr},
    {"ZelConvGetConvList", ConversationList, -1, nullptr},
    {"ZelSignalingInvite", Invite, 5, "invite-"},
};

const SimulatedOperation* FindOperation(const char* function) {
  for (const SimulatedOperation& operation : kOperations) {
    if (std::strcmp(operation.function, function) == 0) return &operation;
  }
  return nullptr;
}

void Start(std::chrono::milliseconds network_delay) {
  std::lock_guard<std::mutex> lock(state().mutex);
  State& s = state();
  ++s.epoch;
  s.network_delay = network_delay;
  s.login_user.clear();
  s.issued_ids.clear();
  s.groups.clear();
  s.conversations.clear();
  s.running = true;
}

json::Value ConfigDocument(const Argument& config) {
  return Parse(config.text ? config.text->c_str() : nullptr);
}

bool ConfigAsksForWorld(const json::Value& config) {
  if (config.GetValueType() != json::ObjectType) return false;
  const auto member = config.ToObject().find("standin_world");
  return member != config.ToObject().end() && member->second.GetValueType() == json::BoolType &&
         member->second.ToBool();
}

std::chrono::milliseconds NetworkDelayOf(const json::Value& config) {
  const auto member = config.ToObject().find("standin_network_delay_ms");
  if (member == config.ToObject().end()) return kDefaultNetworkDelay;
  switch (member->second.GetValueType()) {
    case json::IntType:
    case json::UIntType:
    case json::Int64Type:
    case json::UInt64Type:
      return std::chrono::milliseconds(std::max<int64_t>(0, member->second.ToInt64()));
    default:
      return kDefaultNetworkDelay;
  }
}

// The running world and its delay, read together.
struct Timing {
  uint64_t epoch;
  std::chrono::milliseconds network_delay;
};

Timing CurrentTiming() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return Timing{state().epoch, state().network_delay};
}

}  // namespace

bool Running() { return state().running; }

void Observe(const char* function, const std::vector<Argument>& args) {
  if (std::strcmp(function, "ZelInit") == 0) {
    const json::Value config = args.size() > 1 ? ConfigDocument(args[1]) : json::Value();
    if (ConfigAsksForWorld(config)) {
      Start(NetworkDelayOf(config));
    } else {
      Stop();
    }
  } else if (std::strcmp(function, "ZelUninit") == 0) {
    Stop();
  } else if (std::strcmp(function, "ZelGetLoginUserID") == 0 && Running() && !args.empty()) {
    WriteBuffer(args[0], LoginUser());
  }
}

int Operate(const char* function, const std::vector<Argument>& args, ZelCommCallback complete,
            const void* user_data) {
  // The network delay runs from the call, whoever else is calling.
  const worker::Clock::time_point called = worker::Clock::now();
  const SimulatedOperation* const operation = FindOperation(function);
  Request request{args, "", 0, kDefaultNetworkDelay};
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    request.epoch = state().epoch;
    request.network_delay = state().network_delay;
    if (operation != nullptr && operation->buffer_index >= 0 &&
        static_cast<std::size_t>(operation->buffer_index) < args.size()) {
      request.assigned_id = NewId(state(), operation->id_prefix);
      WriteBuffer(args[operation->buffer_index], request.assigned_id);
    }
  }
  if (complete == nullptr) return 0;
  const std::string name = function;
  At(called + request.network_delay, request.epoch,
     [operation, request, complete, user_data, name] {
       const Reply reply =
           operation != nullptr
               ? operation->handle(request)
               : Failure(kNotSimulated, name + " is not simulated by the stand-in world");
       complete(reply.code, reply.desc.c_str(), reply.json.c_str(), user_data);
     });
  return 0;
}

int OperateReadMemberList(ZelMsgGroupMessageReadMemberListCallback complete,
                          const void* user_data) {
  if (complete == nullptr) return 0;
  const worker::Clock::time_point called = worker::Clock::now();
  // Nobody in the world reads group messages: the list is empty and complete.
  const Timing now = CurrentTiming();
  At(called + now.network_delay, now.epoch,
     [complete, user_data] { complete("[]", 0, true, user_data); });
  return 0;
}

void Stop() {
  std::lock_guard<std::mutex> lock(state().mutex);
  ++state().epoch;
  state().running = false;
}

}  // namespace world
}  // namespace zel_standin
