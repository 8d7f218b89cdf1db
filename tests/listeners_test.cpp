// Every listener export and its event: the registration each export makes
// with the SDK, and the exact text that reaches Dart when the SDK raises the
// event, including null texts, numbers at their limits and the two filters.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "delivery_under_allocation_failure.h"
#include "envelope_storage.h"
#include "json/escape_paths.h"
#include "json/json.h"
#include "posted_forms.h"
#include "random_texts.h"
#include "sdk/zel_sdk.h"

namespace {

using dart_standin::Received;

// The arguments an event is raised with. Each event takes what its callback
// shape needs, in parameter order: texts from texts[0] on, 32-bit integers
// (enumerations included) from ints[0], unsigned values from uints[0], and
// the 64-bit value and the flag.
struct EventArgs {
  const char* texts[5];
  int32_t ints[2];
  uint32_t uints[3];
  int64_t wide;
  bool flag;
};

// Distinct values, so that a member filled from the wrong parameter shows.
const EventArgs kArgs = {
    {"t1", "t2", "t3", "t4", "t5"}, {2, -6014}, {7, 1024, 4096}, 5000000000, true};

const char kUserData[] = "dart/ctx";
const char kUserDataMember[] = R"("user_data":"dart\/ctx")";

template <typename Callback>
Callback As(const void* callback) {
  return reinterpret_cast<Callback>(const_cast<void*>(callback));
}

struct EventRow {
  int callback_type;
  const char* export_name;
  int (*register_listener)(const char* user_data);
  const char* registration;  // the SDK function the export must call
  int text_count;            // texts among the event's parameters
  // Calls the registered callback, cast to the SDK's callback shape.
  void (*raise)(const void* callback, const EventArgs& args, const void* user_data);
  const char* expected;  // posted for kArgs and kUserData
};

#define NAMED(function) #function, &function

// Connection, account, profile, log and message events.
const EventRow kAccountAndMessageEvents[] = {
    {0, NAMED(DartSetNetworkStatusListenerCallback), "ZelSetNetworkStatusListenerCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelNetworkStatusListenerCallback>(callback)(static_cast<ZelNetworkStatus>(args.ints[0]),
                                                      args.ints[1], args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":0,"code":-6014,"desc":"t1","status":2,"user_data":"dart\/ctx"})"},
    {1, NAMED(DartSetKickedOfflineCallback), "ZelSetKickedOfflineCallback", 0,
     [](const void* callback, const EventArgs&, const void* user_data) {
       As<ZelKickedOfflineCallback>(callback)(user_data);
     },
     R"({"callback":"globalCallback","callbackType":1,"user_data":"dart\/ctx"})"},
    {2, NAMED(DartSetUserSigExpiredCallback), "ZelSetUserSigExpiredCallback", 0,
     [](const void* callback, const EventArgs&, const void* user_data) {
       As<ZelUserSigExpiredCallback>(callback)(user_data);
     },
     R"({"callback":"globalCallback","callbackType":2,"user_data":"dart\/ctx"})"},
    {3, NAMED(DartSetSelfInfoUpdatedCallback), "ZelSetSelfInfoUpdatedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSelfInfoUpdatedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":3,"json_user_profile":"t1","user_data":"dart\/ctx"})"},
    {4, NAMED(DartSetUserStatusChangedCallback), "ZelSetUserStatusChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelUserStatusChangedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":4,"json_user_status_array":"t1","user_data":"dart\/ctx"})"},
    {5, NAMED(DartSetUserInfoChangedCallback), "ZelSetUserInfoChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelUserInfoChangedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":5,"json_user_info_array":"t1","user_data":"dart\/ctx"})"},
    {6, NAMED(DartSetLogCallback), "ZelSetLogCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelLogCallback>(callback)(static_cast<ZelLogLevel>(args.ints[0]), args.texts[0],
                                    user_data);
     },
     R"({"callback":"globalCallback","callbackType":6,"level":2,"log":"t1","user_data":"dart\/ctx"})"},
    {7, NAMED(DartAddReceiveNewMsgCallback), "ZelAddRecvNewMsgCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelRecvNewMsgCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":7,"json_msg_array":"t1","user_data":"dart\/ctx"})"},
    {8, NAMED(DartSetMsgElemUploadProgressCallback), "ZelSetMsgElemUploadProgressCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgElemUploadProgressCallback>(callback)(args.texts[0], args.uints[0], args.uints[1],
                                                      args.uints[2], user_data);
     },
     R"({"callback":"globalCallback","callbackType":8,"cur_size":1024,"index":7,"json_msg":"t1","total_size":4096,"user_data":"dart\/ctx"})"},
    {9, NAMED(DartSetMsgReadReceiptCallback), "ZelSetMsgReadedReceiptCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgReadedReceiptCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":9,"json_msg_read_receipt_array":"t1","user_data":"dart\/ctx"})"},
    {10, NAMED(DartSetMsgRevokeCallback), "ZelSetMsgRevokeCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgRevokeCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":10,"json_msg_locator_array":"t1","user_data":"dart\/ctx"})"},
    {11, NAMED(DartSetMsgUpdateCallback), "ZelSetMsgUpdateCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgUpdateCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":11,"json_msg_array":"t1","user_data":"dart\/ctx"})"},
    {12, NAMED(DartSetMsgExtensionsChangedCallback), "ZelSetMsgExtensionsChangedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgExtensionsChangedCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":12,"message_extension_array":"t2","message_id":"t1","user_data":"dart\/ctx"})"},
    {13, NAMED(DartSetMsgExtensionsDeletedCallback), "ZelSetMsgExtensionsDeletedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgExtensionsDeletedCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":13,"message_extension_key_array":"t2","message_id":"t1","user_data":"dart\/ctx"})"},
    {14, NAMED(DartSetMsgReactionsChangedCallback), "ZelSetMsgReactionsChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgReactionsChangedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":14,"message_reaction_change_info_array":"t1","user_data":"dart\/ctx"})"},
    {15, NAMED(DartSetMsgAllMessageReceiveOptionCallback),
     "ZelSetMsgAllMessageReceiveOptionCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgAllMessageReceiveOptionCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":15,"json_receive_message_option_info":"t1","user_data":"dart\/ctx"})"},
    {16, NAMED(DartSetMsgGroupPinnedMessageChangedCallback),
     "ZelSetMsgGroupPinnedMessageChangedCallback", 3,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgGroupPinnedMessageChangedCallback>(callback)(args.texts[0], args.texts[1],
                                                             args.flag, args.texts[2], user_data);
     },
     R"({"callback":"globalCallback","callbackType":16,"group_id":"t1","is_pinned":true,"json_msg":"t2","op_user":"t3","user_data":"dart\/ctx"})"},
    {67, NAMED(DartSetMsgTTSResponseCallback), "ZelSetMsgTTSResponseCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMsgTTSResponseCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":67,"json_tts_response":"t1","user_data":"dart\/ctx"})"},
};

