// The 164 operation exports, checked against the stand-in SDK's journal and
// the envelopes that reach the Dart stand-in.
//
// One table holds a row per export, grouped by area as the public header
// is: the export, the SDK function it forwards to, the number
// of inputs that reach the SDK before the callback position, the shape of its
// body, and a call of the export with distinct values: texts at distinct
// addresses, 64-bit integers whose values use all 64 bits, int32 and bool
// where the signature has them. Every row is run through the same checks:
// the right SDK function received the inputs in the right positions, with the
// right callback and the caller's user_data pointer; the result comes back
// unchanged; and a completion, immediate or on the SDK's worker, reaches Dart
// as the exact "apiCallback" text. Tests after the table cover the special
// bodies: the result buffers, p6 of the invitations, and the rest.

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "allocation_failure.h"
#include "bridge_fixture.h"
#include "buffer_exports.h"
#include "completion.h"
#include "result_buffer.h"
#include "sdk/zel_sdk.h"

namespace {

using zel_standin::Argument;
using zel_standin::Call;
using zel_standin::CompletionMode;

constexpr int64_t kPort = 4242;
constexpr std::size_t kBufferSize = 128;

// The shape of an export's body: plain forwarding or one of the special bodies.
enum Body {
  kForward,             // p1..pk, DartZelCommonCallback, user_data; returns the SDK's int
  kOwnCompletion,       // as kForward with DartGetGroupMessageReadMemberListCallback
  kNullBeforeCallback,  // p1..pk, null, DartZelCommonCallback, user_data
  kNullCallback,        // p1..pk, null callback, user_data (DartSetConfig)
  kNoCallback,          // the SDK function's whole parameter list (k) and its result
  kBuffer,              // p1..pk, the export's buffer, callback, user_data; returns the buffer
  kInvitation,          // p1..p5, the buffer in place of p6, callback, user_data
  kBufferOnly,          // the buffer alone (DartGetLoginUserID)
};

bool HasCompletion(Body body) {
  return body == kForward || body == kOwnCompletion || body == kNullBeforeCallback ||
         body == kBuffer || body == kInvitation;
}

bool ReturnsBuffer(Body body) {
  return body == kBuffer || body == kInvitation || body == kBufferOnly;
}

uint64_t SplitMix64(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The arguments of one call of one export. Each getter gives the value of
// parameter pN, the same whatever order the compiler evaluates the call's
// arguments in, and notes it as the stand-in will record it.
class Inputs {
 public:
  Inputs(const std::string& label, uint64_t seed, bool null_texts)
      : label_(label), seed_(seed), null_texts_(null_texts) {
    user_data_ = Store("user data of " + label + " #" + std::to_string(seed));
  }
  Inputs(const Inputs&) = delete;
  Inputs& operator=(const Inputs&) = delete;

  const char* Text(int n) {
    const char* text =
        null_texts_ ? nullptr
                    : Store(label_ + " p" + std::to_string(n) + " #" + std::to_string(seed_));
    Note(n, Argument{reinterpret_cast<uintptr_t>(text),
                     text != nullptr ? std::optional<std::string>(text) : std::nullopt});
    return text;
  }
  // Top and bottom bits set: negative as int64, above INT64_MAX as uint64.
  uint64_t U64(int n) {
    const uint64_t value = Bits64(n);
    Note(n, Argument{value, std::nullopt});
    return value;
  }
  int64_t I64(int n) {
    const int64_t value = static_cast<int64_t>(Bits64(n));
    Note(n, Argument{static_cast<uint64_t>(value), std::nullopt});
    return value;
  }
  // Negative, so a lost sign or a widening without sign shows.
  int32_t I32(int n) {
    const auto value = static_cast<int32_t>(static_cast<uint32_t>(Bits64(n)) | 0x80000001u);
    Note(n, Argument{static_cast<uint64_t>(static_cast<int64_t>(value)), std::nullopt});
    return value;
  }
  // Alternates with the seed, so the rounds pass both values.
  bool Flag(int n) {
    const bool value = (seed_ % 2) == 1;
    Note(n, Argument{value ? 1u : 0u, std::nullopt});
    return value;
  }
  const char* UserData() { return user_data_; }

  const std::map<int, Argument>& given() const { return given_; }
  const char* user_data() const { return user_data_; }

 private:
  uint64_t Bits64(int n) const {
    return SplitMix64((seed_ << 8) ^ static_cast<uint64_t>(n) ^ std::hash<std::string>()(label_)) |
           0x8000000000000001ull;
  }
  const char* Store(std::string text) {
    texts_.push_back(std::move(text));
    return texts_.back().c_str();
  }
  void Note(int n, Argument arg) { given_[n] = std::move(arg); }

  std::string label_;
  uint64_t seed_;
  bool null_texts_;
  std::deque<std::string> texts_;  // stable, distinct addresses
  const char* user_data_ = nullptr;
  std::map<int, Argument> given_;
};

// What an export returned: an integer's value or a text's address (with the
// text, read right after the call).
struct Returned {
  uint64_t bits = 0;
  std::optional<std::string> text;
};

Returned Ret(int value) { return {static_cast<uint64_t>(static_cast<int64_t>(value)), {}}; }
Returned Ret(uint64_t value) { return {value, {}}; }
Returned Ret(const char* text) {
  return {reinterpret_cast<uintptr_t>(text),
          text != nullptr ? std::optional<std::string>(text) : std::nullopt};
}

struct Row {
  const char* export_name;
  const char* sdk_function;
  int inputs;  // k: the inputs that reach the SDK in front of the callback position
  Body body;
  Returned (*call)(Inputs& in);
};

// A row names its export and its SDK function once, as identifiers: the
// export's name is the function the row calls, and the SDK function's name
// must be one that src/sdk/zel_sdk.h declares, or the table does not compile.
// The stand-in records each call under a name of its own, which the checks
// below compare with the row's. args is the call's parenthesised argument list.
#define OPERATION_ROW(export_function, sdk_function, k, body, args)    \
  Row {                                                                 \
    #export_function, #sdk_function, k, body, [](Inputs& in) {          \
      static_cast<void>(in);                                            \
      static_cast<void>(sizeof(&sdk_function));                         \
      return Ret(export_function args);                                 \
    }                                                                   \
  }

// The values of the table must reach each export's parameters without any
// conversion: a narrowing or a change of sign in a call below fails the build.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wconversion"
#pragma GCC diagnostic error "-Wsign-conversion"

// One row per line, grouped by area:
// export, SDK function, k, body, the call's arguments.
const std::vector<Row>& Rows() {
  // clang-format off
  static const std::vector<Row> rows = {
    // SDK lifecycle, configuration and account.
    OPERATION_ROW(DartInitSDK, ZelInit, 2, kNoCallback, (in.U64(1), in.Text(2))),
    OPERATION_ROW(DartUnitSDK, ZelUninit, 0, kNoCallback, ()),
    OPERATION_ROW(DartGetSDKVersion, ZelGetSDKVersion, 0, kNoCallback, ()),
    OPERATION_ROW(DartGetServerTime, ZelGetServerTime, 0, kNoCallback, ()),
    OPERATION_ROW(DartSetConfig, ZelSetConfig, 1, kNullCallback, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartLogin, ZelLogin, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartLogout, ZelLogout, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartGetLoginUserID, ZelGetLoginUserID, 0, kBufferOnly, ()),
    OPERATION_ROW(DartGetLoginStatus, ZelGetLoginStatus, 0, kNoCallback, ()),

    // User profiles and status; every row has Inputs = 1.
    OPERATION_ROW(DartGetUsersInfo, ZelProfileGetUserProfileList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetSelfInfo, ZelProfileModifySelfUserProfile, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSubscribeUserInfo, ZelSubscribeUserInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartUnsubscribeUserInfo, ZelUnsubscribeUserInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchUsers, ZelSearchUsers, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetUserStatus, ZelGetUserStatus, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetSelfStatus, ZelSetSelfStatus, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSubscribeUserStatus, ZelSubscribeUserStatus, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartUnsubscribeUserStatus, ZelUnsubscribeUserStatus, 1, kForward, (in.Text(1), in.UserData())),

    // Messages.
    OPERATION_ROW(DartSendMessage, ZelMsgSendMessage, 3, kBuffer, (in.Text(1), in.I32(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartDownloadElemToPath, ZelMsgDownloadElemToPath, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartDownloadMergerMessage, ZelMsgDownloadMergerMessage, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetLocalCustomData, ZelMsgSetLocalCustomData, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetHistoryMessageList, ZelMsgGetMsgList, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartGetMessageList, ZelMsgGetMsgList, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartSetC2CReceiveMessageOpt, ZelMsgSetC2CReceiveMessageOpt, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartGetC2CReceiveMessageOpt, ZelMsgGetC2CReceiveMessageOpt, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetGroupReceiveMessageOpt, ZelMsgSetGroupReceiveMessageOpt, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartSetAllReceiveMessageOpt, ZelMsgSetAllReceiveMessageOpt, 5, kForward, (in.I64(1), in.I64(2), in.I64(3), in.I64(4), in.I32(5), in.UserData())),
    OPERATION_ROW(DartSetAllReceiveMessageOpt2, ZelMsgSetAllReceiveMessageOpt2, 3, kForward, (in.I64(1), in.U64(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartGetAllReceiveMessageOpt, ZelMsgGetAllReceiveMessageOpt, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartRevokeMessage, ZelMsgRevoke, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartModifyMessage, ZelMsgModifyMessage, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteMessageFromLocalStorage, ZelMsgDelete, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartDeleteMessages, ZelMsgListDelete, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartClearHistoryMessage, ZelMsgClearHistoryMessage, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartSaveMessage, ZelMsgSaveMsg, 3, kForward, (in.Text(1), in.I64(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartFindMessages, ZelMsgFindMessages, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchLocalMessages, ZelMsgSearchLocalMessages, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchCloudMessages, ZelMsgSearchCloudMessages, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSendMessageReadReceipts, ZelMsgSendMessageReadReceipts, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetMessageReadReceipts, ZelMsgGetMessageReadReceipts, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetGroupMessageReadMemberList, ZelMsgGetGroupMessageReadMemberList, 4, kOwnCompletion, (in.Text(1), in.I64(2), in.U64(3), in.I64(4), in.UserData())),
    OPERATION_ROW(DartSetMessageExtensions, ZelMsgSetMessageExtensions, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetMessageExtensions, ZelMsgGetMessageExtensions, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteMessageExtensions, ZelMsgDeleteMessageExtensions, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartAddMessageReaction, ZelMsgAddMessageReaction, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartRemoveMessageReaction, ZelMsgRemoveMessageReaction, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetMessageReactions, ZelMsgGetMessageReactions, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartGetAllUserListOfMessageReaction, ZelMsgGetAllUserListOfMessageReaction, 4, kForward, (in.Text(1), in.Text(2), in.U64(3), in.I64(4), in.UserData())),
    OPERATION_ROW(DartTranslateText, ZelMsgTranslateText, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartConvertVoiceToText, ZelMsgConvertVoiceToText, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartPinGroupMessage, ZelPinGroupMessage, 3, kForward, (in.Text(1), in.Text(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartGetPinnedGroupMessageList, ZelGetPinnedGroupMessageList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartMsgStartTTS, ZelMsgStartTTS, 4, kForward, (in.Text(1), in.Text(2), in.I64(3), in.I64(4), in.UserData())),
    OPERATION_ROW(DartMsgStopTTS, ZelMsgStopTTS, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartMarkMessageAsRead, ZelMsgReportReaded, 2, kNullBeforeCallback, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartMarkAllMessageAsRead, ZelMsgMarkAllMessageAsRead, 0, kForward, (in.UserData())),

    // Background, push and experimental calls.
    OPERATION_ROW(DartSetOfflinePushToken, ZelMsgSetOfflinePushToken, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDoBackground, ZelMsgDoBackground, 1, kForward, (in.I64(1), in.UserData())),
    OPERATION_ROW(DartDoForeground, ZelMsgDoForeground, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartCallExperimentalAPI, callExperimentalAPI, 1, kForward, (in.Text(1), in.UserData())),

    // Groups.
    OPERATION_ROW(DartCreateGroup, ZelGroupCreate, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteGroup, ZelGroupDelete, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartJoinGroup, ZelGroupJoin, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartQuitGroup, ZelGroupQuit, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetJoinedGroupList, ZelGroupGetJoinedGroupList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartGetGroupsInfo, ZelGroupGetGroupInfoList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchGroups, ZelGroupSearchGroups, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchCloudGroups, ZelGroupSearchCloudGroups, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetGroupInfo, ZelGroupModifyGroupInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartInitGroupAttributes, ZelGroupInitGroupAttributes, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartSetGroupAttributes, ZelGroupSetGroupAttributes, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartDeleteGroupAttributes, ZelGroupDeleteGroupAttributes, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetGroupAttributes, ZelGroupGetGroupAttributes, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetOnlineMemberCount, ZelGroupGetOnlineMemberCount, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetGroupCounters, ZelGroupSetGroupCounters, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetGroupCounters, ZelGroupGetGroupCounters, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartIncreaseGroupCounter, ZelGroupIncreaseGroupCounter, 3, kForward, (in.Text(1), in.Text(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartDecreaseGroupCounter, ZelGroupDecreaseGroupCounter, 3, kForward, (in.Text(1), in.Text(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartGetGroupMemberList, ZelGroupGetMemberInfoList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchGroupMembers, ZelGroupSearchGroupMembers, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchCloudGroupMembers, ZelGroupSearchCloudGroupMembers, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartModifyGroupMemberInfo, ZelGroupModifyMemberInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartInviteUserToGroup, ZelGroupInviteMember, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartKickGroupMember, ZelGroupDeleteMember, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartMarkGroupMemberList, ZelGroupMarkGroupMemberList, 4, kForward, (in.Text(1), in.Text(2), in.I64(3), in.I64(4), in.UserData())),
    OPERATION_ROW(DartGetGroupPendencyList, ZelGroupGetPendencyList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartHandleGroupPendency, ZelGroupHandlePendency, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartMarkGroupPendencyRead, ZelGroupReportPendencyReaded, 1, kForward, (in.U64(1), in.UserData())),

    // Communities, topics and permission groups.
    OPERATION_ROW(DartCreateCommunity, ZelCommunityCreate, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetJoinedCommunityList, ZelCommunityGetJoinedCommunityList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartCreateTopicInCommunity, ZelCommunityCreateTopicInCommunity, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartDeleteTopicFromCommunity, ZelCommunityDeleteTopicFromCommunity, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartSetTopicInfo, ZelCommunitySetTopicInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetTopicInfoList, ZelCommunityGetTopicInfoList, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartSetTopicInheritMessageReceiveOptionFromCommunity, ZelCommunitySetTopicInheritMessageReceiveOptionFromCommunity, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartCreatePermissionGroupInCommunity, ZelCommunityCreatePermissionGroupInCommunity, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeletePermissionGroupFromCommunity, ZelCommunityDeletePermissionGroupFromCommunity, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartModifyPermissionGroupInfoInCommunity, ZelCommunityModifyPermissionGroupInfoInCommunity, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetJoinedPermissionGroupListInCommunity, ZelCommunityGetJoinedPermissionGroupListInCommunity, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetPermissionGroupListInCommunity, ZelCommunityGetPermissionGroupListInCommunity, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartAddCommunityMembersToPermissionGroup, ZelCommunityAddCommunityMembersToPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartRemoveCommunityMembersFromPermissionGroup, ZelCommunityRemoveCommunityMembersFromPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartGetCommunityMemberListInPermissionGroup, ZelCommunityGetCommunityMemberListInPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartAddTopicPermissionToPermissionGroup, ZelCommunityAddTopicPermissionToPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartDeleteTopicPermissionFromPermissionGroup, ZelCommunityDeleteTopicPermissionFromPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartModifyTopicPermissionInPermissionGroup, ZelCommunityModifyTopicPermissionInPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),
    OPERATION_ROW(DartGetTopicPermissionInPermissionGroup, ZelCommunityGetTopicPermissionInPermissionGroup, 3, kForward, (in.Text(1), in.Text(2), in.Text(3), in.UserData())),

    // Conversations, unread counts and conversation groups.
    OPERATION_ROW(DartGetConversationList, ZelConvGetConvList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartGetConversation, ZelConvGetConvInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetConversationListByFilter, ZelConvGetConversationListByFilter, 3, kForward, (in.Text(1), in.U64(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartDeleteConversation, ZelConvDelete, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartDeleteConversationList, ZelConvDeleteConversationList, 2, kForward, (in.Text(1), in.I64(2), in.UserData())),
    OPERATION_ROW(DartSetConversationDraft, ZelConvSetDraft, 3, kNoCallback, (in.Text(1), in.I64(2), in.Text(3))),
    OPERATION_ROW(DartCancelConversationDraft, ZelConvCancelDraft, 2, kNoCallback, (in.Text(1), in.I64(2))),
    OPERATION_ROW(DartSetConversationCustomData, ZelConvSetConversationCustomData, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartPinConversation, ZelConvPinConversation, 3, kForward, (in.Text(1), in.I64(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartMarkConversation, ZelConvMarkConversation, 3, kForward, (in.Text(1), in.I64(2), in.I64(3), in.UserData())),
    OPERATION_ROW(DartGetTotalUnreadMessageCount, ZelConvGetTotalUnreadMessageCount, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartGetUnreadMessageCountByFilter, ZelConvGetUnreadMessageCountByFilter, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSubscribeUnreadMessageCountByFilter, ZelConvSubscribeUnreadMessageCountByFilter, 1, kNoCallback, (in.Text(1))),
    OPERATION_ROW(DartUnsubscribeUnreadMessageCountByFilter, ZelConvUnsubscribeUnreadMessageCountByFilter, 1, kNoCallback, (in.Text(1))),
    OPERATION_ROW(DartCleanConversationUnreadMessageCount, ZelConvCleanConversationUnreadMessageCount, 3, kForward, (in.Text(1), in.U64(2), in.U64(3), in.UserData())),
    OPERATION_ROW(DartCreateConversationGroup, ZelConvCreateConversationGroup, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetConversationGroupList, ZelConvGetConversationGroupList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartDeleteConversationGroup, ZelConvDeleteConversationGroup, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartRenameConversationGroup, ZelConvRenameConversationGroup, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartAddConversationsToGroup, ZelConvAddConversationsToGroup, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartDeleteConversationsFromGroup, ZelConvDeleteConversationsFromGroup, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),

    // Friendship.
    OPERATION_ROW(DartGetFriendList, ZelFriendshipGetFriendProfileList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartGetFriendsInfo, ZelFriendshipGetFriendsInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetFriendInfo, ZelFriendshipModifyFriendProfile, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSearchFriends, ZelFriendshipSearchFriends, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartAddFriend, ZelFriendshipAddFriend, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteFromFriendList, ZelFriendshipDeleteFriend, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartCheckFriend, ZelFriendshipCheckFriendType, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetFriendApplicationList, ZelFriendshipGetPendencyList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartHandleFriendAddRequest, ZelFriendshipHandleFriendAddRequest, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteFriendApplication, ZelFriendshipDeletePendency, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartSetFriendApplicationRead, ZelFriendshipReportPendencyReaded, 1, kForward, (in.U64(1), in.UserData())),
    OPERATION_ROW(DartGetBlackList, ZelFriendshipGetBlackList, 0, kForward, (in.UserData())),
    OPERATION_ROW(DartAddToBlackList, ZelFriendshipAddToBlackList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteFromBlackList, ZelFriendshipDeleteFromBlackList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartCreateFriendGroup, ZelFriendshipCreateFriendGroup, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetFriendGroupList, ZelFriendshipGetFriendGroupList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartDeleteFriendGroup, ZelFriendshipDeleteFriendGroup, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartModifyFriendGroup, ZelFriendshipModifyFriendGroup, 1, kForward, (in.Text(1), in.UserData())),

    // Official accounts and following; every row has Inputs = 1.
    OPERATION_ROW(DartSubscribeOfficialAccount, ZelSubscribeOfficialAccount, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartUnsubscribeOfficialAccount, ZelUnsubscribeOfficialAccount, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetOfficialAccountsInfo, ZelGetOfficialAccountsInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartFollowUser, ZelFollowUser, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartUnfollowUser, ZelUnfollowUser, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetMyFollowingList, ZelGetMyFollowingList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetMyFollowersList, ZelGetMyFollowersList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetMutualFollowersList, ZelGetMutualFollowersList, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartGetUserFollowInfo, ZelGetUserFollowInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartCheckFollowType, ZelCheckFollowType, 1, kForward, (in.Text(1), in.UserData())),

    // Signaling.
    OPERATION_ROW(DartInvite, ZelSignalingInvite, 5, kInvitation, (in.Text(1), in.Text(2), in.Flag(3), in.Text(4), in.I32(5), in.Text(6), in.UserData())),
    OPERATION_ROW(DartInviteInGroup, ZelSignalingInviteInGroup, 5, kInvitation, (in.Text(1), in.Text(2), in.Text(3), in.Flag(4), in.I32(5), in.Text(6), in.UserData())),
    OPERATION_ROW(DartCancel, ZelSignalingCancel, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartAccept, ZelSignalingAccept, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartReject, ZelSignalingReject, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
    OPERATION_ROW(DartGetSignalingInfo, ZelGetSignalingInfo, 1, kForward, (in.Text(1), in.UserData())),
    OPERATION_ROW(DartModifyInvitation, ZelSignalingModifyInvitation, 2, kForward, (in.Text(1), in.Text(2), in.UserData())),
  };
  // clang-format on
  return rows;
}

#pragma GCC diagnostic pop
#undef OPERATION_ROW

// ---------------------------------------------------------------------------
// Expectations shared by the table-driven tests.

// Quotes a text as the bridge's serializer does for the plain texts used here.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\' || c == '/') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string CompletionText(int32_t code, const std::string& desc, const std::string& json_param,
                           const std::string& user_data) {
  return "{\"callback\":\"apiCallback\",\"code\":" + std::to_string(code) +
         ",\"desc\":" + Quoted(desc) + ",\"json_param\":" + Quoted(json_param) +
         ",\"user_data\":" + Quoted(user_data) + "}";
}

std::string ReadMemberListText(bool is_finished, const std::string& json_param, uint64_t next_seq,
                               const std::string& user_data) {
  return std::string("{\"callback\":\"apiCallback\",\"code\":0,\"desc\":\"\",\"is_finished\":") +
         (is_finished ? "true" : "false") + ",\"json_param\":" + Quoted(json_param) +
         ",\"next_seq\":" + std::to_string(next_seq) + ",\"user_data\":" + Quoted(user_data) + "}";
}

const void* CommonCallback() { return reinterpret_cast<const void*>(&DartZelCommonCallback); }
const void* ReadMemberListCallback() {
  return reinterpret_cast<const void*>(&DartGetGroupMessageReadMemberListCallback);
}

void ExpectSameArgument(const Argument& actual, const Argument& expected, const std::string& what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(actual.bits, expected.bits);
  EXPECT_EQ(actual.text, expected.text);
}

// How one round completes the operation.
struct Round {
  CompletionMode mode;
  bool null_texts;
  bool null_json_params;
  uint64_t seed;
};

class OperationRowTest : public BridgeTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }

  const Row& row() const { return Rows()[GetParam()]; }

  // Calls the row's export once and checks everything about the call.
  void RunRound(const Round& round) {
    const Row& r = row();
    const std::string name = r.export_name;
    const auto index = static_cast<int32_t>(GetParam());
    zel_standin::WaitForWorker();
    dart_standin::Reset();  // this round's posts only

    // What the stand-in does: a result, a completion, a buffer text, a version
    // and a server time, all distinct to this row and round.
    const int sdk_result =
        (round.seed % 2 == 0 ? -1 : 1) * (1000003 * index + 17 + static_cast<int>(round.seed));
    zel_standin::SetResult(sdk_result);
    const int32_t code =
        (index % 2 == 0 ? -1 : 1) * (7000 + index * 10 + static_cast<int32_t>(round.seed));
    const std::string desc = "desc of " + name;
    const std::string json_params =
        "{\"export\":\"" + name + "\",\"seed\":" + std::to_string(round.seed) + "}";
    zel_standin::Completion completion;
    completion.mode = round.mode;
    completion.code = code;
    completion.desc = desc;
    completion.json_params = json_params;
    completion.null_json_params = round.null_json_params;
    zel_standin::SetCompletion(completion);
    zel_standin::ReadMemberListCompletion member_list;
    member_list.mode = round.mode;
    member_list.json_member_array = "[\"member of " + name + "\"]";
    member_list.null_json_member_array = round.null_json_params;
    member_list.next_seq = UINT64_MAX - static_cast<uint64_t>(index) - round.seed;
    member_list.is_finished = (round.seed % 2) == 1;
    zel_standin::SetReadMemberListCompletion(member_list);
    const std::string buffer_text = "id of " + name + " #" + std::to_string(round.seed);
    zel_standin::SetBufferText(buffer_text);
    const std::string version = "version of " + name + " #" + std::to_string(round.seed);
    zel_standin::SetSdkVersion(version);
    const uint64_t server_time =
        SplitMix64(round.seed + static_cast<uint64_t>(index)) | (1ull << 63);
    zel_standin::SetServerTime(server_time);

    Inputs in(name, round.seed, round.null_texts);
    const std::size_t journal_before = zel_standin::Journal().size();
    const Returned returned = r.call(in);
    const std::vector<std::string> posted_at_return = dart_standin::Received(kPort);

    // The inputs the row passed: exactly p1..pk (p1..p6 for the invitations),
    // each distinct from the others and from user_data.
    std::set<int> positions;
    for (const auto& entry : in.given()) positions.insert(entry.first);
    std::set<int> expected_positions;
    const int passed = r.body == kInvitation ? 6 : r.inputs;
    for (int n = 1; n <= passed; ++n) expected_positions.insert(n);
    ASSERT_EQ(positions, expected_positions) << "the table's Inputs column disagrees with the call";
    if (!round.null_texts) {
      std::set<uint64_t> values;
      for (const auto& entry : in.given()) {
        if (entry.second.bits > 1) values.insert(entry.second.bits);
      }
      values.insert(reinterpret_cast<uintptr_t>(in.user_data()));
      std::size_t flags = 0;
      for (const auto& entry : in.given()) flags += entry.second.bits <= 1 ? 1 : 0;
      ASSERT_EQ(values.size() + flags, in.given().size() + 1) << "test values are not distinct";
    }

    // Exactly one SDK call, of the row's function.
    const std::vector<Call> journal = zel_standin::Journal();
    ASSERT_EQ(journal.size(), journal_before + 1);
    const Call& call = journal.back();
    EXPECT_EQ(call.function, r.sdk_function);

    // The arguments in front of the callback position.
    std::vector<Argument> expected;
    for (int n = 1; n <= r.inputs; ++n) expected.push_back(in.given().at(n));
    if (r.body == kNullBeforeCallback) expected.push_back(Argument{0, std::nullopt});
    if (ReturnsBuffer(r.body)) expected.push_back(Argument{returned.bits, std::nullopt});
    ASSERT_EQ(call.args.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ExpectSameArgument(call.args[i], expected[i], "SDK argument " + std::to_string(i + 1));
    }

    // The callback and user_data positions.
    const void* expected_callback = nullptr;
    if (HasCompletion(r.body)) expected_callback = CommonCallback();
    if (r.body == kOwnCompletion) expected_callback = ReadMemberListCallback();
    EXPECT_EQ(call.callback, expected_callback);
    const bool takes_user_data = HasCompletion(r.body) || r.body == kNullCallback;
    EXPECT_EQ(call.user_data, takes_user_data ? static_cast<const void*>(in.user_data()) : nullptr);

    // p6 of an invitation reaches the SDK nowhere.
    if (r.body == kInvitation) {
      const uint64_t p6 = in.given().at(6).bits;
      for (const Argument& arg : call.args) {
        EXPECT_TRUE(p6 == 0 || arg.bits != p6);
      }
      EXPECT_NE(reinterpret_cast<uintptr_t>(call.user_data), p6);
    }

    // The result: the buffer, the SDK's version text or time, or its integer.
    if (ReturnsBuffer(r.body)) {
      EXPECT_NE(returned.bits, 0u);
      EXPECT_EQ(returned.text, buffer_text);
    } else if (std::string(r.sdk_function) == "ZelGetSDKVersion") {
      EXPECT_EQ(returned.bits, reinterpret_cast<uintptr_t>(zel_standin::detail::SdkVersion()));
      EXPECT_EQ(returned.text, version);
    } else if (std::string(r.sdk_function) == "ZelGetServerTime") {
      EXPECT_EQ(returned.bits, server_time);
    } else {
      EXPECT_EQ(returned.bits, static_cast<uint64_t>(static_cast<int64_t>(sdk_result)));
    }

    // The completion envelope, if any: posted before the export returned when
    // the SDK completes at once, and after the worker has run otherwise.
    zel_standin::WaitForWorker();
    std::vector<std::string> envelopes;
    if (round.mode != CompletionMode::kNone && r.body == kOwnCompletion) {
      envelopes.push_back(ReadMemberListText(
          member_list.is_finished, round.null_json_params ? "" : member_list.json_member_array,
          member_list.next_seq, in.user_data()));
    } else if (round.mode != CompletionMode::kNone && HasCompletion(r.body)) {
      envelopes.push_back(
          CompletionText(code, desc, round.null_json_params ? "" : json_params, in.user_data()));
    }
    EXPECT_EQ(dart_standin::Received(kPort), envelopes);
    EXPECT_EQ(dart_standin::Posts().size(), envelopes.size()) << "an unexpected post";
    if (round.mode == CompletionMode::kImmediate) {
      EXPECT_EQ(posted_at_return, envelopes);
    }
    // Nothing else reached the SDK, such as a log line of a failed delivery.
    EXPECT_EQ(zel_standin::Journal().size(), journal_before + 1);
  }
};

TEST_P(OperationRowTest, ForwardsAndCompletesAtOnce) {
  RunRound({CompletionMode::kImmediate, false, false, 1});
}

TEST_P(OperationRowTest, ForwardsAndCompletesOnTheSdkWorker) {
  RunRound({CompletionMode::kWorker, false, false, 2});
}

TEST_P(OperationRowTest, NullTextsReachTheSdkAsNull) {
  RunRound({CompletionMode::kImmediate, true, true, 3});
}

TEST_P(OperationRowTest, PostsNothingUntilTheSdkCompletes) {
  RunRound({CompletionMode::kNone, false, false, 4});
}

TEST_P(OperationRowTest, RepeatedCallsForwardEachCallsOwnValues) {
  RunRound({CompletionMode::kWorker, false, true, 5});
  RunRound({CompletionMode::kImmediate, false, false, 6});
}

INSTANTIATE_TEST_SUITE_P(EveryExport, OperationRowTest,
                         ::testing::Range<std::size_t>(0, Rows().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           return std::string(Rows()[info.param].export_name);
                         });

// ---------------------------------------------------------------------------
// The table itself.

TEST(OperationTable, HasOneRowForEachOfThe164Exports) {
  const auto& rows = Rows();
  EXPECT_EQ(rows.size(), 164u);
  std::set<std::string> exports;
  std::set<std::string> functions;
  for (const Row& r : rows) {
    EXPECT_TRUE(exports.insert(r.export_name).second) << r.export_name << " twice";
    functions.insert(r.sdk_function);
  }
  // DartGetHistoryMessageList and DartGetMessageList share ZelMsgGetMsgList.
  EXPECT_EQ(functions.size(), 163u);
  int without_callback = 0;
  int buffers = 0;
  for (const Row& r : rows) {
    without_callback += (r.body == kNoCallback || r.body == kBufferOnly) ? 1 : 0;
    buffers += ReturnsBuffer(r.body) ? 1 : 0;
  }
  EXPECT_EQ(without_callback, 10);
  EXPECT_EQ(buffers, 4);
}

// ---------------------------------------------------------------------------
// The four result buffers.

// The buffer the SDK was handed by the latest call of a function.
uint64_t BufferHandedTo(const char* sdk_function) {
  const auto calls = zel_standin::CallsOf(sdk_function);
  if (calls.empty() || calls.back().args.empty()) return 0;
  const std::size_t position = std::string(sdk_function) == "ZelGetLoginUserID"   ? 0
                               : std::string(sdk_function) == "ZelMsgSendMessage" ? 3
                                                                                  : 5;
  return calls.back().args.at(position).bits;
}

class ResultBufferTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }
};

TEST_F(ResultBufferTest, EveryCallReturnsTheSameBufferWithTheLatestText) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    zel_standin::SetBufferText("a rather long first identifier 0123456789");
    const char* first = e.call();
    EXPECT_STREQ(first, "a rather long first identifier 0123456789");
    EXPECT_EQ(reinterpret_cast<uintptr_t>(first), BufferHandedTo(e.sdk_function));
    zel_standin::SetBufferText("id2");  // no terminator is written: the zeroing must end it
    const char* second = e.call();
    EXPECT_EQ(second, first);
    EXPECT_STREQ(second, "id2");
    EXPECT_EQ(reinterpret_cast<uintptr_t>(second), BufferHandedTo(e.sdk_function));
  }
}

TEST_F(ResultBufferTest, AllBytesAreZeroedBeforeEachCall) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    zel_standin::SetBufferText(std::string(kBufferSize, 'x'));
    e.call();
    zel_standin::SetBufferText("");
    const char* text = e.call();
    const std::vector<char> zeros(kBufferSize, '\0');
    EXPECT_EQ(std::memcmp(text, zeros.data(), kBufferSize), 0);
  }
}

TEST_F(ResultBufferTest, EmptyTextWhenTheSdkWritesNothing) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    zel_standin::SetBufferText("previous id");
    const char* before = e.call();
    zel_standin::SetBufferText("");
    const char* text = e.call();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text, before);
    EXPECT_STREQ(text, "");
  }
}

TEST_F(ResultBufferTest, TheSdkResultIsDropped) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    zel_standin::SetBufferText("id");
    zel_standin::SetResult(0);
    const char* with_success = e.call();
    zel_standin::SetResult(-6017);
    const char* with_failure = e.call();
    EXPECT_EQ(with_failure, with_success);
    EXPECT_STREQ(with_failure, "id");
  }
}

TEST_F(ResultBufferTest, TextIsTerminatedWithinTheBufferEvenWhenTheSdkFillsIt) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    std::string full(kBufferSize, '\0');
    for (std::size_t i = 0; i < kBufferSize; ++i) full[i] = static_cast<char>('a' + i % 26);
    zel_standin::SetBufferText(full);
    const char* text = e.call();
    // Within the buffer's 128 bytes there is a terminator, at the last byte.
    EXPECT_NE(std::memchr(text, '\0', kBufferSize), nullptr);
    EXPECT_EQ(std::strlen(text), kBufferSize - 1);
    EXPECT_EQ(std::string(text), full.substr(0, kBufferSize - 1));
    // A text that keeps the SDK's promise is returned whole.
    zel_standin::SetBufferText(full.substr(0, kBufferSize - 1));
    EXPECT_EQ(std::string(e.call()), full.substr(0, kBufferSize - 1));
    zel_standin::SetBufferText("short");
    EXPECT_STREQ(e.call(), "short");
  }
}

// prefix_length ASCII letters, then character, then ASCII letters up to
// length bytes in all.
std::string Around(std::size_t prefix_length, const std::string& character, std::size_t length) {
  std::string text(prefix_length, 'p');
  text += character;
  if (text.size() < length) text.append(length - text.size(), 's');
  return text;
}

std::string Repeated(const std::string& character, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += character;
  return text;
}

// What the SDK writes (only the first 128 bytes reach the buffer) and how many
// of its first bytes the export returns.
struct FilledText {
  const char* label;
  std::string written;
  std::size_t returned;
};

TEST_F(ResultBufferTest, AFilledBufferIsCutBackToAWholeCharacterAndAFittingTextIsKept) {
  const std::string e_acute = "\xC3\xA9";                // 2 bytes
  const std::string euro = "\xE2\x82\xAC";               // 3 bytes
  const std::string grinning_face = "\xF0\x9F\x98\x80";  // 4 bytes
  const FilledText rows[] = {
      {"ASCII filling the buffer", Around(128, "", 128), 127},
      {"2-byte character ending at byte 127", Around(125, e_acute, 128), 127},
      {"2-byte character cut after its first byte", Around(126, e_acute, 128), 126},
      {"2-byte character starting at byte 128", Around(127, e_acute, 129), 127},
      {"3-byte character ending at byte 127", Around(124, euro, 128), 127},
      {"3-byte character cut after 2 bytes", Around(125, euro, 128), 125},
      {"3-byte character cut after 1 byte", Around(126, euro, 128), 126},
      {"3-byte character starting at byte 128", Around(127, euro, 130), 127},
      {"4-byte character ending at byte 127", Around(123, grinning_face, 128), 127},
      {"4-byte character cut after 3 bytes", Around(124, grinning_face, 128), 124},
      {"4-byte character cut after 2 bytes", Around(125, grinning_face, 128), 125},
      {"4-byte character cut after 1 byte", Around(126, grinning_face, 128), 126},
      {"4-byte character starting at byte 128", Around(127, grinning_face, 131), 127},
      {"128-byte id ending in e acute, as a Dart VM saw it", Around(126, e_acute, 128), 126},
      {"nothing but 2-byte characters", Repeated(e_acute, 64), 126},
      {"bytes of no UTF-8 character filling the buffer", std::string(128, '\xFF'), 127},
      {"continuation bytes alone filling the buffer", std::string(128, '\x80'), 127},
      {"127 ASCII bytes", Around(127, "", 127), 127},
      {"127 bytes ending in a whole 4-byte character", Around(123, grinning_face, 127), 127},
      {"127 bytes ending in a lone lead byte", Around(126, "\xC3", 127), 127},
      {"a short text of invalid UTF-8", "id-\xE2\x82\xFF", 6},
      {"empty", "", 0},
  };
  for (const BufferExport& e : kBufferExports) {
    for (const FilledText& row : rows) {
      SCOPED_TRACE(std::string(e.name) + ": " + row.label);
      zel_standin::SetBufferText(row.written);
      const char* text = e.call();
      ASSERT_NE(std::memchr(text, '\0', kBufferSize), nullptr);
      EXPECT_EQ(std::string(text), row.written.substr(0, row.returned));
    }
  }
}

TEST_F(ResultBufferTest, NoTwoExportsShareABuffer) {
  std::set<const char*> buffers;
  for (const BufferExport& e : kBufferExports) {
    zel_standin::SetBufferText(std::string("text of ") + e.name);
    buffers.insert(e.call());
  }
  EXPECT_EQ(buffers.size(), 4u);
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    zel_standin::SetBufferText(std::string("text of ") + e.name);
    const char* text = e.call();
    for (const BufferExport& other : kBufferExports) {
      if (&other == &e) continue;
      zel_standin::SetBufferText(std::string("overwritten by ") + other.name);
      other.call();
    }
    EXPECT_EQ(std::string(text), std::string("text of ") + e.name);
  }
}

TEST_F(ResultBufferTest, InviteInGroupLeavesTheInviteTextUnchanged) {
  zel_standin::SetBufferText("invite-1");
  const char* invite = DartInvite("a", "b", false, "{}", 5, nullptr, "ud 1");
  zel_standin::SetBufferText("group-invite-2 which is longer");
  const char* group = DartInviteInGroup("g", "[]", "d", true, 5, nullptr, "ud 2");
  EXPECT_NE(invite, group);
  EXPECT_STREQ(invite, "invite-1");
  EXPECT_STREQ(group, "group-invite-2 which is longer");
}

// Runs body on a new thread that has no result buffers and finds none left
// by an exited thread, so that its next buffer export must allocate them.
// Threads tried before it that found buffers left over keep them, by staying
// alive, until body has run.
template <typename Body>
void OnThreadThatMustAllocate(Body body) {
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t probed = 0;
  bool body_ran = false;
  bool release = false;
  std::vector<std::thread> threads;
  while (!body_ran && threads.size() < 1000) {
    threads.emplace_back([&] {
      // Only a thread that finds no left-over buffers allocates, and gets
      // none when that fails.
      char* buffer = nullptr;
      const bool allocates = allocation_failure::WithAllocationFailing(
          1, [&] { buffer = ThreadResultBuffer(kMessageIdBuffer); });
      if (allocates) {
        EXPECT_EQ(buffer, nullptr);
        body();
      }
      std::unique_lock<std::mutex> lock(mutex);
      ++probed;
      body_ran = body_ran || allocates;
      changed.notify_all();
      changed.wait(lock, [&] { return release || allocates; });
    });
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return probed == threads.size(); });
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  changed.notify_all();
  for (auto& thread : threads) thread.join();
  EXPECT_TRUE(body_ran);
}

