// What the bridge calls of the messaging SDK: the operation functions, the
// completion callback shapes, the listener registrations and their callback
// shapes. Declarations only; the SDK library provides the definitions.
//
// Conventions of the SDK:
// - An operation takes its inputs, then a completion callback, then a
//   user_data pointer that comes back unchanged with the completion. It
//   returns an integer result at once; a null callback means no completion.
// - Inputs the bridge forwards uninspected are texts (identifiers and JSON
//   documents) or numbers and flags declared 64 bits wide, the width of a Dart
//   int, so a value crosses the bridge without narrowing.
// - Caller buffers hold 128 bytes; the SDK writes NUL-terminated text of at
//   most 128 bytes, terminator included, before it returns.
// - A listener registration takes the callback first and user_data second.
#ifndef ZELBRIDGE_SDK_ZEL_SDK_H_
#define ZELBRIDGE_SDK_ZEL_SDK_H_

#include <stdbool.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(ZEL_SDK_BUILDING)
#define ZEL_SDK_API __declspec(dllexport)
#else
#define ZEL_SDK_API __declspec(dllimport)
#endif
#else
#define ZEL_SDK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Enumerations travel as int-sized values. Each spans the whole signed 32-bit
// range, so any value the SDK passes, negative ones included, is a valid value
// of its type when a callback receives it.
typedef enum ZelNetworkStatus {
  kZelConnected = 0,
  kZelDisconnected = 1,
  kZelConnecting = 2,
  kZelConnectFailed = 3,
  kZelNetworkStatusMin = -0x7fffffff - 1,
  kZelNetworkStatusMax = 0x7fffffff,
} ZelNetworkStatus;

typedef enum ZelLogLevel {
  kZelLogLevelNone = 0,
  kZelLogLevelDebug = 3,
  kZelLogLevelInfo = 4,
  kZelLogLevelWarn = 5,
  kZelLogLevelError = 6,
  kZelLogLevelMin = -0x7fffffff - 1,
  kZelLogLevelMax = 0x7fffffff,
} ZelLogLevel;

typedef enum ZelConvEvent {
  kZelConvEventAdd = 0,
  kZelConvEventDel = 1,
  kZelConvEventUpdate = 2,
  kZelConvEventStart = 3,
  kZelConvEventFinish = 4,
  kZelConvEventMin = -0x7fffffff - 1,
  kZelConvEventMax = 0x7fffffff,
} ZelConvEvent;

// Completion of an operation: code, description, result document, user_data.
typedef void (*ZelCommCallback)(int32_t code, const char* desc, const char* json_params,
                                const void* user_data);

// Completion of ZelMsgGetGroupMessageReadMemberList.
typedef void (*ZelMsgGroupMessageReadMemberListCallback)(const char* json_group_member_array,
                                                         uint64_t next_seq, bool is_finished,
                                                         const void* user_data);

// SDK lifecycle, configuration, account, profiles, status and messages.