// Group, community and conversation events.
const EventRow kGroupAndConversationEvents[] = {
    {17, NAMED(DartSetGroupTipsEventCallback), "ZelSetGroupTipsEventCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelGroupTipsEventCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":17,"json_group_tip":"t1","user_data":"dart\/ctx"})"},
    {18, NAMED(DartSetGroupAttributeChangedCallback), "ZelSetGroupAttributeChangedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelGroupAttributeChangedCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":18,"group_id":"t1","json_group_attribute_array":"t2","user_data":"dart\/ctx"})"},
    {19, NAMED(DartSetGroupCounterChangedCallback), "ZelSetGroupCounterChangedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelGroupCounterChangedCallback>(callback)(args.texts[0], args.texts[1], args.wide,
                                                    user_data);
     },
     R"({"callback":"globalCallback","callbackType":19,"group_counter_key":"t2","group_counter_new_value":5000000000,"group_id":"t1","user_data":"dart\/ctx"})"},
    {20, NAMED(DartSetCommunityCreateTopicCallback), "ZelSetCommunityCreateTopicCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityCreateTopicCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":20,"group_id":"t1","topic_id":"t2","user_data":"dart\/ctx"})"},
    {21, NAMED(DartSetCommunityDeleteTopicCallback), "ZelSetCommunityDeleteTopicCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityDeleteTopicCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":21,"group_id":"t1","topic_id_array":"t2","user_data":"dart\/ctx"})"},
    {22, NAMED(DartSetCommunityChangeTopicInfoCallback), "ZelSetCommunityChangeTopicInfoCallback",
     2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityChangeTopicInfoCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":22,"group_id":"t1","topic_info":"t2","user_data":"dart\/ctx"})"},
    {23, NAMED(DartSetCommunityReceiveTopicRESTCustomDataCallback),
     "ZelSetCommunityReceiveTopicRESTCustomDataCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityReceiveTopicRESTCustomDataCallback>(callback)(args.texts[0], args.texts[1],
                                                                    user_data);
     },
     R"({"callback":"globalCallback","callbackType":23,"custom_data":"t2","topic_id":"t1","user_data":"dart\/ctx"})"},
    {24, NAMED(DartSetCommunityCreatePermissionGroupCallback),
     "ZelSetCommunityCreatePermissionGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityCreatePermissionGroupCallback>(callback)(args.texts[0], args.texts[1],
                                                               user_data);
     },
     R"({"callback":"globalCallback","callbackType":24,"group_id":"t1","permission_group_info":"t2","user_data":"dart\/ctx"})"},
    {25, NAMED(DartSetCommunityDeletePermissionGroupCallback),
     "ZelSetCommunityDeletePermissionGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityDeletePermissionGroupCallback>(callback)(args.texts[0], args.texts[1],
                                                               user_data);
     },
     R"({"callback":"globalCallback","callbackType":25,"group_id":"t1","permission_group_id_array":"t2","user_data":"dart\/ctx"})"},
    {26, NAMED(DartSetCommunityChangePermissionGroupInfoCallback),
     "ZelSetCommunityChangePermissionGroupInfoCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityChangePermissionGroupInfoCallback>(callback)(args.texts[0], args.texts[1],
                                                                   user_data);
     },
     R"({"callback":"globalCallback","callbackType":26,"group_id":"t1","permission_group_info":"t2","user_data":"dart\/ctx"})"},
    {27, NAMED(DartSetCommunityAddMembersToPermissionGroupCallback),
     "ZelSetCommunityAddMembersToPermissionGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityAddMembersToPermissionGroupCallback>(callback)(args.texts[0], args.texts[1],
                                                                     user_data);
     },
     R"({"callback":"globalCallback","callbackType":27,"group_id":"t1","json_result":"t2","user_data":"dart\/ctx"})"},
    {28, NAMED(DartSetCommunityRemoveMembersFromPermissionGroupCallback),
     "ZelSetCommunityRemoveMembersFromPermissionGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityRemoveMembersFromPermissionGroupCallback>(callback)(args.texts[0],
                                                                          args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":28,"group_id":"t1","json_result":"t2","user_data":"dart\/ctx"})"},
    {29, NAMED(DartSetCommunityAddTopicPermissionCallback),
     "ZelSetCommunityAddTopicPermissionCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityAddTopicPermissionCallback>(callback)(args.texts[0], args.texts[1],
                                                            user_data);
     },
     R"({"callback":"globalCallback","callbackType":29,"group_id":"t1","json_result":"t2","user_data":"dart\/ctx"})"},
    {30, NAMED(DartSetCommunityDeleteTopicPermissionCallback),
     "ZelSetCommunityDeleteTopicPermissionCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityDeleteTopicPermissionCallback>(callback)(args.texts[0], args.texts[1],
                                                               user_data);
     },
     R"({"callback":"globalCallback","callbackType":30,"group_id":"t1","json_result":"t2","user_data":"dart\/ctx"})"},
    {31, NAMED(DartSetCommunityModifyTopicPermissionCallback),
     "ZelSetCommunityModifyTopicPermissionCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelCommunityModifyTopicPermissionCallback>(callback)(args.texts[0], args.texts[1],
                                                               user_data);
     },
     R"({"callback":"globalCallback","callbackType":31,"group_id":"t1","json_result":"t2","user_data":"dart\/ctx"})"},
    {32, NAMED(DartSetConvEventCallback), "ZelSetConvEventCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvEventCallback>(callback)(static_cast<ZelConvEvent>(args.ints[0]), args.texts[0],
                                          user_data);
     },
     R"({"callback":"globalCallback","callbackType":32,"conv_event":2,"json_conv_array":"t1","user_data":"dart\/ctx"})"},
    {33, NAMED(DartSetConvTotalUnreadMessageCountChangedCallback),
     "ZelSetConvTotalUnreadMessageCountChangedCallback", 0,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvTotalUnreadMessageCountChangedCallback>(callback)(args.ints[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":33,"total_unread_count":2,"user_data":"dart\/ctx"})"},
    {34, NAMED(DartSetConvUnreadMessageCountChangedByFilterCallback),
     "ZelSetConvUnreadMessageCountChangedByFilterCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvUnreadMessageCountChangedByFilterCallback>(callback)(args.texts[0], args.ints[0],
                                                                      user_data);
     },
     R"({"callback":"globalCallback","callbackType":34,"filter":"t1","total_unread_count":2,"user_data":"dart\/ctx"})"},
    {35, NAMED(DartSetConvConversationGroupCreatedCallback),
     "ZelSetConvConversationGroupCreatedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvConversationGroupCreatedCallback>(callback)(args.texts[0], args.texts[1],
                                                             user_data);
     },
     R"({"callback":"globalCallback","callbackType":35,"conversation_array":"t2","group_name":"t1","user_data":"dart\/ctx"})"},
    {36, NAMED(DartSetConvConversationGroupDeletedCallback),
     "ZelSetConvConversationGroupDeletedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvConversationGroupDeletedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":36,"group_name":"t1","user_data":"dart\/ctx"})"},
    {37, NAMED(DartSetConvConversationGroupNameChangedCallback),
     "ZelSetConvConversationGroupNameChangedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvConversationGroupNameChangedCallback>(callback)(args.texts[0], args.texts[1],
                                                                 user_data);
     },
     R"({"callback":"globalCallback","callbackType":37,"new_name":"t2","old_name":"t1","user_data":"dart\/ctx"})"},
    {38, NAMED(DartSetConvConversationsAddedToGroupCallback),
     "ZelSetConvConversationsAddedToGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvConversationsAddedToGroupCallback>(callback)(args.texts[0], args.texts[1],
                                                              user_data);
     },
     R"({"callback":"globalCallback","callbackType":38,"conversation_array":"t2","group_name":"t1","user_data":"dart\/ctx"})"},
    {39, NAMED(DartSetConvConversationsDeletedFromGroupCallback),
     "ZelSetConvConversationsDeletedFromGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelConvConversationsDeletedFromGroupCallback>(callback)(args.texts[0], args.texts[1],
                                                                  args.uints[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":39,"conversation_array":"t2","group_name":"t1","reason":7,"user_data":"dart\/ctx"})"},
};