// A thread whose buffers cannot be allocated still reaches the SDK and gets
// "" for that call only; its next call allocates them and returns the text.
TEST_F(ResultBufferTest, AFailedAllocationFailsOnlyThatCall) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    OnThreadThatMustAllocate([&] {
      const std::size_t calls_before = zel_standin::CallsOf(e.sdk_function).size();
      zel_standin::SetBufferText("id written without a buffer");
      const char* text = nullptr;
      EXPECT_TRUE(allocation_failure::WithAllocationFailing(1, [&] { text = e.call(); }));
      EXPECT_STREQ(text, "");
      EXPECT_EQ(zel_standin::CallsOf(e.sdk_function).size(), calls_before + 1);
      EXPECT_NE(BufferHandedTo(e.sdk_function), 0u);

      zel_standin::SetBufferText("id after the failure");
      const char* retried = e.call();
      EXPECT_STREQ(retried, "id after the failure");
      EXPECT_EQ(reinterpret_cast<uintptr_t>(retried), BufferHandedTo(e.sdk_function));
      EXPECT_EQ(zel_standin::CallsOf(e.sdk_function).size(), calls_before + 2);
    });
  }
}

// A thread's buffers outlive it: the text it was returned stays readable
// after it has exited, until the next new thread takes its buffers over.
TEST_F(ResultBufferTest, BuffersOfAnExitedThreadPassToTheNextNewThread) {
  for (const BufferExport& e : kBufferExports) {
    SCOPED_TRACE(e.name);
    const char* first = nullptr;
    zel_standin::SetBufferText("id of the first thread");
    std::thread([&] { first = e.call(); }).join();
    EXPECT_STREQ(first, "id of the first thread");

    const char* next = nullptr;
    zel_standin::SetBufferText("id of the next thread");
    std::thread([&] { next = e.call(); }).join();
    EXPECT_EQ(next, first);
    EXPECT_STREQ(first, "id of the next thread");
  }
}

