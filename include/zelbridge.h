// The exported C interface of zelbridge, as a Dart application (or any C/C++
// host) binds it by name.
//
// Operations return at once with the SDK's integer result (or a text the SDK
// wrote into a buffer of the bridge); their outcome arrives later as an
// "apiCallback" envelope on every registered Dart port, carrying the caller's
// user_data text, which must stay valid until then. Listener registrations
// make the SDK's events arrive as "globalCallback" envelopes; no export takes
// a listener away, so their user_data text must stay valid for the life of
// the process. Exports without user_data never complete. The class of every
// export, and what hot restart and several isolates mean for all of this:
// docs/dart-integration.md.
#ifndef ZELBRIDGE_ZELBRIDGE_H_
#define ZELBRIDGE_ZELBRIDGE_H_

#include <stdbool.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(ZELBRIDGE_BUILDING)
#define ZELBRIDGE_EXPORT __declspec(dllexport)
#else
#define ZELBRIDGE_EXPORT __declspec(dllimport)
#endif
#elif defined(ZELBRIDGE_BUILDING)
// "used" keeps every export in builds that strip unreferenced code.
#define ZELBRIDGE_EXPORT __attribute__((visibility("default"), used))
#else
#define ZELBRIDGE_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Dart delivery. Bind the Dart API first (0 on success, -1 for null data, for
// Dart API data of another major version, whose table is not read past its
// version, or for a table without Dart_PostCObject; a refused table leaves an
// earlier binding in place), then register each receive port's native port id.
ZELBRIDGE_EXPORT intptr_t DartInitDartApiDL(void* data);
ZELBRIDGE_EXPORT void DartRegisterSendPort(int64_t port);
ZELBRIDGE_EXPORT void DartUnregisterSendPort(int64_t port);

// Operations: SDK lifecycle, configuration, account, profiles, status and messages.

ZELBRIDGE_EXPORT int DartInitSDK(uint64_t sdk_app_id, const char* json_sdk_config);
ZELBRIDGE_EXPORT int DartUnitSDK(void);
ZELBRIDGE_EXPORT const char* DartGetSDKVersion(void);
ZELBRIDGE_EXPORT uint64_t DartGetServerTime(void);
// Never completes: the SDK is given no completion callback. user_data is
// handed to it unused; free it when the call returns.
ZELBRIDGE_EXPORT int DartSetConfig(const char* json_config, const char* user_data);
ZELBRIDGE_EXPORT int DartLogin(const char* user_id, const char* user_sig, const char* user_data);
ZELBRIDGE_EXPORT int DartLogout(const char* user_data);
// Returns the logged-in user id that the SDK wrote into this export's own buffer;
// valid until this thread calls it again. Never completes. Like the other
// three texts returned from a buffer, it holds at most 127 bytes: a longer id
// is cut at 127 bytes, and back to the start of a UTF-8 character that the cut
// would split, so the text is never cut inside a character.
ZELBRIDGE_EXPORT const char* DartGetLoginUserID(void);
ZELBRIDGE_EXPORT int DartGetLoginStatus(void);
ZELBRIDGE_EXPORT int DartGetUsersInfo(const char* json_get_user_profile_list_param,
                                      const char* user_data);
ZELBRIDGE_EXPORT int DartSetSelfInfo(const char* json_modify_self_user_profile_param,
                                     const char* user_data);
ZELBRIDGE_EXPORT int DartSubscribeUserInfo(const char* json_user_id_list, const char* user_data);
ZELBRIDGE_EXPORT int DartUnsubscribeUserInfo(const char* json_user_id_list, const char* user_data);
ZELBRIDGE_EXPORT int DartSearchUsers(const char* json_search_user_param, const char* user_data);
ZELBRIDGE_EXPORT int DartGetUserStatus(const char* json_user_id_list, const char* user_data);
ZELBRIDGE_EXPORT int DartSetSelfStatus(const char* json_user_status, const char* user_data);
ZELBRIDGE_EXPORT int DartSubscribeUserStatus(const char* json_user_id_list, const char* user_data);
ZELBRIDGE_EXPORT int DartUnsubscribeUserStatus(const char* json_user_id_list,
                                               const char* user_data);