// Friendship, official-account, follow, signaling and experimental events.
const EventRow kFriendshipAndSignalingEvents[] = {
    {40, NAMED(DartSetOnAddFriendCallback), "ZelSetOnAddFriendCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOnAddFriendCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":40,"friend_info_array":"t1","user_data":"dart\/ctx"})"},
    {41, NAMED(DartSetOnDeleteFriendCallback), "ZelSetOnDeleteFriendCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOnDeleteFriendCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":41,"friend_id_array":"t1","user_data":"dart\/ctx"})"},
    {42, NAMED(DartSetUpdateFriendProfileCallback), "ZelSetUpdateFriendProfileCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelUpdateFriendProfileCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":42,"friend_info_update_array":"t1","user_data":"dart\/ctx"})"},
    {43, NAMED(DartSetFriendAddRequestCallback), "ZelSetFriendAddRequestCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendAddRequestCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":43,"json_application_array":"t1","user_data":"dart\/ctx"})"},
    {44, NAMED(DartSetFriendApplicationListDeletedCallback),
     "ZelSetFriendApplicationListDeletedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendApplicationListDeletedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":44,"json_user_id_array":"t1","user_data":"dart\/ctx"})"},
    {45, NAMED(DartSetFriendApplicationListReadCallback), "ZelSetFriendApplicationListReadCallback",
     0,
     [](const void* callback, const EventArgs&, const void* user_data) {
       As<ZelFriendApplicationListReadCallback>(callback)(user_data);
     },
     R"({"callback":"globalCallback","callbackType":45,"user_data":"dart\/ctx"})"},
    {46, NAMED(DartSetFriendBlackListAddedCallback), "ZelSetFriendBlackListAddedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendBlackListAddedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":46,"json_friend_info_array":"t1","user_data":"dart\/ctx"})"},
    {47, NAMED(DartSetFriendBlackListDeletedCallback), "ZelSetFriendBlackListDeletedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendBlackListDeletedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":47,"json_user_id_array":"t1","user_data":"dart\/ctx"})"},
    {48, NAMED(DartSetFriendGroupCreatedCallback), "ZelSetFriendGroupCreatedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendGroupCreatedCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":48,"group_name":"t1","json_friend_info_array":"t2","user_data":"dart\/ctx"})"},
    {49, NAMED(DartSetFriendGroupDeletedCallback), "ZelSetFriendGroupDeletedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendGroupDeletedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":49,"json_group_name_array":"t1","user_data":"dart\/ctx"})"},
    {50, NAMED(DartSetFriendGroupNameChangedCallback), "ZelSetFriendGroupNameChangedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendGroupNameChangedCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":50,"new_group_name":"t2","old_group_name":"t1","user_data":"dart\/ctx"})"},
    {51, NAMED(DartSetFriendsAddedToGroupCallback), "ZelSetFriendsAddedToGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendsAddedToGroupCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":51,"group_name":"t1","json_friend_info_array":"t2","user_data":"dart\/ctx"})"},
    {52, NAMED(DartSetFriendsDeletedFromGroupCallback), "ZelSetFriendsDeletedFromGroupCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelFriendsDeletedFromGroupCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":52,"group_name":"t1","json_friend_id_array":"t2","user_data":"dart\/ctx"})"},
    {53, NAMED(DartSetOfficialAccountSubscribedCallback), "ZelSetOfficialAccountSubscribedCallback",
     1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOfficialAccountSubscribedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":53,"json_official_account_info":"t1","user_data":"dart\/ctx"})"},
    {54, NAMED(DartSetOfficialAccountUnsubscribedCallback),
     "ZelSetOfficialAccountUnsubscribedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOfficialAccountUnsubscribedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":54,"official_account_id":"t1","user_data":"dart\/ctx"})"},
    {55, NAMED(DartSetOfficialAccountDeletedCallback), "ZelSetOfficialAccountDeletedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOfficialAccountDeletedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":55,"official_account_id":"t1","user_data":"dart\/ctx"})"},
    {56, NAMED(DartSetOfficialAccountInfoChangedCallback),
     "ZelSetOfficialAccountInfoChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelOfficialAccountInfoChangedCallback>(callback)(args.texts[0], user_data);
     },
     R"({"callback":"globalCallback","callbackType":56,"json_official_account_info":"t1","user_data":"dart\/ctx"})"},
    {57, NAMED(DartSetMyFollowingListChangedCallback), "ZelSetMyFollowingListChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMyFollowingListChangedCallback>(callback)(args.texts[0], args.flag, user_data);
     },
     R"({"callback":"globalCallback","callbackType":57,"is_add":true,"json_user_info_list":"t1","user_data":"dart\/ctx"})"},
    {58, NAMED(DartSetMyFollowersListChangedCallback), "ZelSetMyFollowersListChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMyFollowersListChangedCallback>(callback)(args.texts[0], args.flag, user_data);
     },
     R"({"callback":"globalCallback","callbackType":58,"is_add":true,"json_user_info_list":"t1","user_data":"dart\/ctx"})"},
    {59, NAMED(DartSetMutualFollowersListChangedCallback),
     "ZelSetMutualFollowersListChangedCallback", 1,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelMutualFollowersListChangedCallback>(callback)(args.texts[0], args.flag, user_data);
     },
     R"({"callback":"globalCallback","callbackType":59,"is_add":true,"json_user_info_list":"t1","user_data":"dart\/ctx"})"},
    {60, NAMED(DartSetSignalingReceiveNewInvitationCallback),
     "ZelSetSignalingReceiveNewInvitationCallback", 5,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingReceiveNewInvitationCallback>(callback)(
           args.texts[0], args.texts[1], args.texts[2], args.texts[3], args.texts[4], user_data);
     },
     R"({"callback":"globalCallback","callbackType":60,"data":"t5","group_id":"t3","invite_id":"t1","inviter":"t2","json_invitee_list":"t4","user_data":"dart\/ctx"})"},
    {61, NAMED(DartSetSignalingInvitationCancelledCallback),
     "ZelSetSignalingInvitationCancelledCallback", 3,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingInvitationCancelledCallback>(callback)(args.texts[0], args.texts[1],
                                                             args.texts[2], user_data);
     },
     R"({"callback":"globalCallback","callbackType":61,"data":"t3","invite_id":"t1","inviter":"t2","user_data":"dart\/ctx"})"},
    {62, NAMED(DartSetSignalingInviteeAcceptedCallback), "ZelSetSignalingInviteeAcceptedCallback",
     3,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingInviteeAcceptedCallback>(callback)(args.texts[0], args.texts[1],
                                                         args.texts[2], user_data);
     },
     R"({"callback":"globalCallback","callbackType":62,"data":"t3","invite_id":"t1","invitee":"t2","user_data":"dart\/ctx"})"},
    {63, NAMED(DartSetSignalingInviteeRejectedCallback), "ZelSetSignalingInviteeRejectedCallback",
     3,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingInviteeRejectedCallback>(callback)(args.texts[0], args.texts[1],
                                                         args.texts[2], user_data);
     },
     R"({"callback":"globalCallback","callbackType":63,"data":"t3","invite_id":"t1","invitee":"t2","user_data":"dart\/ctx"})"},
    {64, NAMED(DartSetSignalingInvitationTimeoutCallback),
     "ZelSetSignalingInvitationTimeoutCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingInvitationTimeoutCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":64,"invite_id":"t1","json_invitee_list":"t2","user_data":"dart\/ctx"})"},
    {65, NAMED(DartSetSignalingInvitationModifiedCallback),
     "ZelSetSignalingInvitationModifiedCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelSignalingInvitationModifiedCallback>(callback)(args.texts[0], args.texts[1],
                                                            user_data);
     },
     R"({"callback":"globalCallback","callbackType":65,"data":"t2","invite_id":"t1","user_data":"dart\/ctx"})"},
    {66, NAMED(DartSetExperimentalNotifyCallback), "ZelSetExperimentalNotifyCallback", 2,
     [](const void* callback, const EventArgs& args, const void* user_data) {
       As<ZelExperimentalNotifyCallback>(callback)(args.texts[0], args.texts[1], user_data);
     },
     R"({"callback":"globalCallback","callbackType":66,"data":"t2","key":"t1","user_data":"dart\/ctx"})"},
};