// ---------------------------------------------------------------------------
// The other special bodies.

class SpecialBodyTest : public ResultBufferTest {
 protected:
  void CompleteAtOnce() {
    zel_standin::Completion completion;
    completion.mode = CompletionMode::kImmediate;
    completion.code = 3;
    completion.desc = "done";
    zel_standin::SetCompletion(completion);
    zel_standin::ReadMemberListCompletion member_list;
    member_list.mode = CompletionMode::kImmediate;
    zel_standin::SetReadMemberListCompletion(member_list);
  }
};

TEST_F(SpecialBodyTest, InvitationP6NeverReachesTheSdk) {
  const char p6_text[] = "caller's invite id";
  const char* const p6_values[] = {p6_text, nullptr};
  for (const char* p6 : p6_values) {
    SCOPED_TRACE(p6 != nullptr ? "text p6" : "null p6");
    zel_standin::SetBufferText("new-invite");
    const char* invite = DartInvite("i", "d", true, "{}", 9, p6, "ud");
    const char* group = DartInviteInGroup("g", "[]", "d", true, 9, p6, "ud");
    for (const char* sdk : {"ZelSignalingInvite", "ZelSignalingInviteInGroup"}) {
      const Call call = zel_standin::CallsOf(sdk).back();
      ASSERT_EQ(call.args.size(), 6u);
      for (const Argument& arg : call.args) {
        EXPECT_NE(arg.bits, reinterpret_cast<uintptr_t>(p6_text));
        EXPECT_NE(arg.text, std::optional<std::string>(p6_text));
      }
      // The SDK's sixth argument is the bridge's buffer, the returned pointer.
      const char* returned = std::string(sdk) == "ZelSignalingInvite" ? invite : group;
      EXPECT_EQ(call.args[5].bits, reinterpret_cast<uintptr_t>(returned));
      EXPECT_STREQ(returned, "new-invite");
    }
  }
}