// Returns the id of the message being sent, written by the SDK into this export's
// own buffer (valid until this thread's next call); the outcome arrives as a
// completion, also when the id is empty (the SDK wrote none). The SDK's integer
// result is dropped. At most 127 bytes, cut as DartGetLoginUserID's.
ZELBRIDGE_EXPORT const char* DartSendMessage(const char* conv_id, int32_t conv_type,
                                             const char* json_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartDownloadElemToPath(const char* json_download_elem_param, const char* path,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartDownloadMergerMessage(const char* json_single_msg, const char* user_data);
ZELBRIDGE_EXPORT int DartSetLocalCustomData(const char* json_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartGetHistoryMessageList(const char* conv_id, int64_t conv_type,
                                               const char* json_get_msg_param,
                                               const char* user_data);
ZELBRIDGE_EXPORT int DartGetMessageList(const char* conv_id, int64_t conv_type,
                                        const char* json_get_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartSetC2CReceiveMessageOpt(const char* json_identifier_array, int64_t opt,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartGetC2CReceiveMessageOpt(const char* json_identifier_array,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupReceiveMessageOpt(const char* group_id, int64_t opt,
                                                   const char* user_data);
ZELBRIDGE_EXPORT int DartSetAllReceiveMessageOpt(int64_t opt, int64_t start_hour,
                                                 int64_t start_minute, int64_t start_second,
                                                 int32_t duration_seconds, const char* user_data);
ZELBRIDGE_EXPORT int DartSetAllReceiveMessageOpt2(int64_t opt, uint64_t start_time_stamp,
                                                  int64_t duration_seconds, const char* user_data);
ZELBRIDGE_EXPORT int DartGetAllReceiveMessageOpt(const char* user_data);
ZELBRIDGE_EXPORT int DartRevokeMessage(const char* conv_id, int64_t conv_type,
                                       const char* json_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartModifyMessage(const char* json_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteMessageFromLocalStorage(const char* conv_id, int64_t conv_type,
                                                       const char* json_msgdel_param,
                                                       const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteMessages(const char* conv_id, int64_t conv_type,
                                        const char* json_msg_array, const char* user_data);
ZELBRIDGE_EXPORT int DartClearHistoryMessage(const char* conv_id, int64_t conv_type,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartSaveMessage(const char* conv_id, int64_t conv_type,
                                     const char* json_msg_param, const char* user_data);
ZELBRIDGE_EXPORT int DartFindMessages(const char* json_message_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartSearchLocalMessages(const char* json_search_message_param,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartSearchCloudMessages(const char* json_search_message_param,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartSendMessageReadReceipts(const char* json_msg_array, const char* user_data);
ZELBRIDGE_EXPORT int DartGetMessageReadReceipts(const char* json_msg_array, const char* user_data);
// Completes in a shape of its own, possibly more than once: "code" always 0,
// "desc" always empty, plus "next_seq" and "is_finished". Keep user_data until
// a completion with "is_finished": true.
ZELBRIDGE_EXPORT int DartGetGroupMessageReadMemberList(const char* json_msg, int64_t filter,
                                                       uint64_t next_seq, int64_t count,
                                                       const char* user_data);
ZELBRIDGE_EXPORT int DartSetMessageExtensions(const char* json_msg,
                                              const char* json_extension_array,
                                              const char* user_data);
ZELBRIDGE_EXPORT int DartGetMessageExtensions(const char* json_msg, const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteMessageExtensions(const char* json_msg,
                                                 const char* json_extension_key_array,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartAddMessageReaction(const char* json_msg, const char* reaction_id,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartRemoveMessageReaction(const char* json_msg, const char* reaction_id,
                                               const char* user_data);
ZELBRIDGE_EXPORT int DartGetMessageReactions(const char* json_msg_array,
                                             int64_t max_user_count_per_reaction,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartGetAllUserListOfMessageReaction(const char* json_msg,
                                                         const char* reaction_id, uint64_t next_seq,
                                                         int64_t count, const char* user_data);
ZELBRIDGE_EXPORT int DartTranslateText(const char* json_source_text_array,
                                       const char* source_language, const char* target_language,
                                       const char* user_data);
ZELBRIDGE_EXPORT int DartConvertVoiceToText(const char* url, const char* language,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartPinGroupMessage(const char* group_id, const char* json_msg,
                                         int64_t is_pinned, const char* user_data);
ZELBRIDGE_EXPORT int DartGetPinnedGroupMessageList(const char* group_id, const char* user_data);
ZELBRIDGE_EXPORT int DartMsgStartTTS(const char* json_msg, const char* voice_id, int64_t speed,
                                     int64_t volume, const char* user_data);
ZELBRIDGE_EXPORT int DartMsgStopTTS(const char* json_msg, const char* task_id,
                                    const char* user_data);
ZELBRIDGE_EXPORT int DartMarkMessageAsRead(const char* conv_id, int64_t conv_type,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartMarkAllMessageAsRead(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOfflinePushToken(const char* json_token, const char* user_data);
ZELBRIDGE_EXPORT int DartDoBackground(int64_t unread_count, const char* user_data);
ZELBRIDGE_EXPORT int DartDoForeground(const char* user_data);
ZELBRIDGE_EXPORT int DartCallExperimentalAPI(const char* json_param, const char* user_data);

// Operations: groups, communities and conversations.

ZELBRIDGE_EXPORT int DartCreateGroup(const char* json_group_create_param, const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteGroup(const char* group_id, const char* user_data);
ZELBRIDGE_EXPORT int DartJoinGroup(const char* group_id, const char* hello_msg,
                                   const char* user_data);
ZELBRIDGE_EXPORT int DartQuitGroup(const char* group_id, const char* user_data);
ZELBRIDGE_EXPORT int DartGetJoinedGroupList(const char* user_data);
ZELBRIDGE_EXPORT int DartGetGroupsInfo(const char* json_group_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartSearchGroups(const char* json_group_search_param, const char* user_data);
ZELBRIDGE_EXPORT int DartSearchCloudGroups(const char* json_group_search_param,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupInfo(const char* json_group_modify_info_param,
                                      const char* user_data);
ZELBRIDGE_EXPORT int DartInitGroupAttributes(const char* group_id,
                                             const char* json_group_attributes,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupAttributes(const char* group_id, const char* json_group_attributes,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteGroupAttributes(const char* group_id, const char* json_key_array,
                                               const char* user_data);
ZELBRIDGE_EXPORT int DartGetGroupAttributes(const char* group_id, const char* json_key_array,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartGetOnlineMemberCount(const char* group_id, const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupCounters(const char* group_id,
                                          const char* json_group_counter_array,
                                          const char* user_data);
ZELBRIDGE_EXPORT int DartGetGroupCounters(const char* group_id,
                                          const char* json_group_counter_key_array,
                                          const char* user_data);
ZELBRIDGE_EXPORT int DartIncreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                              int64_t group_counter_value, const char* user_data);
ZELBRIDGE_EXPORT int DartDecreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                              int64_t group_counter_value, const char* user_data);
ZELBRIDGE_EXPORT int DartGetGroupMemberList(const char* json_group_getmeminfos_param,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartSearchGroupMembers(const char* json_group_member_search_param,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartSearchCloudGroupMembers(const char* json_group_member_search_param,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartModifyGroupMemberInfo(const char* json_group_modifymeminfo_param,
                                               const char* user_data);
ZELBRIDGE_EXPORT int DartInviteUserToGroup(const char* json_group_invite_param,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartKickGroupMember(const char* json_group_delete_param,
                                         const char* user_data);
ZELBRIDGE_EXPORT int DartMarkGroupMemberList(const char* group_id, const char* json_member_array,
                                             int64_t mark_type, int64_t enable_mark,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartGetGroupPendencyList(const char* json_group_getpendence_list_param,
                                              const char* user_data);
ZELBRIDGE_EXPORT int DartHandleGroupPendency(const char* json_group_handle_pendency_param,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartMarkGroupPendencyRead(uint64_t time_stamp, const char* user_data);
ZELBRIDGE_EXPORT int DartCreateCommunity(const char* json_group_create_param,
                                         const char* user_data);
ZELBRIDGE_EXPORT int DartGetJoinedCommunityList(const char* user_data);
ZELBRIDGE_EXPORT int DartCreateTopicInCommunity(const char* group_id, const char* json_topic_info,
                                                const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteTopicFromCommunity(const char* group_id,
                                                  const char* json_topic_id_array,
                                                  const char* user_data);
ZELBRIDGE_EXPORT int DartSetTopicInfo(const char* json_topic_info, const char* user_data);
ZELBRIDGE_EXPORT int DartGetTopicInfoList(const char* group_id, const char* json_topic_id_array,
                                          const char* user_data);
ZELBRIDGE_EXPORT int DartSetTopicInheritMessageReceiveOptionFromCommunity(const char* topic_id,
                                                                          int64_t is_inherit,
                                                                          const char* user_data);
ZELBRIDGE_EXPORT int DartCreatePermissionGroupInCommunity(const char* json_permission_group_info,
                                                          const char* user_data);
ZELBRIDGE_EXPORT int DartDeletePermissionGroupFromCommunity(
    const char* group_id, const char* json_permission_group_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartModifyPermissionGroupInfoInCommunity(
    const char* json_permission_group_info, const char* user_data);
ZELBRIDGE_EXPORT int DartGetJoinedPermissionGroupListInCommunity(const char* group_id,
                                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartGetPermissionGroupListInCommunity(
    const char* group_id, const char* json_permission_group_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartAddCommunityMembersToPermissionGroup(const char* group_id,
                                                              const char* permission_group_id,
                                                              const char* json_member_id_array,
                                                              const char* user_data);
ZELBRIDGE_EXPORT int DartRemoveCommunityMembersFromPermissionGroup(const char* group_id,
                                                                   const char* permission_group_id,
                                                                   const char* json_member_id_array,
                                                                   const char* user_data);
ZELBRIDGE_EXPORT int DartGetCommunityMemberListInPermissionGroup(const char* group_id,
                                                                 const char* permission_group_id,
                                                                 const char* next_cursor,
                                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartAddTopicPermissionToPermissionGroup(const char* group_id,
                                                             const char* permission_group_id,
                                                             const char* json_topic_permission_map,
                                                             const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteTopicPermissionFromPermissionGroup(const char* group_id,
                                                                  const char* permission_group_id,
                                                                  const char* json_topic_id_array,
                                                                  const char* user_data);
ZELBRIDGE_EXPORT int DartModifyTopicPermissionInPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    const char* user_data);
ZELBRIDGE_EXPORT int DartGetTopicPermissionInPermissionGroup(const char* group_id,
                                                             const char* permission_group_id,
                                                             const char* json_topic_id_array,
                                                             const char* user_data);
ZELBRIDGE_EXPORT int DartGetConversationList(const char* user_data);
ZELBRIDGE_EXPORT int DartGetConversation(const char* json_get_conv_list_param,
                                         const char* user_data);
ZELBRIDGE_EXPORT int DartGetConversationListByFilter(const char* json_filter, uint64_t next_seq,
                                                     int64_t count, const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteConversation(const char* conv_id, int64_t conv_type,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteConversationList(const char* json_conversation_id_array,
                                                int64_t clear_message, const char* user_data);
ZELBRIDGE_EXPORT int DartSetConversationDraft(const char* conv_id, int64_t conv_type,
                                              const char* json_draft_param);
ZELBRIDGE_EXPORT int DartCancelConversationDraft(const char* conv_id, int64_t conv_type);
ZELBRIDGE_EXPORT int DartSetConversationCustomData(const char* json_conversation_id_array,
                                                   const char* custom_data, const char* user_data);
ZELBRIDGE_EXPORT int DartPinConversation(const char* conv_id, int64_t conv_type, int64_t is_pinned,
                                         const char* user_data);
ZELBRIDGE_EXPORT int DartMarkConversation(const char* json_conversation_id_array, int64_t mark_type,
                                          int64_t enable_mark, const char* user_data);
ZELBRIDGE_EXPORT int DartGetTotalUnreadMessageCount(const char* user_data);
ZELBRIDGE_EXPORT int DartGetUnreadMessageCountByFilter(const char* json_filter,
                                                       const char* user_data);
ZELBRIDGE_EXPORT int DartSubscribeUnreadMessageCountByFilter(const char* json_filter);
ZELBRIDGE_EXPORT int DartUnsubscribeUnreadMessageCountByFilter(const char* json_filter);
ZELBRIDGE_EXPORT int DartCleanConversationUnreadMessageCount(const char* conversation_id,
                                                             uint64_t clean_timestamp,
                                                             uint64_t clean_sequence,
                                                             const char* user_data);
ZELBRIDGE_EXPORT int DartCreateConversationGroup(const char* group_name,
                                                 const char* json_conversation_id_array,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartGetConversationGroupList(const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteConversationGroup(const char* group_name, const char* user_data);
ZELBRIDGE_EXPORT int DartRenameConversationGroup(const char* old_name, const char* new_name,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartAddConversationsToGroup(const char* group_name,
                                                 const char* json_conversation_id_array,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteConversationsFromGroup(const char* group_name,
                                                      const char* json_conversation_id_array,
                                                      const char* user_data);

// Operations: friendship, official accounts, following and signaling.

ZELBRIDGE_EXPORT int DartGetFriendList(const char* user_data);
ZELBRIDGE_EXPORT int DartGetFriendsInfo(const char* json_get_friends_info_param,
                                        const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendInfo(const char* json_modify_friend_info_param,
                                       const char* user_data);
ZELBRIDGE_EXPORT int DartSearchFriends(const char* json_search_friends_param,
                                       const char* user_data);
ZELBRIDGE_EXPORT int DartAddFriend(const char* json_add_friend_param, const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteFromFriendList(const char* json_delete_friend_param,
                                              const char* user_data);
ZELBRIDGE_EXPORT int DartCheckFriend(const char* json_check_friend_list_param,
                                     const char* user_data);
ZELBRIDGE_EXPORT int DartGetFriendApplicationList(const char* json_get_pendency_list_param,
                                                  const char* user_data);
ZELBRIDGE_EXPORT int DartHandleFriendAddRequest(const char* json_handle_friend_add_param,
                                                const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteFriendApplication(const char* json_delete_pendency_param,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendApplicationRead(uint64_t time_stamp, const char* user_data);
ZELBRIDGE_EXPORT int DartGetBlackList(const char* user_data);
ZELBRIDGE_EXPORT int DartAddToBlackList(const char* json_add_to_blacklist_param,
                                        const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteFromBlackList(const char* json_delete_from_blacklist_param,
                                             const char* user_data);
ZELBRIDGE_EXPORT int DartCreateFriendGroup(const char* json_create_friend_group_param,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartGetFriendGroupList(const char* json_get_friend_group_list_param,
                                            const char* user_data);
ZELBRIDGE_EXPORT int DartDeleteFriendGroup(const char* json_delete_friend_group_param,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartModifyFriendGroup(const char* json_modify_friend_group_param,
                                           const char* user_data);
ZELBRIDGE_EXPORT int DartSubscribeOfficialAccount(const char* official_account_id,
                                                  const char* user_data);
ZELBRIDGE_EXPORT int DartUnsubscribeOfficialAccount(const char* official_account_id,
                                                    const char* user_data);
ZELBRIDGE_EXPORT int DartGetOfficialAccountsInfo(const char* json_official_account_id_array,
                                                 const char* user_data);
ZELBRIDGE_EXPORT int DartFollowUser(const char* json_user_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartUnfollowUser(const char* json_user_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartGetMyFollowingList(const char* next_cursor, const char* user_data);
ZELBRIDGE_EXPORT int DartGetMyFollowersList(const char* next_cursor, const char* user_data);
ZELBRIDGE_EXPORT int DartGetMutualFollowersList(const char* next_cursor, const char* user_data);
ZELBRIDGE_EXPORT int DartGetUserFollowInfo(const char* json_user_id_array, const char* user_data);
ZELBRIDGE_EXPORT int DartCheckFollowType(const char* json_user_id_array, const char* user_data);
// Returns the id of the new invitation from this export's own buffer (valid until
// this thread's next call); the outcome arrives as a completion, also when the id
// is empty; at most 127 bytes, cut as DartGetLoginUserID's. unused_invite_id is
// accepted for the caller's signature and never forwarded: the buffer takes its
// place.
ZELBRIDGE_EXPORT const char* DartInvite(const char* invitee, const char* data,
                                        bool online_user_only, const char* json_offline_push_info,
                                        int32_t timeout, const char* unused_invite_id,
                                        const char* user_data);
// As DartInvite, with a buffer of its own (at most 127 bytes, cut alike).
ZELBRIDGE_EXPORT const char* DartInviteInGroup(const char* group_id, const char* json_invitee_array,
                                               const char* data, bool online_user_only,
                                               int32_t timeout, const char* unused_invite_id,
                                               const char* user_data);
ZELBRIDGE_EXPORT int DartCancel(const char* invite_id, const char* data, const char* user_data);
ZELBRIDGE_EXPORT int DartAccept(const char* invite_id, const char* data, const char* user_data);
ZELBRIDGE_EXPORT int DartReject(const char* invite_id, const char* data, const char* user_data);
ZELBRIDGE_EXPORT int DartGetSignalingInfo(const char* json_msg, const char* user_data);
ZELBRIDGE_EXPORT int DartModifyInvitation(const char* invite_id, const char* data,
                                          const char* user_data);

// Listeners: connection, account, profile, log and message events.

ZELBRIDGE_EXPORT int DartSetNetworkStatusListenerCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetKickedOfflineCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetUserSigExpiredCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSelfInfoUpdatedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetUserStatusChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetUserInfoChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetLogCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartAddReceiveNewMsgCallback(const char* user_data);
// Kept for callers that bind it; it calls nothing, and new-message events keep
// arriving after it. A second DartAddReceiveNewMsgCallback may add a second
// listener, so that every new message arrives twice: register it once per process.
ZELBRIDGE_EXPORT void DartRemoveReceiveNewMsgCallback(void);
ZELBRIDGE_EXPORT int DartSetMsgElemUploadProgressCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgReadReceiptCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgRevokeCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgUpdateCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgExtensionsChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgExtensionsDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgReactionsChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgAllMessageReceiveOptionCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgGroupPinnedMessageChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMsgTTSResponseCallback(const char* user_data);

// Listeners: group, community and conversation events.

ZELBRIDGE_EXPORT int DartSetGroupTipsEventCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupAttributeChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetGroupCounterChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityCreateTopicCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityDeleteTopicCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityChangeTopicInfoCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityReceiveTopicRESTCustomDataCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityCreatePermissionGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityDeletePermissionGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityChangePermissionGroupInfoCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityAddMembersToPermissionGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityRemoveMembersFromPermissionGroupCallback(
    const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityAddTopicPermissionCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityDeleteTopicPermissionCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetCommunityModifyTopicPermissionCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvEventCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvTotalUnreadMessageCountChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvUnreadMessageCountChangedByFilterCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvConversationGroupCreatedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvConversationGroupDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvConversationGroupNameChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvConversationsAddedToGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetConvConversationsDeletedFromGroupCallback(const char* user_data);

// Listeners: friendship, official-account, follow, signaling and experimental events.

ZELBRIDGE_EXPORT int DartSetOnAddFriendCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOnDeleteFriendCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetUpdateFriendProfileCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendAddRequestCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendApplicationListDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendApplicationListReadCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendBlackListAddedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendBlackListDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendGroupCreatedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendGroupDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendGroupNameChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendsAddedToGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetFriendsDeletedFromGroupCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOfficialAccountSubscribedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOfficialAccountUnsubscribedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOfficialAccountDeletedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetOfficialAccountInfoChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMyFollowingListChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMyFollowersListChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetMutualFollowersListChangedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingReceiveNewInvitationCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingInvitationCancelledCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingInviteeAcceptedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingInviteeRejectedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingInvitationTimeoutCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetSignalingInvitationModifiedCallback(const char* user_data);
ZELBRIDGE_EXPORT int DartSetExperimentalNotifyCallback(const char* user_data);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // ZELBRIDGE_ZELBRIDGE_H_