#undef NAMED

// Every event, in callbackType order.
const std::vector<EventRow>& Events() {
  static const std::vector<EventRow> events = [] {
    std::vector<EventRow> all(std::begin(kAccountAndMessageEvents),
                              std::end(kAccountAndMessageEvents));
    all.insert(all.end(), std::begin(kGroupAndConversationEvents),
               std::end(kGroupAndConversationEvents));
    all.insert(all.end(), std::begin(kFriendshipAndSignalingEvents),
               std::end(kFriendshipAndSignalingEvents));
    std::sort(all.begin(), all.end(), [](const EventRow& a, const EventRow& b) {
      return a.callback_type < b.callback_type;
    });
    return all;
  }();
  return events;
}

const EventRow& Event(int callback_type) { return Events().at(callback_type); }

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class ListenerTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }

  // Registers the event's listener through its export and returns what the
  // SDK keeps for it.
  static zel_standin::Listener Listen(const EventRow& event, const char* user_data) {
    event.register_listener(user_data);
    const auto listener = zel_standin::RegisteredListener(event.registration);
    return listener ? *listener : zel_standin::Listener{};
  }

  // Calls the adapter as the SDK does. A listener that was never registered
  // fails the test rather than being called through a null pointer.
  static void Call(const EventRow& event, const zel_standin::Listener& listener,
                   const EventArgs& args) {
    if (listener.callback == nullptr) {
      ADD_FAILURE() << event.registration << " holds no listener";
      return;
    }
    event.raise(listener.callback, args, listener.user_data);
  }

  // The texts that reach Dart while the SDK raises the event.
  static std::vector<std::string> Raise(const EventRow& event,
                                        const zel_standin::Listener& listener,
                                        const EventArgs& args) {
    dart_standin::Reset();
    Call(event, listener, args);
    return Received(kPort);
  }

  static constexpr int64_t kPort = 4242;
};

