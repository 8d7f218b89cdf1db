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
#include <optional>
#include <string>
#include <utility>

#include "worker.h"
#include "world_catalogue.h"
#include "world_documents.h"
#include "world_params.h"

namespace zel_standin {
namespace world {
namespace {

constexpr std::chrono::milliseconds kDefaultNetworkDelay(kDefaultNetworkDelayMs);
constexpr std::chrono::milliseconds kPeerThinkingTime(kPeerThinkingTimeMs);
constexpr std::chrono::milliseconds kRightAfter(0);
constexpr std::size_t kBufferSize = 128;

// Invitation results of group members.
constexpr int kInviteFailed = 0;
constexpr int kInviteAdded = 1;
constexpr int kInviteAlreadyMember = 2;

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
Reply Failure(const FailureCode& failure, std::string desc) {
  return Reply{failure.code, std::move(desc), ""};
}
Reply NotLoggedIn() { return Failure(kNotLoggedIn, "not logged in"); }

// What an operation handler sees: the call's arguments, the id that was
// written into the caller's buffer if the call has one, the world it belongs
// to and that world's network delay.
struct Request {
  std::vector<Argument> args;
  std::string assigned_id;
  uint64_t epoch = 0;
  std::chrono::milliseconds network_delay = kDefaultNetworkDelay;

