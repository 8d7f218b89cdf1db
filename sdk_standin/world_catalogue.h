// What the stand-in world reads and answers, as tables: the config members
// that start it, the operations it carries out (with the parameter keys each
// reads, what it completes with and the events it raises), its failure codes,
// the conversation types and the peers. The world reads its parameters and
// config through these rows, and refuses a parameter that its row cannot read
// with a desc that names the key it expected. docs/standin-world.md is
// generated from them (tests/standin_world_reference.cpp), so the page says
// what the code does.
#ifndef ZELBRIDGE_SDK_STANDIN_WORLD_CATALOGUE_H_
#define ZELBRIDGE_SDK_STANDIN_WORLD_CATALOGUE_H_

#include <cstddef>
#include <cstdint>

namespace zel_standin {
namespace world {

// ---- Config members of ZelInit's config that the world reads.

struct ConfigMember {
  const char* key;
  const char* meaning;
};

inline constexpr ConfigMember kWorldSwitch = {
    "standin_world", "`true` starts the world; without it the stand-in is the tests' control API"};
inline constexpr ConfigMember kNetworkDelayMember = {
    "standin_network_delay_ms",
    "how long every operation takes before it completes, in ms (an integer, 0 or more)"};
inline constexpr const ConfigMember* kConfigMembers[] = {&kWorldSwitch, &kNetworkDelayMember};

inline constexpr int kDefaultNetworkDelayMs = 20;
// How long a peer takes to answer; peers answer at once when the network
// delay is 0.
inline constexpr int kPeerThinkingTimeMs = 40;

// ---- Failure codes, reported in completions.

struct FailureCode {
  int32_t code;
  const char* name;
  const char* meaning;
};

inline constexpr FailureCode kNotLoggedIn = {7001, "not logged in",
                                             "the operation needs a logged-in user"};
inline constexpr FailureCode kInvalidParameter = {
    7002, "invalid parameter",
    "a parameter is missing, empty or of another form than the table says; the desc names the key "
    "and what was expected"};
inline constexpr FailureCode kUnknownUser = {7003, "unknown user",
                                             "the user is neither a peer nor the logged-in user"};
inline constexpr FailureCode kUnknownGroup = {
    7004, "unknown group", "no such group, or the logged-in user is not one of its members"};
inline constexpr FailureCode kNotSimulated = {
    7005, "not simulated", "the world does not carry out this operation (list below)"};
inline constexpr const FailureCode* kFailureCodes[] = {
    &kNotLoggedIn, &kInvalidParameter, &kUnknownUser, &kUnknownGroup, &kNotSimulated};

// ---- Conversation types (conv_type), in messages and conversations.

struct ConversationType {
  int32_t value;
  const char* name;
  const char* conv_id;
};

inline constexpr ConversationType kC2C = {1, "one-to-one", "the peer's user id"};
inline constexpr ConversationType kGroup = {2, "group",
                                            "the group's id; the logged-in user must be a member"};
inline constexpr const ConversationType* kConversationTypes[] = {&kC2C, &kGroup};
inline constexpr int32_t kC2CConversation = kC2C.value;
inline constexpr int32_t kGroupConversation = kGroup.value;

// ---- The peers.

struct Peer {
  const char* user_id;
  const char* nick;
};

// Every peer answers each one-to-one message with "<nick>" kAnswerAfterNick
// and the message's first text, accepts each call invitation with
// kAcceptanceData, and can be added to groups.
inline constexpr Peer kPeers[] = {{"alice", "Alice"}, {"bob", "Bob"}};
inline constexpr char kAnswerAfterNick[] = " here. You said: ";
inline constexpr char kAcceptanceData[] = R"({"answer":"on my way"})";

// ---- Parameters: one value an operation reads from one of its inputs.

enum class ArgumentForm {
  kText,   // the input itself, a text
  kInt32,  // the input itself, an int32
  kJson,   // a value in the input's JSON object, found by path
};

enum class Need {
  kRequired,    // present and not empty
  kOptional,    // may be missing; where present, of the path's form
  kInSomeEntry  // an array: entries without the member are kept, one must have it
};

struct ParamKey {
  int argument;  // the SDK function's input, from 0 (shown as p1, p2, ...)
  ArgumentForm form;
  const char* argument_name;  // "user id", "message param"
  // For kJson: "key" (a text), "key[]" (an array of texts) or "key[].member"
  // (an array of objects, each with a text member).
  const char* path;
  const char* what;  // the value, as a refusal names it
  Need need;
};

inline constexpr ParamKey kLoginUserId = {0,  ArgumentForm::kText, "user id",
                                          "", "the user id",       Need::kRequired};
inline constexpr ParamKey kConvId = {0,
                                     ArgumentForm::kText,
                                     "conversation id",
                                     "",
                                     "the peer's user id or the group's id",
                                     Need::kRequired};
inline constexpr ParamKey kConvType = {
    1, ArgumentForm::kInt32, "conv_type", "", "1 or 2 (conv_type values below)", Need::kRequired};
inline constexpr ParamKey kMessageText = {2,
                                          ArgumentForm::kJson,
                                          "message param",
                                          "message_elem_array[].text_elem_content",
                                          "text element",
                                          Need::kInSomeEntry};
inline constexpr ParamKey kGroupName = {0,
                                        ArgumentForm::kJson,
                                        "group create param",
                                        "group_create_param_group_name",
                                        "group name",
                                        Need::kRequired};
inline constexpr ParamKey kGroupMembers = {
    0,
    ArgumentForm::kJson,
    "group create param",
    "group_create_param_member_array[].group_member_info_identifier",
    "member ids (peers only)",
    Need::kOptional};
inline constexpr ParamKey kNewGroupId = {0,
                                         ArgumentForm::kJson,
                                         "group create param",
                                         "group_create_param_group_id",
                                         "group id (\"group-<n>\" when missing)",
                                         Need::kOptional};
inline constexpr ParamKey kInviteGroupId = {
    0,          ArgumentForm::kJson, "group invite param", "group_invite_member_param_group_id",
    "group id", Need::kRequired};
inline constexpr ParamKey kInvitees = {0,
                                       ArgumentForm::kJson,
                                       "group invite param",
                                       "group_invite_member_param_identifier_array[]",
                                       "user ids to invite",
                                       Need::kRequired};
inline constexpr ParamKey kCallInvitee = {0,  ArgumentForm::kText, "invitee",
                                          "", "the invitee",       Need::kRequired};

// ---- The operations the world carries out.

inline constexpr std::size_t kMostReads = 3;

struct SimulatedOperation {
  const char* function;     // the SDK function
  const char* export_name;  // the bridge export that reaches it
  // Checked before the operation is carried out; a value that cannot be read
  // as its row says is refused with kInvalidParameter.
  const ParamKey* reads[kMostReads];
  const char* completes_with;
  const char* raises;
};

inline constexpr SimulatedOperation kSimulatedOperations[] = {
    {"ZelLogin",
     "DartLogin",
     {&kLoginUserId},
     "\"\"; 7002 when the id is a peer's (the login replaces an earlier one)",
     "event 0 (network status: 0, code 0, \"connected\"), before the completion"},
    {"ZelLogout", "DartLogout", {}, "\"\"; 7001", "none"},
    {"ZelMsgSendMessage",
     "DartSendMessage",
     {&kConvId, &kConvType, &kMessageText},
     "the sent message: `message_msg_id` (the id the export returned, \"msg-<n>\"), "
     "`message_conv_id`, `message_conv_type`, `message_sender`, `message_is_from_self`, "
     "`message_server_time`, `message_status` 2, `message_elem_array` as given; 7001, 7003 (a "
     "one-to-one conversation with someone who is no peer), 7004",
     "event 32 (conversation updated: conv_event 2, the conversation with this message last); to a "
     "peer, after the peer's thinking time: event 7 (the answer), event 32, event 33 (total "
     "unread)"},
    {"ZelGroupCreate",
     "DartCreateGroup",
     {&kGroupName, &kGroupMembers, &kNewGroupId},
     "`{\"create_group_result_groupid\": <id>}`; the logged-in user owns the group; 7001, 7003 "
     "(a member who is no peer), 7002 (the group id exists)",
     "none"},
    {"ZelGroupInviteMember",
     "DartInviteUserToGroup",
     {&kInviteGroupId, &kInvitees},
     "one entry per id: `group_invite_member_result_identifier` and "
     "`group_invite_member_result_result` (0 failed: no peer, 1 added, 2 already a member); 7001, "
     "7004",
     "event 17 (group tips: members invited) when anyone was added"},
    {"ZelGroupGetJoinedGroupList",
     "DartGetJoinedGroupList",
     {},
     "the logged-in user's groups: `group_base_info_group_id`, `group_base_info_group_name`, "
     "`group_base_info_owner_identifier`, `group_base_info_member_num`; 7001",
     "none"},
    {"ZelConvGetConvList",
     "DartGetConversationList",
     {},
     "every conversation: `conv_id`, `conv_type`, `conv_show_name`, `conv_unread_num`, "
     "`conv_last_msg` (when it has a message); 7001",
     "none"},
    {"ZelSignalingInvite",
     "DartInvite",
     {&kCallInvitee},
     "\"\" (the export returned the invitation's id, \"invite-<n>\"); 7001, 7003",
     "event 62 (invitee accepted: the invitation's id, the peer and the peer's acceptance data), "
     "after the peer's thinking time"},
    {"ZelMsgGetGroupMessageReadMemberList",
     "DartGetGroupMessageReadMemberList",
     {},
     "one read-member completion: `[]`, `next_seq` 0, `is_finished` true (nobody reads group "
     "messages)",
     "none"},
};

}  // namespace world
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_WORLD_CATALOGUE_H_