TEST_F(ListenerTest, TheTableHasEveryEventOnceInNumberOrder) {
  ASSERT_EQ(Events().size(), 68u);
  std::set<std::string> exports;
  std::set<std::string> registrations;
  std::set<int (*)(const char*)> functions;
  for (size_t i = 0; i < Events().size(); ++i) {
    EXPECT_EQ(Events()[i].callback_type, static_cast<int>(i));
    exports.insert(Events()[i].export_name);
    registrations.insert(Events()[i].registration);
    functions.insert(Events()[i].register_listener);
  }
  EXPECT_EQ(exports.size(), 68u);
  EXPECT_EQ(registrations.size(), 68u);
  EXPECT_EQ(functions.size(), 68u);
}

TEST_F(ListenerTest, EachExportRegistersItsOwnAdapterAndReturnsTheSdkResult) {
  std::set<const void*> adapters;
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    zel_standin::Reset();
    const int sdk_result = -100 - event.callback_type;
    zel_standin::SetResult(sdk_result);

    EXPECT_EQ(event.register_listener(kUserData), sdk_result);

    const auto journal = zel_standin::Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].function, event.registration);
    EXPECT_TRUE(journal[0].args.empty());
    EXPECT_NE(journal[0].callback, nullptr);
    EXPECT_EQ(journal[0].user_data, kUserData);
    const auto listener = zel_standin::RegisteredListener(event.registration);
    ASSERT_TRUE(listener.has_value());
    EXPECT_EQ(listener->callback, journal[0].callback);
    adapters.insert(journal[0].callback);
  }
  EXPECT_EQ(adapters.size(), Events().size());
}

TEST_F(ListenerTest, EachEventPostsItsEnvelope) {
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    const zel_standin::Listener listener = Listen(event, kUserData);

    EXPECT_EQ(Raise(event, listener, kArgs), std::vector<std::string>{event.expected});
    EXPECT_EQ(dart_standin::Posts().size(), 1u);
  }
  EXPECT_TRUE(LogContents().empty());
}

TEST_F(ListenerTest, EventsRaisedOnAnSdkThreadArriveTheSame) {
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    const zel_standin::Listener listener = Listen(event, kUserData);
    dart_standin::Reset();

    zel_standin::RunOnWorker([&event, listener] { Call(event, listener, kArgs); });
    zel_standin::WaitForWorker();

    EXPECT_EQ(Received(kPort), std::vector<std::string>{event.expected});
  }
}

TEST_F(ListenerTest, ANullTextIsPostedAsTheEmptyString) {
  for (const EventRow& event : Events()) {
    const zel_standin::Listener listener = Listen(event, kUserData);
    for (int text = 0; text < event.text_count; ++text) {
      SCOPED_TRACE(std::string(event.export_name) + ", text " + std::to_string(text + 1));
      const std::string quoted = Quoted(kArgs.texts[text]);
      ASSERT_EQ(Occurrences(event.expected, quoted), 1u);
      EventArgs args = kArgs;
      args.texts[text] = nullptr;

      EXPECT_EQ(Raise(event, listener, args),
                std::vector<std::string>{Replaced(event.expected, quoted, "\"\"")});
    }
  }
}