  std::string Text(const ParamKey& key) const { return ReadText(key, args); }
  // Peers think only while the network takes time too.
  std::chrono::milliseconds PeerThinkingTime() const {
    return network_delay.count() == 0 ? kRightAfter : kPeerThinkingTime;
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
      answer.elements = TextElements(peer.nick + std::string(kAnswerAfterNick) + heard);
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

// The handlers below run once their row's parameters have been read
// (Refusal): the values they read are there and of the row's form.

Reply Login(const Request& request) {
  const std::string user_id = request.Text(kLoginUserId);
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

std::string UnknownConversationType(int32_t conv_type) {
  std::string desc = "unknown conv_type " + std::to_string(conv_type) + ": expected ";
  for (const ConversationType* type : kConversationTypes) {
    if (type != kConversationTypes[0]) desc += " or ";
    desc += std::to_string(type->value) + " (" + type->name + ")";
  }
  return desc;
}

Reply SendMessage(const Request& request) {
  const std::string conv_id = request.Text(kConvId);
  const int32_t conv_type = ReadInt32(kConvType, request.args);
  if (conv_type != kC2CConversation && conv_type != kGroupConversation) {
    return Failure(kInvalidParameter, UnknownConversationType(conv_type));
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
    } else {
      const auto group = s.groups.find(conv_id);
      if (group == s.groups.end() || !group->second.HasMember(s.login_user)) {
        return Failure(kUnknownGroup, "no such group: " + conv_id);
      }
      show_name = group->second.name;
    }
    Message message;
    message.id = request.assigned_id;
    message.conv_id = conv_id;
    message.conv_type = conv_type;
    message.sender = s.login_user;
    message.from_self = true;
    message.server_time = Now();
    // Every element is sent as it was given, text or not.
    message.elements = ReadEntries(kMessageText, request.args);
    sent = Text(MessageDocument(message));
    conversation_list = Append(ConversationOf(s, conv_type, conv_id, show_name), message);
  }
  Later(kRightAfter, request.epoch,
        [conversation_list] { RaiseConversationUpdated(conversation_list); });
  if (peer != nullptr) PeerAnswers(*peer, ReadText(kMessageText, request.args), request);
  return Success(sent);
}

Reply CreateGroup(const Request& request) {
  const std::string name = request.Text(kGroupName);
  const std::vector<std::string> members = ReadTexts(kGroupMembers, request.args);
  for (const std::string& member : members) {
    if (FindPeer(member) == nullptr) return Failure(kUnknownUser, "no such user: " + member);
  }
  std::lock_guard<std::mutex> lock(state().mutex);
  State& s = state();
  if (s.login_user.empty()) return NotLoggedIn();
  std::string group_id = request.Text(kNewGroupId);
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
  const std::string group_id = request.Text(kInviteGroupId);
  const std::vector<std::string> invitees = ReadTexts(kInvitees, request.args);
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
  const std::string invitee = request.Text(kCallInvitee);
  const Peer* const peer = FindPeer(invitee);
  if (peer == nullptr) return Failure(kUnknownUser, "no such user: " + invitee);
  const std::string invite_id = request.assigned_id;
  Later(request.PeerThinkingTime(), request.epoch, [peer, invite_id] {
    Raise<ZelSignalingInviteeAcceptedCallback>("ZelSetSignalingInviteeAcceptedCallback",
                                               invite_id.c_str(), peer->user_id, kAcceptanceData);
  });
  return Success("");
}

// How the world carries out each row of kSimulatedOperations, in the same
// order. The read-member list has a completion of its own shape and no
// handler (OperateReadMemberList).
struct Handler {
  const char* function;
  Reply (*handle)(const Request&);
  // The argument position of the caller's buffer that receives a new id, and
  // the id's prefix; -1 when the operation has no buffer.
  int buffer_index;
  const char* id_prefix;
};

constexpr Handler kHandlers[] = {
    {"ZelLogin", Login, -1, nullptr},
    {"ZelLogout", Logout, -1, nullptr},
    {"ZelMsgSendMessage", SendMessage, 3, "msg-"},
    {"ZelGroupCreate", CreateGroup, -1, nullptr},
    {"ZelGroupInviteMember", InviteGroupMembers, -1, nullptr},
    {"ZelGroupGetJoinedGroupList", JoinedGroups, -1, nullptr},
    {"ZelConvGetConvList", ConversationList, -1, nullptr},
    {"ZelSignalingInvite", Invite, 5, "invite-"},
    {"ZelMsgGetGroupMessageReadMemberList", nullptr, -1, nullptr},
};

constexpr bool SameText(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

constexpr bool HandlersFollowTheCatalogue() {
  constexpr std::size_t kRows = sizeof kSimulatedOperations / sizeof kSimulatedOperations[0];
  if (sizeof kHandlers / sizeof kHandlers[0] != kRows) return false;
  for (std::size_t i = 0; i < kRows; ++i) {
    if (!SameText(kHandlers[i].function, kSimulatedOperations[i].function)) return false;
  }
  return true;
}
static_assert(HandlersFollowTheCatalogue(),
              "kHandlers must name the functions of kSimulatedOperations, in its order");

// The operation's catalogue row and handler, or nothing when the world does
// not carry it out.
struct Simulated {
  const SimulatedOperation* row;
  const Handler* handler;
};

std::optional<Simulated> FindOperation(const char* function) {
  for (std::size_t i = 0; i < sizeof kHandlers / sizeof kHandlers[0]; ++i) {
    if (std::strcmp(kHandlers[i].function, function) == 0) {
      return Simulated{&kSimulatedOperations[i], &kHandlers[i]};
    }
  }
  return std::nullopt;
}

// The first of the row's parameters that cannot be read as the row says.
std::optional<Reply> Refused(const SimulatedOperation& row, const Request& request) {
  for (const ParamKey* key : row.reads) {
    if (key == nullptr) break;
    std::optional<std::string> desc = Refusal(*key, request.args);
    if (desc) return Failure(kInvalidParameter, std::move(*desc));
  }
  return std::nullopt;
}

Reply Carry(const std::optional<Simulated>& operation, const std::string& function,
            const Request& request) {
  if (!operation || operation->handler->handle == nullptr) {
    return Failure(kNotSimulated,
                   function +
                       " is not simulated by the stand-in world (docs/standin-world.md "
                       "lists what is)");
  }
  std::optional<Reply> refused = Refused(*operation->row, request);
  if (refused) return std::move(*refused);
  return operation->handler->handle(request);
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
  const auto member = config.ToObject().find(kWorldSwitch.key);
  return member != config.ToObject().end() && member->second.GetValueType() == json::BoolType &&
         member->second.ToBool();
}

std::chrono::milliseconds NetworkDelayOf(const json::Value& config) {
  const auto member = config.ToObject().find(kNetworkDelayMember.key);
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
  const std::optional<Simulated> operation = FindOperation(function);
  Request request{args, "", 0, kDefaultNetworkDelay};
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    request.epoch = state().epoch;
    request.network_delay = state().network_delay;
    if (operation && operation->handler->buffer_index >= 0 &&
        static_cast<std::size_t>(operation->handler->buffer_index) < args.size()) {
      request.assigned_id = NewId(state(), operation->handler->id_prefix);
      WriteBuffer(args[operation->handler->buffer_index], request.assigned_id);
    }
  }
  if (complete == nullptr) return 0;
  At(called + request.network_delay, request.epoch,
     [operation, request, complete, user_data, name = std::string(function)] {
       const Reply reply = Carry(operation, name, request);
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