ZEL_SDK_API int ZelInit(uint64_t sdk_app_id, const char* json_sdk_config);
ZEL_SDK_API int ZelUninit(void);
ZEL_SDK_API const char* ZelGetSDKVersion(void);
ZEL_SDK_API uint64_t ZelGetServerTime(void);
ZEL_SDK_API int ZelSetConfig(const char* json_config, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelLogin(const char* user_id, const char* user_sig, ZelCommCallback cb,
                         const void* user_data);
ZEL_SDK_API int ZelLogout(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGetLoginUserID(char* user_id_buffer);
ZEL_SDK_API int ZelGetLoginStatus(void);
ZEL_SDK_API int ZelProfileGetUserProfileList(const char* json_get_user_profile_list_param,
                                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelProfileModifySelfUserProfile(const char* json_modify_self_user_profile_param,
                                                ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelSubscribeUserInfo(const char* json_user_id_list, ZelCommCallback cb,
                                     const void* user_data);
ZEL_SDK_API int ZelUnsubscribeUserInfo(const char* json_user_id_list, ZelCommCallback cb,
                                       const void* user_data);
ZEL_SDK_API int ZelSearchUsers(const char* json_search_user_param, ZelCommCallback cb,
                               const void* user_data);
ZEL_SDK_API int ZelGetUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                 const void* user_data);
ZEL_SDK_API int ZelSetSelfStatus(const char* json_user_status, ZelCommCallback cb,
                                 const void* user_data);
ZEL_SDK_API int ZelSubscribeUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                       const void* user_data);
ZEL_SDK_API int ZelUnsubscribeUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                         const void* user_data);
ZEL_SDK_API int ZelMsgSendMessage(const char* conv_id, int32_t conv_type,
                                  const char* json_msg_param, char* message_id_buffer,
                                  ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgDownloadElemToPath(const char* json_download_elem_param, const char* path,
                                         ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgDownloadMergerMessage(const char* json_single_msg, ZelCommCallback cb,
                                            const void* user_data);
ZEL_SDK_API int ZelMsgSetLocalCustomData(const char* json_msg_param, ZelCommCallback cb,
                                         const void* user_data);
ZEL_SDK_API int ZelMsgGetMsgList(const char* conv_id, int64_t conv_type,
                                 const char* json_get_msg_param, ZelCommCallback cb,
                                 const void* user_data);
ZEL_SDK_API int ZelMsgSetC2CReceiveMessageOpt(const char* json_identifier_array, int64_t opt,
                                              ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgGetC2CReceiveMessageOpt(const char* json_identifier_array, ZelCommCallback cb,
                                              const void* user_data);
ZEL_SDK_API int ZelMsgSetGroupReceiveMessageOpt(const char* group_id, int64_t opt,
                                                ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgSetAllReceiveMessageOpt(int64_t opt, int64_t start_hour, int64_t start_minute,
                                              int64_t start_second, int32_t duration_seconds,
                                              ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgSetAllReceiveMessageOpt2(int64_t opt, uint64_t start_time_stamp,
                                               int64_t duration_seconds, ZelCommCallback cb,
                                               const void* user_data);
ZEL_SDK_API int ZelMsgGetAllReceiveMessageOpt(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgRevoke(const char* conv_id, int64_t conv_type, const char* json_msg_param,
                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgModifyMessage(const char* json_msg_param, ZelCommCallback cb,
                                    const void* user_data);
ZEL_SDK_API int ZelMsgDelete(const char* conv_id, int64_t conv_type, const char* json_msgdel_param,
                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgListDelete(const char* conv_id, int64_t conv_type, const char* json_msg_array,
                                 ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgClearHistoryMessage(const char* conv_id, int64_t conv_type,
                                          ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgSaveMsg(const char* conv_id, int64_t conv_type, const char* json_msg_param,
                              ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgFindMessages(const char* json_message_id_array, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelMsgSearchLocalMessages(const char* json_search_message_param, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelMsgSearchCloudMessages(const char* json_search_message_param, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelMsgSendMessageReadReceipts(const char* json_msg_array, ZelCommCallback cb,
                                              const void* user_data);
ZEL_SDK_API int ZelMsgGetMessageReadReceipts(const char* json_msg_array, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelMsgGetGroupMessageReadMemberList(const char* json_msg, int64_t filter,
                                                    uint64_t next_seq, int64_t count,
                                                    ZelMsgGroupMessageReadMemberListCallback cb,
                                                    const void* user_data);
ZEL_SDK_API int ZelMsgSetMessageExtensions(const char* json_msg, const char* json_extension_array,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgGetMessageExtensions(const char* json_msg, ZelCommCallback cb,
                                           const void* user_data);
ZEL_SDK_API int ZelMsgDeleteMessageExtensions(const char* json_msg,
                                              const char* json_extension_key_array,
                                              ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgAddMessageReaction(const char* json_msg, const char* reaction_id,
                                         ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgRemoveMessageReaction(const char* json_msg, const char* reaction_id,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgGetMessageReactions(const char* json_msg_array,
                                          int64_t max_user_count_per_reaction, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelMsgGetAllUserListOfMessageReaction(const char* json_msg, const char* reaction_id,
                                                      uint64_t next_seq, int64_t count,
                                                      ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgTranslateText(const char* json_source_text_array, const char* source_language,
                                    const char* target_language, ZelCommCallback cb,
                                    const void* user_data);
ZEL_SDK_API int ZelMsgConvertVoiceToText(const char* url, const char* language, ZelCommCallback cb,
                                         const void* user_data);
ZEL_SDK_API int ZelPinGroupMessage(const char* group_id, const char* json_msg, int64_t is_pinned,
                                   ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGetPinnedGroupMessageList(const char* group_id, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelMsgStartTTS(const char* json_msg, const char* voice_id, int64_t speed,
                               int64_t volume, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgStopTTS(const char* json_msg, const char* task_id, ZelCommCallback cb,
                              const void* user_data);
ZEL_SDK_API int ZelMsgReportReaded(const char* conv_id, int64_t conv_type, const char* json_msg,
                                   ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgMarkAllMessageAsRead(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgSetOfflinePushToken(const char* json_token, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelMsgDoBackground(int64_t unread_count, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelMsgDoForeground(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int callExperimentalAPI(const char* json_param, ZelCommCallback cb,
                                    const void* user_data);

// Groups, communities and conversations.

ZEL_SDK_API int ZelGroupCreate(const char* json_group_create_param, ZelCommCallback cb,
                               const void* user_data);
ZEL_SDK_API int ZelGroupDelete(const char* group_id, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupJoin(const char* group_id, const char* hello_msg, ZelCommCallback cb,
                             const void* user_data);
ZEL_SDK_API int ZelGroupQuit(const char* group_id, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetJoinedGroupList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetGroupInfoList(const char* json_group_id_array, ZelCommCallback cb,
                                         const void* user_data);
ZEL_SDK_API int ZelGroupSearchGroups(const char* json_group_search_param, ZelCommCallback cb,
                                     const void* user_data);
ZEL_SDK_API int ZelGroupSearchCloudGroups(const char* json_group_search_param, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelGroupModifyGroupInfo(const char* json_group_modify_info_param,
                                        ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupInitGroupAttributes(const char* group_id, const char* json_group_attributes,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupSetGroupAttributes(const char* group_id, const char* json_group_attributes,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupDeleteGroupAttributes(const char* group_id, const char* json_key_array,
                                              ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetGroupAttributes(const char* group_id, const char* json_key_array,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetOnlineMemberCount(const char* group_id, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelGroupSetGroupCounters(const char* group_id, const char* json_group_counter_array,
                                         ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetGroupCounters(const char* group_id,
                                         const char* json_group_counter_key_array,
                                         ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupIncreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                             int64_t group_counter_value, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelGroupDecreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                             int64_t group_counter_value, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelGroupGetMemberInfoList(const char* json_group_getmeminfos_param,
                                          ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupSearchGroupMembers(const char* json_group_member_search_param,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupSearchCloudGroupMembers(const char* json_group_member_search_param,
                                                ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupModifyMemberInfo(const char* json_group_modifymeminfo_param,
                                         ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupInviteMember(const char* json_group_invite_param, ZelCommCallback cb,
                                     const void* user_data);
ZEL_SDK_API int ZelGroupDeleteMember(const char* json_group_delete_param, ZelCommCallback cb,
                                     const void* user_data);
ZEL_SDK_API int ZelGroupMarkGroupMemberList(const char* group_id, const char* json_member_array,
                                            int64_t mark_type, int64_t enable_mark,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupGetPendencyList(const char* json_group_getpendence_list_param,
                                        ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupHandlePendency(const char* json_group_handle_pendency_param,
                                       ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelGroupReportPendencyReaded(uint64_t time_stamp, ZelCommCallback cb,
                                             const void* user_data);
ZEL_SDK_API int ZelCommunityCreate(const char* json_group_create_param, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelCommunityGetJoinedCommunityList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityCreateTopicInCommunity(const char* group_id,
                                                   const char* json_topic_info, ZelCommCallback cb,
                                                   const void* user_data);
ZEL_SDK_API int ZelCommunityDeleteTopicFromCommunity(const char* group_id,
                                                     const char* json_topic_id_array,
                                                     ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunitySetTopicInfo(const char* json_topic_info, ZelCommCallback cb,
                                         const void* user_data);
ZEL_SDK_API int ZelCommunityGetTopicInfoList(const char* group_id, const char* json_topic_id_array,
                                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunitySetTopicInheritMessageReceiveOptionFromCommunity(const char* topic_id,
                                                                             int64_t is_inherit,
                                                                             ZelCommCallback cb,
                                                                             const void* user_data);
ZEL_SDK_API int ZelCommunityCreatePermissionGroupInCommunity(const char* json_permission_group_info,
                                                             ZelCommCallback cb,
                                                             const void* user_data);
ZEL_SDK_API int ZelCommunityDeletePermissionGroupFromCommunity(
    const char* group_id, const char* json_permission_group_id_array, ZelCommCallback cb,
    const void* user_data);
ZEL_SDK_API int ZelCommunityModifyPermissionGroupInfoInCommunity(
    const char* json_permission_group_info, ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityGetJoinedPermissionGroupListInCommunity(const char* group_id,
                                                                    ZelCommCallback cb,
                                                                    const void* user_data);
ZEL_SDK_API int ZelCommunityGetPermissionGroupListInCommunity(
    const char* group_id, const char* json_permission_group_id_array, ZelCommCallback cb,
    const void* user_data);
ZEL_SDK_API int ZelCommunityAddCommunityMembersToPermissionGroup(const char* group_id,
                                                                 const char* permission_group_id,
                                                                 const char* json_member_id_array,
                                                                 ZelCommCallback cb,
                                                                 const void* user_data);
ZEL_SDK_API int ZelCommunityRemoveCommunityMembersFromPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_member_id_array,
    ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityGetCommunityMemberListInPermissionGroup(const char* group_id,
                                                                    const char* permission_group_id,
                                                                    const char* next_cursor,
                                                                    ZelCommCallback cb,
                                                                    const void* user_data);
ZEL_SDK_API int ZelCommunityAddTopicPermissionToPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityDeleteTopicPermissionFromPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_id_array,
    ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityModifyTopicPermissionInPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelCommunityGetTopicPermissionInPermissionGroup(const char* group_id,
                                                                const char* permission_group_id,
                                                                const char* json_topic_id_array,
                                                                ZelCommCallback cb,
                                                                const void* user_data);
ZEL_SDK_API int ZelConvGetConvList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvGetConvInfo(const char* json_get_conv_list_param, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelConvGetConversationListByFilter(const char* json_filter, uint64_t next_seq,
                                                   int64_t count, ZelCommCallback cb,
                                                   const void* user_data);
ZEL_SDK_API int ZelConvDelete(const char* conv_id, int64_t conv_type, ZelCommCallback cb,
                              const void* user_data);
ZEL_SDK_API int ZelConvDeleteConversationList(const char* json_conversation_id_array,
                                              int64_t clear_message, ZelCommCallback cb,
                                              const void* user_data);
ZEL_SDK_API int ZelConvSetDraft(const char* conv_id, int64_t conv_type,
                                const char* json_draft_param);
ZEL_SDK_API int ZelConvCancelDraft(const char* conv_id, int64_t conv_type);
ZEL_SDK_API int ZelConvSetConversationCustomData(const char* json_conversation_id_array,
                                                 const char* custom_data, ZelCommCallback cb,
                                                 const void* user_data);
ZEL_SDK_API int ZelConvPinConversation(const char* conv_id, int64_t conv_type, int64_t is_pinned,
                                       ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvMarkConversation(const char* json_conversation_id_array, int64_t mark_type,
                                        int64_t enable_mark, ZelCommCallback cb,
                                        const void* user_data);
ZEL_SDK_API int ZelConvGetTotalUnreadMessageCount(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvGetUnreadMessageCountByFilter(const char* json_filter, ZelCommCallback cb,
                                                     const void* user_data);
ZEL_SDK_API int ZelConvSubscribeUnreadMessageCountByFilter(const char* json_filter);
ZEL_SDK_API int ZelConvUnsubscribeUnreadMessageCountByFilter(const char* json_filter);
ZEL_SDK_API int ZelConvCleanConversationUnreadMessageCount(const char* conversation_id,
                                                           uint64_t clean_timestamp,
                                                           uint64_t clean_sequence,
                                                           ZelCommCallback cb,
                                                           const void* user_data);
ZEL_SDK_API int ZelConvCreateConversationGroup(const char* group_name,
                                               const char* json_conversation_id_array,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvGetConversationGroupList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvDeleteConversationGroup(const char* group_name, ZelCommCallback cb,
                                               const void* user_data);
ZEL_SDK_API int ZelConvRenameConversationGroup(const char* old_name, const char* new_name,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvAddConversationsToGroup(const char* group_name,
                                               const char* json_conversation_id_array,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelConvDeleteConversationsFromGroup(const char* group_name,
                                                    const char* json_conversation_id_array,
                                                    ZelCommCallback cb, const void* user_data);

// Friendship, official accounts, following and signaling.

ZEL_SDK_API int ZelFriendshipGetFriendProfileList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipGetFriendsInfo(const char* json_get_friends_info_param,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipModifyFriendProfile(const char* json_modify_friend_info_param,
                                                 ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipSearchFriends(const char* json_search_friends_param,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipAddFriend(const char* json_add_friend_param, ZelCommCallback cb,
                                       const void* user_data);
ZEL_SDK_API int ZelFriendshipDeleteFriend(const char* json_delete_friend_param, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelFriendshipCheckFriendType(const char* json_check_friend_list_param,
                                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipGetPendencyList(const char* json_get_pendency_list_param,
                                             ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipHandleFriendAddRequest(const char* json_handle_friend_add_param,
                                                    ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipDeletePendency(const char* json_delete_pendency_param,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipReportPendencyReaded(uint64_t time_stamp, ZelCommCallback cb,
                                                  const void* user_data);
ZEL_SDK_API int ZelFriendshipGetBlackList(ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipAddToBlackList(const char* json_add_to_blacklist_param,
                                            ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipDeleteFromBlackList(const char* json_delete_from_blacklist_param,
                                                 ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipCreateFriendGroup(const char* json_create_friend_group_param,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipGetFriendGroupList(const char* json_get_friend_group_list_param,
                                                ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipDeleteFriendGroup(const char* json_delete_friend_group_param,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFriendshipModifyFriendGroup(const char* json_modify_friend_group_param,
                                               ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelSubscribeOfficialAccount(const char* official_account_id, ZelCommCallback cb,
                                            const void* user_data);
ZEL_SDK_API int ZelUnsubscribeOfficialAccount(const char* official_account_id, ZelCommCallback cb,
                                              const void* user_data);
ZEL_SDK_API int ZelGetOfficialAccountsInfo(const char* json_official_account_id_array,
                                           ZelCommCallback cb, const void* user_data);
ZEL_SDK_API int ZelFollowUser(const char* json_user_id_array, ZelCommCallback cb,
                              const void* user_data);
ZEL_SDK_API int ZelUnfollowUser(const char* json_user_id_array, ZelCommCallback cb,
                                const void* user_data);
ZEL_SDK_API int ZelGetMyFollowingList(const char* next_cursor, ZelCommCallback cb,
                                      const void* user_data);
ZEL_SDK_API int ZelGetMyFollowersList(const char* next_cursor, ZelCommCallback cb,
                                      const void* user_data);
ZEL_SDK_API int ZelGetMutualFollowersList(const char* next_cursor, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelGetUserFollowInfo(const char* json_user_id_array, ZelCommCallback cb,
                                     const void* user_data);
ZEL_SDK_API int ZelCheckFollowType(const char* json_user_id_array, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelSignalingInvite(const char* invitee, const char* data, bool online_user_only,
                                   const char* json_offline_push_info, int32_t timeout,
                                   char* invite_id_buffer, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelSignalingInviteInGroup(const char* group_id, const char* json_invitee_array,
                                          const char* data, bool online_user_only, int32_t timeout,
                                          char* invite_id_buffer, ZelCommCallback cb,
                                          const void* user_data);
ZEL_SDK_API int ZelSignalingCancel(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelSignalingAccept(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelSignalingReject(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data);
ZEL_SDK_API int ZelGetSignalingInfo(const char* json_msg, ZelCommCallback cb,
                                    const void* user_data);
ZEL_SDK_API int ZelSignalingModifyInvitation(const char* invite_id, const char* data,
                                             ZelCommCallback cb, const void* user_data);

// Listener callbacks and their registrations, one per kind of event.

typedef void (*ZelNetworkStatusListenerCallback)(ZelNetworkStatus status, int32_t code,
                                                 const char* desc, const void* user_data);
ZEL_SDK_API int ZelSetNetworkStatusListenerCallback(ZelNetworkStatusListenerCallback cb,
                                                    const void* user_data);
typedef void (*ZelKickedOfflineCallback)(const void* user_data);
ZEL_SDK_API int ZelSetKickedOfflineCallback(ZelKickedOfflineCallback cb, const void* user_data);
typedef void (*ZelUserSigExpiredCallback)(const void* user_data);
ZEL_SDK_API int ZelSetUserSigExpiredCallback(ZelUserSigExpiredCallback cb, const void* user_data);
typedef void (*ZelSelfInfoUpdatedCallback)(const char* json_user_profile, const void* user_data);
ZEL_SDK_API int ZelSetSelfInfoUpdatedCallback(ZelSelfInfoUpdatedCallback cb, const void* user_data);
typedef void (*ZelUserStatusChangedCallback)(const char* json_user_status_array,
                                             const void* user_data);
ZEL_SDK_API int ZelSetUserStatusChangedCallback(ZelUserStatusChangedCallback cb,
                                                const void* user_data);
typedef void (*ZelUserInfoChangedCallback)(const char* json_user_info_array, const void* user_data);
ZEL_SDK_API int ZelSetUserInfoChangedCallback(ZelUserInfoChangedCallback cb, const void* user_data);
typedef void (*ZelLogCallback)(ZelLogLevel level, const char* log, const void* user_data);
ZEL_SDK_API int ZelSetLogCallback(ZelLogCallback cb, const void* user_data);
typedef void (*ZelRecvNewMsgCallback)(const char* json_msg_array, const void* user_data);
ZEL_SDK_API int ZelAddRecvNewMsgCallback(ZelRecvNewMsgCallback cb, const void* user_data);
typedef void (*ZelMsgElemUploadProgressCallback)(const char* json_msg, uint32_t index,
                                                 uint32_t cur_size, uint32_t total_size,
                                                 const void* user_data);
ZEL_SDK_API int ZelSetMsgElemUploadProgressCallback(ZelMsgElemUploadProgressCallback cb,
                                                    const void* user_data);
typedef void (*ZelMsgReadedReceiptCallback)(const char* json_msg_read_receipt_array,
                                            const void* user_data);
ZEL_SDK_API int ZelSetMsgReadedReceiptCallback(ZelMsgReadedReceiptCallback cb,
                                               const void* user_data);
typedef void (*ZelMsgRevokeCallback)(const char* json_msg_locator_array, const void* user_data);
ZEL_SDK_API int ZelSetMsgRevokeCallback(ZelMsgRevokeCallback cb, const void* user_data);
typedef void (*ZelMsgUpdateCallback)(const char* json_msg_array, const void* user_data);
ZEL_SDK_API int ZelSetMsgUpdateCallback(ZelMsgUpdateCallback cb, const void* user_data);
typedef void (*ZelMsgExtensionsChangedCallback)(const char* message_id,
                                                const char* message_extension_array,
                                                const void* user_data);
ZEL_SDK_API int ZelSetMsgExtensionsChangedCallback(ZelMsgExtensionsChangedCallback cb,
                                                   const void* user_data);
typedef void (*ZelMsgExtensionsDeletedCallback)(const char* message_id,
                                                const char* message_extension_key_array,
                                                const void* user_data);
ZEL_SDK_API int ZelSetMsgExtensionsDeletedCallback(ZelMsgExtensionsDeletedCallback cb,
                                                   const void* user_data);
typedef void (*ZelMsgReactionsChangedCallback)(const char* message_reaction_change_info_array,
                                               const void* user_data);
ZEL_SDK_API int ZelSetMsgReactionsChangedCallback(ZelMsgReactionsChangedCallback cb,
                                                  const void* user_data);
typedef void (*ZelMsgAllMessageReceiveOptionCallback)(const char* json_receive_message_option_info,
                                                      const void* user_data);
ZEL_SDK_API int ZelSetMsgAllMessageReceiveOptionCallback(ZelMsgAllMessageReceiveOptionCallback cb,
                                                         const void* user_data);
typedef void (*ZelMsgGroupPinnedMessageChangedCallback)(const char* group_id, const char* json_msg,
                                                        bool is_pinned, const char* op_user,
                                                        const void* user_data);
ZEL_SDK_API int ZelSetMsgGroupPinnedMessageChangedCallback(
    ZelMsgGroupPinnedMessageChangedCallback cb, const void* user_data);
typedef void (*ZelGroupTipsEventCallback)(const char* json_group_tip, const void* user_data);
ZEL_SDK_API int ZelSetGroupTipsEventCallback(ZelGroupTipsEventCallback cb, const void* user_data);
typedef void (*ZelGroupAttributeChangedCallback)(const char* group_id,
                                                 const char* json_group_attribute_array,
                                                 const void* user_data);
ZEL_SDK_API int ZelSetGroupAttributeChangedCallback(ZelGroupAttributeChangedCallback cb,
                                                    const void* user_data);
typedef void (*ZelGroupCounterChangedCallback)(const char* group_id, const char* group_counter_key,
                                               int64_t group_counter_new_value,
                                               const void* user_data);
ZEL_SDK_API int ZelSetGroupCounterChangedCallback(ZelGroupCounterChangedCallback cb,
                                                  const void* user_data);
typedef void (*ZelCommunityCreateTopicCallback)(const char* group_id, const char* topic_id,
                                                const void* user_data);
ZEL_SDK_API int ZelSetCommunityCreateTopicCallback(ZelCommunityCreateTopicCallback cb,
                                                   const void* user_data);
typedef void (*ZelCommunityDeleteTopicCallback)(const char* group_id, const char* topic_id_array,
                                                const void* user_data);
ZEL_SDK_API int ZelSetCommunityDeleteTopicCallback(ZelCommunityDeleteTopicCallback cb,
                                                   const void* user_data);
typedef void (*ZelCommunityChangeTopicInfoCallback)(const char* group_id, const char* topic_info,
                                                    const void* user_data);
ZEL_SDK_API int ZelSetCommunityChangeTopicInfoCallback(ZelCommunityChangeTopicInfoCallback cb,
                                                       const void* user_data);
typedef void (*ZelCommunityReceiveTopicRESTCustomDataCallback)(const char* topic_id,
                                                               const char* custom_data,
                                                               const void* user_data);
ZEL_SDK_API int ZelSetCommunityReceiveTopicRESTCustomDataCallback(
    ZelCommunityReceiveTopicRESTCustomDataCallback cb, const void* user_data);
typedef void (*ZelCommunityCreatePermissionGroupCallback)(const char* group_id,
                                                          const char* permission_group_info,
                                                          const void* user_data);
ZEL_SDK_API int ZelSetCommunityCreatePermissionGroupCallback(
    ZelCommunityCreatePermissionGroupCallback cb, const void* user_data);
typedef void (*ZelCommunityDeletePermissionGroupCallback)(const char* group_id,
                                                          const char* permission_group_id_array,
                                                          const void* user_data);
ZEL_SDK_API int ZelSetCommunityDeletePermissionGroupCallback(
    ZelCommunityDeletePermissionGroupCallback cb, const void* user_data);
typedef void (*ZelCommunityChangePermissionGroupInfoCallback)(const char* group_id,
                                                              const char* permission_group_info,
                                                              const void* user_data);
ZEL_SDK_API int ZelSetCommunityChangePermissionGroupInfoCallback(
    ZelCommunityChangePermissionGroupInfoCallback cb, const void* user_data);
typedef void (*ZelCommunityAddMembersToPermissionGroupCallback)(const char* group_id,
                                                                const char* json_result,
                                                                const void* user_data);
ZEL_SDK_API int ZelSetCommunityAddMembersToPermissionGroupCallback(
    ZelCommunityAddMembersToPermissionGroupCallback cb, const void* user_data);
typedef void (*ZelCommunityRemoveMembersFromPermissionGroupCallback)(const char* group_id,
                                                                     const char* json_result,
                                                                     const void* user_data);
ZEL_SDK_API int ZelSetCommunityRemoveMembersFromPermissionGroupCallback(
    ZelCommunityRemoveMembersFromPermissionGroupCallback cb, const void* user_data);
typedef void (*ZelCommunityAddTopicPermissionCallback)(const char* group_id,
                                                       const char* json_result,
                                                       const void* user_data);
ZEL_SDK_API int ZelSetCommunityAddTopicPermissionCallback(ZelCommunityAddTopicPermissionCallback cb,
                                                          const void* user_data);
typedef void (*ZelCommunityDeleteTopicPermissionCallback)(const char* group_id,
                                                          const char* json_result,
                                                          const void* user_data);
ZEL_SDK_API int ZelSetCommunityDeleteTopicPermissionCallback(
    ZelCommunityDeleteTopicPermissionCallback cb, const void* user_data);
typedef void (*ZelCommunityModifyTopicPermissionCallback)(const char* group_id,
                                                          const char* json_result,
                                                          const void* user_data);
ZEL_SDK_API int ZelSetCommunityModifyTopicPermissionCallback(
    ZelCommunityModifyTopicPermissionCallback cb, const void* user_data);
typedef void (*ZelConvEventCallback)(ZelConvEvent conv_event, const char* json_conv_array,
                                     const void* user_data);
ZEL_SDK_API int ZelSetConvEventCallback(ZelConvEventCallback cb, const void* user_data);
typedef void (*ZelConvTotalUnreadMessageCountChangedCallback)(int32_t total_unread_count,
                                                              const void* user_data);
ZEL_SDK_API int ZelSetConvTotalUnreadMessageCountChangedCallback(
    ZelConvTotalUnreadMessageCountChangedCallback cb, const void* user_data);
typedef void (*ZelConvUnreadMessageCountChangedByFilterCallback)(const char* filter,
                                                                 int32_t total_unread_count,
                                                                 const void* user_data);
ZEL_SDK_API int ZelSetConvUnreadMessageCountChangedByFilterCallback(
    ZelConvUnreadMessageCountChangedByFilterCallback cb, const void* user_data);
typedef void (*ZelConvConversationGroupCreatedCallback)(const char* group_name,
                                                        const char* conversation_array,
                                                        const void* user_data);
ZEL_SDK_API int ZelSetConvConversationGroupCreatedCallback(
    ZelConvConversationGroupCreatedCallback cb, const void* user_data);
typedef void (*ZelConvConversationGroupDeletedCallback)(const char* group_name,
                                                        const void* user_data);
ZEL_SDK_API int ZelSetConvConversationGroupDeletedCallback(
    ZelConvConversationGroupDeletedCallback cb, const void* user_data);
typedef void (*ZelConvConversationGroupNameChangedCallback)(const char* old_name,
                                                            const char* new_name,
                                                            const void* user_data);
ZEL_SDK_API int ZelSetConvConversationGroupNameChangedCallback(
    ZelConvConversationGroupNameChangedCallback cb, const void* user_data);
typedef void (*ZelConvConversationsAddedToGroupCallback)(const char* group_name,
                                                         const char* conversation_array,
                                                         const void* user_data);
ZEL_SDK_API int ZelSetConvConversationsAddedToGroupCallback(
    ZelConvConversationsAddedToGroupCallback cb, const void* user_data);
typedef void (*ZelConvConversationsDeletedFromGroupCallback)(const char* group_name,
                                                             const char* conversation_array,
                                                             uint32_t reason,
                                                             const void* user_data);
ZEL_SDK_API int ZelSetConvConversationsDeletedFromGroupCallback(
    ZelConvConversationsDeletedFromGroupCallback cb, const void* user_data);
typedef void (*ZelOnAddFriendCallback)(const char* friend_info_array, const void* user_data);
ZEL_SDK_API int ZelSetOnAddFriendCallback(ZelOnAddFriendCallback cb, const void* user_data);
typedef void (*ZelOnDeleteFriendCallback)(const char* friend_id_array, const void* user_data);
ZEL_SDK_API int ZelSetOnDeleteFriendCallback(ZelOnDeleteFriendCallback cb, const void* user_data);
typedef void (*ZelUpdateFriendProfileCallback)(const char* friend_info_update_array,
                                               const void* user_data);
ZEL_SDK_API int ZelSetUpdateFriendProfileCallback(ZelUpdateFriendProfileCallback cb,
                                                  const void* user_data);
typedef void (*ZelFriendAddRequestCallback)(const char* json_application_array,
                                            const void* user_data);
ZEL_SDK_API int ZelSetFriendAddRequestCallback(ZelFriendAddRequestCallback cb,
                                               const void* user_data);
typedef void (*ZelFriendApplicationListDeletedCallback)(const char* json_user_id_array,
                                                        const void* user_data);
ZEL_SDK_API int ZelSetFriendApplicationListDeletedCallback(
    ZelFriendApplicationListDeletedCallback cb, const void* user_data);
typedef void (*ZelFriendApplicationListReadCallback)(const void* user_data);
ZEL_SDK_API int ZelSetFriendApplicationListReadCallback(ZelFriendApplicationListReadCallback cb,
                                                        const void* user_data);
typedef void (*ZelFriendBlackListAddedCallback)(const char* json_friend_info_array,
                                                const void* user_data);
ZEL_SDK_API int ZelSetFriendBlackListAddedCallback(ZelFriendBlackListAddedCallback cb,
                                                   const void* user_data);
typedef void (*ZelFriendBlackListDeletedCallback)(const char* json_user_id_array,
                                                  const void* user_data);
ZEL_SDK_API int ZelSetFriendBlackListDeletedCallback(ZelFriendBlackListDeletedCallback cb,
                                                     const void* user_data);
typedef void (*ZelFriendGroupCreatedCallback)(const char* group_name,
                                              const char* json_friend_info_array,
                                              const void* user_data);
ZEL_SDK_API int ZelSetFriendGroupCreatedCallback(ZelFriendGroupCreatedCallback cb,
                                                 const void* user_data);
typedef void (*ZelFriendGroupDeletedCallback)(const char* json_group_name_array,
                                              const void* user_data);
ZEL_SDK_API int ZelSetFriendGroupDeletedCallback(ZelFriendGroupDeletedCallback cb,
                                                 const void* user_data);
typedef void (*ZelFriendGroupNameChangedCallback)(const char* old_group_name,
                                                  const char* new_group_name,
                                                  const void* user_data);
ZEL_SDK_API int ZelSetFriendGroupNameChangedCallback(ZelFriendGroupNameChangedCallback cb,
                                                     const void* user_data);
typedef void (*ZelFriendsAddedToGroupCallback)(const char* group_name,
                                               const char* json_friend_info_array,
                                               const void* user_data);
ZEL_SDK_API int ZelSetFriendsAddedToGroupCallback(ZelFriendsAddedToGroupCallback cb,
                                                  const void* user_data);
typedef void (*ZelFriendsDeletedFromGroupCallback)(const char* group_name,
                                                   const char* json_friend_id_array,
                                                   const void* user_data);
ZEL_SDK_API int ZelSetFriendsDeletedFromGroupCallback(ZelFriendsDeletedFromGroupCallback cb,
                                                      const void* user_data);
typedef void (*ZelOfficialAccountSubscribedCallback)(const char* json_official_account_info,
                                                     const void* user_data);
ZEL_SDK_API int ZelSetOfficialAccountSubscribedCallback(ZelOfficialAccountSubscribedCallback cb,
                                                        const void* user_data);
typedef void (*ZelOfficialAccountUnsubscribedCallback)(const char* official_account_id,
                                                       const void* user_data);
ZEL_SDK_API int ZelSetOfficialAccountUnsubscribedCallback(ZelOfficialAccountUnsubscribedCallback cb,
                                                          const void* user_data);
typedef void (*ZelOfficialAccountDeletedCallback)(const char* official_account_id,
                                                  const void* user_data);
ZEL_SDK_API int ZelSetOfficialAccountDeletedCallback(ZelOfficialAccountDeletedCallback cb,
                                                     const void* user_data);
typedef void (*ZelOfficialAccountInfoChangedCallback)(const char* json_official_account_info,
                                                      const void* user_data);
ZEL_SDK_API int ZelSetOfficialAccountInfoChangedCallback(ZelOfficialAccountInfoChangedCallback cb,
                                                         const void* user_data);
typedef void (*ZelMyFollowingListChangedCallback)(const char* json_user_info_list, bool is_add,
                                                  const void* user_data);
ZEL_SDK_API int ZelSetMyFollowingListChangedCallback(ZelMyFollowingListChangedCallback cb,
                                                     const void* user_data);
typedef void (*ZelMyFollowersListChangedCallback)(const char* json_user_info_list, bool is_add,
                                                  const void* user_data);
ZEL_SDK_API int ZelSetMyFollowersListChangedCallback(ZelMyFollowersListChangedCallback cb,
                                                     const void* user_data);
typedef void (*ZelMutualFollowersListChangedCallback)(const char* json_user_info_list, bool is_add,
                                                      const void* user_data);
ZEL_SDK_API int ZelSetMutualFollowersListChangedCallback(ZelMutualFollowersListChangedCallback cb,
                                                         const void* user_data);
typedef void (*ZelSignalingReceiveNewInvitationCallback)(const char* invite_id, const char* inviter,
                                                         const char* group_id,
                                                         const char* json_invitee_list,
                                                         const char* data, const void* user_data);
ZEL_SDK_API int ZelSetSignalingReceiveNewInvitationCallback(
    ZelSignalingReceiveNewInvitationCallback cb, const void* user_data);
typedef void (*ZelSignalingInvitationCancelledCallback)(const char* invite_id, const char* inviter,
                                                        const char* data, const void* user_data);
ZEL_SDK_API int ZelSetSignalingInvitationCancelledCallback(
    ZelSignalingInvitationCancelledCallback cb, const void* user_data);
typedef void (*ZelSignalingInviteeAcceptedCallback)(const char* invite_id, const char* invitee,
                                                    const char* data, const void* user_data);
ZEL_SDK_API int ZelSetSignalingInviteeAcceptedCallback(ZelSignalingInviteeAcceptedCallback cb,
                                                       const void* user_data);
typedef void (*ZelSignalingInviteeRejectedCallback)(const char* invite_id, const char* invitee,
                                                    const char* data, const void* user_data);
ZEL_SDK_API int ZelSetSignalingInviteeRejectedCallback(ZelSignalingInviteeRejectedCallback cb,
                                                       const void* user_data);
typedef void (*ZelSignalingInvitationTimeoutCallback)(const char* invite_id,
                                                      const char* json_invitee_list,
                                                      const void* user_data);
ZEL_SDK_API int ZelSetSignalingInvitationTimeoutCallback(ZelSignalingInvitationTimeoutCallback cb,
                                                         const void* user_data);
typedef void (*ZelSignalingInvitationModifiedCallback)(const char* invite_id, const char* data,
                                                       const void* user_data);
ZEL_SDK_API int ZelSetSignalingInvitationModifiedCallback(ZelSignalingInvitationModifiedCallback cb,
                                                          const void* user_data);
typedef void (*ZelExperimentalNotifyCallback)(const char* key, const char* data,
                                              const void* user_data);
ZEL_SDK_API int ZelSetExperimentalNotifyCallback(ZelExperimentalNotifyCallback cb,
                                                 const void* user_data);
typedef void (*ZelMsgTTSResponseCallback)(const char* json_tts_response, const void* user_data);
ZEL_SDK_API int ZelSetMsgTTSResponseCallback(ZelMsgTTSResponseCallback cb, const void* user_data);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // ZELBRIDGE_SDK_ZEL_SDK_H_