// The SDK's texts are copied byte for byte, and the VM refuses a text that is
// not UTF-8: such an event arrives in base64, its bytes unchanged.
TEST_F(ListenerTest, AnSdkTextThatIsNotUtf8ArrivesInBase64WithItsBytes) {
  size_t events_with_text = 0;
  for (const EventRow& event : Events()) {
    if (event.text_count == 0) continue;
    SCOPED_TRACE(event.export_name);
    ++events_with_text;
    const zel_standin::Listener listener = Listen(event, kUserData);
    EventArgs args = kArgs;
    args.texts[0] = "caf\xE9";
    const std::string plain = Replaced(event.expected, Quoted(kArgs.texts[0]), "\"caf\xE9\"");

    EXPECT_EQ(Raise(event, listener, args), std::vector<std::string>{Base64Form(plain)});
  }
  EXPECT_EQ(LogContents(),
            std::vector<std::string>(
                events_with_text,
                R"(im ffi: [Step1] Posting message without base64 failed. user_data: dart/ctx)"));
}

TEST_F(ListenerTest, ANullUserDataIsPostedAsTheEmptyString) {
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    zel_standin::Reset();
    const zel_standin::Listener listener = Listen(event, nullptr);
    EXPECT_EQ(listener.user_data, nullptr);

    EXPECT_EQ(
        Raise(event, listener, kArgs),
        std::vector<std::string>{Replaced(event.expected, kUserDataMember, R"("user_data":"")")});
  }
}

TEST_F(ListenerTest, RegisteringTwiceRegistersTheSameAdapterWithEachText) {
  const char first[] = "first";
  const char second[] = "second";
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    zel_standin::Reset();
    event.register_listener(first);
    event.register_listener(second);

    const auto calls = zel_standin::CallsOf(event.registration);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(zel_standin::Journal().size(), 2u);
    EXPECT_NE(calls[0].callback, nullptr);
    EXPECT_EQ(calls[0].callback, calls[1].callback);
    EXPECT_EQ(calls[0].user_data, first);
    EXPECT_EQ(calls[1].user_data, second);
  }
}

TEST_F(ListenerTest, RemovingTheNewMessageListenerCallsNothingAndMessagesKeepArriving) {
  const EventRow& new_message = Event(7);
  const zel_standin::Listener listener = Listen(new_message, kUserData);
  const size_t calls_before = zel_standin::Journal().size();

  DartRemoveReceiveNewMsgCallback();

  EXPECT_EQ(zel_standin::Journal().size(), calls_before);
  EXPECT_EQ(Raise(new_message, listener, kArgs), std::vector<std::string>{new_message.expected});
}

TEST_F(ListenerTest, TheLogFilterDropsOnlyTheBridgesOwnLines) {
  struct Case {
    const char* log;
    const char* expected;  // null: dropped
  };
  const Case cases[] = {
      {"im ffi: [Step1] failed", nullptr},
      {"sdk line with im ffi: in the middle", nullptr},
      {"ends with im ffi: ", nullptr},
      {"IM FFI: capitals are SDK text",
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"IM FFI: capitals are SDK text","user_data":"dart\/ctx"})"},
      {"im ffi:no blank",
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"im ffi:no blank","user_data":"dart\/ctx"})"},
      {"im ffi:",
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"im ffi:","user_data":"dart\/ctx"})"},
      {"im  ffi: two blanks",
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"im  ffi: two blanks","user_data":"dart\/ctx"})"},
      {"",
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"","user_data":"dart\/ctx"})"},
      {nullptr,
       R"({"callback":"globalCallback","callbackType":6,"level":5,"log":"","user_data":"dart\/ctx"})"},
  };
  const EventRow& log_event = Event(6);
  const zel_standin::Listener listener = Listen(log_event, kUserData);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log == nullptr ? "null log" : c.log);
    dart_standin::Reset();
    As<ZelLogCallback>(listener.callback)(kZelLogLevelWarn, c.log, listener.user_data);

    if (c.expected == nullptr) {
      EXPECT_TRUE(dart_standin::Posts().empty());
    } else {
      EXPECT_EQ(Received(kPort), std::vector<std::string>{c.expected});
    }
  }
  EXPECT_TRUE(LogContents().empty());
}

TEST_F(ListenerTest, TheExperimentalFilterDropsOnlyTheExactLogKey) {
  struct Case {
    const char* key;
    const char* data;
    const char* expected;  // null: dropped
  };
  const Case cases[] = {
      {"OnLogCallback", "line", nullptr},
      {"OnLogCallback", nullptr, nullptr},
      {"OnLogCallbackEx", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":"OnLogCallbackEx","user_data":"dart\/ctx"})"},
      {"OnLog", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":"OnLog","user_data":"dart\/ctx"})"},
      {"onLogCallback", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":"onLogCallback","user_data":"dart\/ctx"})"},
      {"ONLOGCALLBACK", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":"ONLOGCALLBACK","user_data":"dart\/ctx"})"},
      {" OnLogCallback", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":" OnLogCallback","user_data":"dart\/ctx"})"},
      {"", "d",
       R"({"callback":"globalCallback","callbackType":66,"data":"d","key":"","user_data":"dart\/ctx"})"},
      {nullptr, nullptr,
       R"({"callback":"globalCallback","callbackType":66,"data":"","key":"","user_data":"dart\/ctx"})"},
  };
  const EventRow& experimental = Event(66);
  const zel_standin::Listener listener = Listen(experimental, kUserData);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key == nullptr ? "null key" : c.key);
    dart_standin::Reset();
    As<ZelExperimentalNotifyCallback>(listener.callback)(c.key, c.data, listener.user_data);

    if (c.expected == nullptr) {
      EXPECT_TRUE(dart_standin::Posts().empty());
    } else {
      EXPECT_EQ(Received(kPort), std::vector<std::string>{c.expected});
    }
  }
}