TEST_F(SpecialBodyTest, SetConfigPassesNullAsCallbackAndNeverPosts) {
  CompleteAtOnce();
  const char config[] = "{\"log_level\":3}";
  const char user_data[] = "config ud";
  zel_standin::SetResult(-12);
  EXPECT_EQ(DartSetConfig(config, user_data), -12);
  EXPECT_EQ(DartSetConfig(nullptr, nullptr), -12);
  zel_standin::WaitForWorker();
  const auto calls = zel_standin::CallsOf("ZelSetConfig");
  ASSERT_EQ(calls.size(), 2u);
  ASSERT_EQ(calls[0].args.size(), 1u);
  EXPECT_EQ(calls[0].args[0].bits, reinterpret_cast<uintptr_t>(config));
  EXPECT_EQ(calls[0].callback, nullptr);
  EXPECT_EQ(calls[0].user_data, user_data);
  EXPECT_EQ(calls[1].args[0].bits, 0u);
  EXPECT_EQ(calls[1].callback, nullptr);
  EXPECT_EQ(calls[1].user_data, nullptr);
  EXPECT_TRUE(dart_standin::Posts().empty());
}

TEST_F(SpecialBodyTest, MarkMessageAsReadPassesNullBeforeTheCallback) {
  const char conv[] = "c2c_x";
  const char user_data[] = "read ud";
  DartMarkMessageAsRead(conv, -5, user_data);
  const auto calls = zel_standin::CallsOf("ZelMsgReportReaded");
  ASSERT_EQ(calls.size(), 1u);
  ASSERT_EQ(calls[0].args.size(), 3u);
  EXPECT_EQ(calls[0].args[0].bits, reinterpret_cast<uintptr_t>(conv));
  EXPECT_EQ(calls[0].args[1].bits, static_cast<uint64_t>(int64_t{-5}));
  EXPECT_EQ(calls[0].args[2].bits, 0u);
  EXPECT_FALSE(calls[0].args[2].text.has_value());
  EXPECT_EQ(calls[0].callback, CommonCallback());
  EXPECT_EQ(calls[0].user_data, user_data);
}