TEST_F(ListenerTest, ValuesKeepTheirKindAndRange) {
  constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
  constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
  constexpr uint32_t kUInt32Max = std::numeric_limits<uint32_t>::max();
  constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();
  constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
  struct Case {
    int callback_type;
    EventArgs args;
    const char* expected;
  };
  const Case cases[] = {
      {0,
       {{"d"}, {kZelNetworkStatusMax, kInt32Min}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":0,"code":-2147483648,"desc":"d","status":2147483647,"user_data":"dart\/ctx"})"},
      {0,
       {{"d"}, {kZelConnected, -1}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":0,"code":-1,"desc":"d","status":0,"user_data":"dart\/ctx"})"},
      // The SDK's enumerations are plain 32-bit values, negative ones included.
      {0,
       {{"d"}, {kInt32Min, kInt32Max}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":0,"code":2147483647,"desc":"d","status":-2147483648,"user_data":"dart\/ctx"})"},
      {6,
       {{"l"}, {-1}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":6,"level":-1,"log":"l","user_data":"dart\/ctx"})"},
      {6,
       {{"l"}, {kInt32Max}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":6,"level":2147483647,"log":"l","user_data":"dart\/ctx"})"},
      {32,
       {{"c"}, {kInt32Min}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":32,"conv_event":-2147483648,"json_conv_array":"c","user_data":"dart\/ctx"})"},
      {8,
       {{"m"}, {}, {kUInt32Max, 0, 2147483648u}, 0, false},
       R"({"callback":"globalCallback","callbackType":8,"cur_size":0,"index":4294967295,"json_msg":"m","total_size":2147483648,"user_data":"dart\/ctx"})"},
      {8,
       {{"m"}, {}, {0, kUInt32Max, kUInt32Max}, 0, false},
       R"({"callback":"globalCallback","callbackType":8,"cur_size":4294967295,"index":0,"json_msg":"m","total_size":4294967295,"user_data":"dart\/ctx"})"},
      {16,
       {{"g", "m", "u"}, {}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":16,"group_id":"g","is_pinned":false,"json_msg":"m","op_user":"u","user_data":"dart\/ctx"})"},
      {19,
       {{"g", "k"}, {}, {}, kInt64Min, false},
       R"({"callback":"globalCallback","callbackType":19,"group_counter_key":"k","group_counter_new_value":-9223372036854775808,"group_id":"g","user_data":"dart\/ctx"})"},
      {19,
       {{"g", "k"}, {}, {}, kInt64Max, false},
       R"({"callback":"globalCallback","callbackType":19,"group_counter_key":"k","group_counter_new_value":9223372036854775807,"group_id":"g","user_data":"dart\/ctx"})"},
      {19,
       {{"g", "k"}, {}, {}, -1, false},
       R"({"callback":"globalCallback","callbackType":19,"group_counter_key":"k","group_counter_new_value":-1,"group_id":"g","user_data":"dart\/ctx"})"},
      {19,
       {{"g", "k"}, {}, {}, 4294967296, false},
       R"({"callback":"globalCallback","callbackType":19,"group_counter_key":"k","group_counter_new_value":4294967296,"group_id":"g","user_data":"dart\/ctx"})"},
      {32,
       {{nullptr}, {kZelConvEventMax}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":32,"conv_event":2147483647,"json_conv_array":"","user_data":"dart\/ctx"})"},
      {33,
       {{}, {0}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":33,"total_unread_count":0,"user_data":"dart\/ctx"})"},
      {33,
       {{}, {kInt32Min}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":33,"total_unread_count":-2147483648,"user_data":"dart\/ctx"})"},
      {33,
       {{}, {kInt32Max}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":33,"total_unread_count":2147483647,"user_data":"dart\/ctx"})"},
      {34,
       {{"f"}, {-1}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":34,"filter":"f","total_unread_count":-1,"user_data":"dart\/ctx"})"},
      {39,
       {{"n", "c"}, {}, {kUInt32Max}, 0, false},
       R"({"callback":"globalCallback","callbackType":39,"conversation_array":"c","group_name":"n","reason":4294967295,"user_data":"dart\/ctx"})"},
      {39,
       {{"n", "c"}, {}, {0}, 0, false},
       R"({"callback":"globalCallback","callbackType":39,"conversation_array":"c","group_name":"n","reason":0,"user_data":"dart\/ctx"})"},
      {57,
       {{"l"}, {}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":57,"is_add":false,"json_user_info_list":"l","user_data":"dart\/ctx"})"},
      {58,
       {{"l"}, {}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":58,"is_add":false,"json_user_info_list":"l","user_data":"dart\/ctx"})"},
      {59,
       {{"l"}, {}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":59,"is_add":false,"json_user_info_list":"l","user_data":"dart\/ctx"})"},
      {59,
       {{"l"}, {}, {}, 0, true},
       R"({"callback":"globalCallback","callbackType":59,"is_add":true,"json_user_info_list":"l","user_data":"dart\/ctx"})"},
      // The SDK's JSON documents travel as the text it gave, escaped as a string.
      {7,
       {{"[{\"msg_id\":\"a/1\",\"text\":\"h\xC3\xA9\tllo\"}]"}, {}, {}, 0, false},
       R"({"callback":"globalCallback","callbackType":7,"json_msg_array":"[{\"msg_id\":\"a\/1\",\"text\":\"h)"
       "\xC3\xA9"
       R"(\tllo\"}]","user_data":"dart\/ctx"})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const EventRow& event = Event(c.callback_type);
    const zel_standin::Listener listener = Listen(event, kUserData);
    EXPECT_EQ(Raise(event, listener, c.args), std::vector<std::string>{c.expected});
  }
}

TEST_F(ListenerTest, AnEventBeforeAnyPortIsRegisteredIsOnlyLogged) {
  DartUnregisterSendPort(kPort);
  const EventRow& kicked_offline = Event(1);
  const zel_standin::Listener listener = Listen(kicked_offline, kUserData);

  EXPECT_TRUE(Raise(kicked_offline, listener, kArgs).empty());
  EXPECT_TRUE(dart_standin::Posts().empty());
  EXPECT_EQ(LogContents(),
            std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."});
}

// Whichever allocation fails while an adapter builds or posts its envelope,
// nothing is thrown into the SDK's thread, and the event reaches Dart whole or
// as its error envelope, which carries the event's number; leak checkers see
// every partial envelope released.
TEST_F(ListenerTest, AnAllocationFailureLeavesTheErrorEnvelopeOrALogLine) {
  for (const EventRow& event : Events()) {
    SCOPED_TRACE(event.export_name);
    const zel_standin::Listener listener = Listen(event, kUserData);
    const std::string error_text =
        R"({"callback":"globalCallback","callbackType":)" + std::to_string(event.callback_type) +
        R"(,"code":6131,"desc":"IM ffi data error","user_data":"dart\/ctx"})";
    const std::string base64_text = Base64Form(event.expected);
    ExpectDeliveryDespiteEachAllocationFailure(kPort, {event.expected, base64_text, error_text},
                                               [&] { Call(event, listener, kArgs); });
  }
}

// The text the VM receives for an envelope built the plain way, a fresh
// json::Object serialized whole: the text itself, or its base64 form when it
// is not UTF-8.
std::string PostedForm(const json::Object& envelope) {
  return ::PostedForm(json::Serialize(json::Value(envelope)));
}

// Every event, raised six times in a row with random texts and user_data,
// posts the text of a fresh json::Object holding those texts, through each
// escaping path. The first envelope of each kind on the thread sets its
// members by key and lays out its text, the next three set them where they
// lie; with more kinds than a thread keeps, each kind makes room for the next.
// The fifth is raised while the thread's storage is busy building another
// envelope, and is built in an object of its own. The sixth finds the port
// refusing all but error envelopes, and its error envelope carries what a
// fresh object's would.
// The members that carry the table's texts t1 to t5 are given the random
// texts; the numbers stay the table's.
TEST_F(ListenerTest, EveryEventPostsWhatAFreshObjectGivesWhateverItsTexts) {
  RandomTexts random(29);
  for (const json_internal::EscapePath path : json_internal::AvailableEscapePaths()) {
    SCOPED_TRACE(json_internal::EscapePathName(path));
    ASSERT_TRUE(json_internal::UseEscapePath(path));
    for (const EventRow& event : Events()) {
      SCOPED_TRACE(event.export_name);
      const zel_standin::Listener listener = Listen(event, kUserData);
      ASSERT_NE(listener.callback, nullptr);
      const json::Value marked = json::Deserialize(event.expected);
      ASSERT_EQ(marked.GetValueType(), json::ObjectType);
      for (int round = 0; round < 6; ++round) {
        std::string texts[5];
        EventArgs args = kArgs;
        for (int i = 0; i < 5; ++i) {
          texts[i] = random.Next();
          args.texts[i] = texts[i].c_str();
        }
        const std::string user_data = random.Next();
        json::Object fresh;
        for (const auto& member : marked.ToObject()) {
          const std::string& key = member.first;
          const json::Value& value = member.second;
          if (key == "user_data") {
            fresh[key] = json::Value(user_data);
            continue;
          }
          const std::string& text = value.ToString();
          const bool carries_text = value.GetValueType() == json::StringType && text.size() == 2 &&
                                    text[0] == 't' && text[1] >= '1' && text[1] <= '5';
          fresh[key] = carries_text ? json::Value(texts[text[1] - '1']) : value;
        }
        std::vector<std::string> expected = {PostedForm(fresh)};
        json::Object error;
        error["code"] = json::Value(6131);
        error["desc"] = json::Value("IM ffi data error");
        error["callback"] = json::Value("globalCallback");
        error["callbackType"] = json::Value(event.callback_type);
        error["user_data"] = json::Value(user_data);
        const std::string error_text = json::Serialize(json::Value(error));
        dart_standin::Reset();
        if (round < 4) {
          event.raise(listener.callback, args, user_data.c_str());
        } else if (round == 5) {
          // An error text that is not UTF-8 would be refused too, and the
          // port dropped; such a round posts the event as usual.
          if (dart_standin::IsValidUtf8(error_text)) {
            dart_standin::SetPortRule(kPort, [](const std::string& text) {
              return text.find(R"("code":6131,"desc":"IM ffi data error")") != std::string::npos;
            });
            expected = {error_text};
          }
          event.raise(listener.callback, args, user_data.c_str());
        } else {
          const dart_standin::HandMadeEnvelopes hand_made;
          PostEnvelope(
              2000,
              [&](EnvelopeMembers& outer) {
                outer["outer"] = Constant("busy");
                event.raise(listener.callback, args, user_data.c_str());
              },
              [] {});
          expected.push_back(R"({"outer":"busy"})");
        }
        EXPECT_EQ(Received(kPort), expected) << "round " << round;
      }
    }
  }
  json_internal::UseFastestEscapePath();
}

}  // namespace