TEST_F(SpecialBodyTest, ReadMemberListCompletesWithItsOwnEnvelope) {
  zel_standin::Completion common;
  common.mode = CompletionMode::kImmediate;
  common.code = 99;
  zel_standin::SetCompletion(common);  // must not be the one used
  zel_standin::ReadMemberListCompletion member_list;
  member_list.mode = CompletionMode::kWorker;
  member_list.null_json_member_array = true;
  member_list.next_seq = UINT64_MAX;
  member_list.is_finished = true;
  zel_standin::SetReadMemberListCompletion(member_list);
  zel_standin::SetResult(31);
  EXPECT_EQ(DartGetGroupMessageReadMemberList("{}", 1, 2, 3, "9"), 31);
  zel_standin::WaitForWorker();
  EXPECT_EQ(dart_standin::Received(kPort),
            (std::vector<std::string>{
                "{\"callback\":\"apiCallback\",\"code\":0,\"desc\":\"\",\"is_finished\":true,"
                "\"json_param\":\"\",\"next_seq\":18446744073709551615,\"user_data\":\"9\"}"}));
  const auto calls = zel_standin::CallsOf("ZelMsgGetGroupMessageReadMemberList");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].callback, ReadMemberListCallback());
}

TEST_F(SpecialBodyTest, HistoryMessageListAndMessageListMakeTheSameSdkCall) {
  const char conv[] = "group_1";
  const char param[] = "{\"count\":20}";
  const char user_data[] = "list ud";
  const int64_t conv_type = INT64_MIN + 2;
  zel_standin::SetResult(5);
  EXPECT_EQ(DartGetHistoryMessageList(conv, conv_type, param, user_data), 5);
  EXPECT_EQ(DartGetMessageList(conv, conv_type, param, user_data), 5);
  const auto calls = zel_standin::CallsOf("ZelMsgGetMsgList");
  ASSERT_EQ(calls.size(), 2u);
  ASSERT_EQ(calls[0].args.size(), 3u);
  ASSERT_EQ(calls[1].args.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    ExpectSameArgument(calls[1].args[i], calls[0].args[i], "argument " + std::to_string(i + 1));
  }
  EXPECT_EQ(calls[0].args[0].bits, reinterpret_cast<uintptr_t>(conv));
  EXPECT_EQ(calls[0].args[1].bits, static_cast<uint64_t>(conv_type));
  EXPECT_EQ(calls[0].args[2].bits, reinterpret_cast<uintptr_t>(param));
  EXPECT_EQ(calls[0].callback, calls[1].callback);
  EXPECT_EQ(calls[0].callback, CommonCallback());
  EXPECT_EQ(calls[0].user_data, calls[1].user_data);
  EXPECT_EQ(calls[0].user_data, user_data);
}

TEST_F(SpecialBodyTest, CallExperimentalApiForwardsTheRequestText) {
  CompleteAtOnce();
  const char request[] = "{\"request_internal_operation\":\"internal_operation_x\"}";
  zel_standin::SetResult(0);
  EXPECT_EQ(DartCallExperimentalAPI(request, "exp"), 0);
  const auto calls = zel_standin::CallsOf("callExperimentalAPI");
  ASSERT_EQ(calls.size(), 1u);
  ASSERT_EQ(calls[0].args.size(), 1u);
  EXPECT_EQ(calls[0].args[0].bits, reinterpret_cast<uintptr_t>(request));
  EXPECT_EQ(calls[0].callback, CommonCallback());
  EXPECT_EQ(dart_standin::Received(kPort),
            (std::vector<std::string>{CompletionText(3, "done", "", "exp")}));
}

TEST_F(SpecialBodyTest, TheTenExportsWithoutACallbackNeverPost) {
  CompleteAtOnce();
  zel_standin::SetResult(-3);
  EXPECT_EQ(DartInitSDK(UINT64_MAX, "{}"), -3);
  EXPECT_EQ(DartUnitSDK(), -3);
  zel_standin::SetSdkVersion("8.1.2");
  EXPECT_STREQ(DartGetSDKVersion(), "8.1.2");
  zel_standin::SetServerTime(UINT64_MAX - 1);
  EXPECT_EQ(DartGetServerTime(), UINT64_MAX - 1);
  EXPECT_EQ(DartGetLoginStatus(), -3);
  EXPECT_EQ(DartSetConversationDraft("c", 1, "{}"), -3);
  EXPECT_EQ(DartCancelConversationDraft("c", 1), -3);
  EXPECT_EQ(DartSubscribeUnreadMessageCountByFilter("{}"), -3);
  EXPECT_EQ(DartUnsubscribeUnreadMessageCountByFilter("{}"), -3);
  zel_standin::SetBufferText("me");
  EXPECT_STREQ(DartGetLoginUserID(), "me");
  zel_standin::WaitForWorker();
  EXPECT_TRUE(dart_standin::Posts().empty());
  for (const Call& call : zel_standin::Journal()) {
    if (call.function == "callExperimentalAPI") continue;  // none expected; checked below
    EXPECT_EQ(call.callback, nullptr) << call.function;
    EXPECT_EQ(call.user_data, nullptr) << call.function;
  }
  EXPECT_TRUE(zel_standin::CallsOf("callExperimentalAPI").empty());
}

}  // namespace
