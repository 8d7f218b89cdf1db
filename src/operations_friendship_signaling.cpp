// Operation exports for friendship, official accounts, following and
// signaling. Each forwards its inputs, then the completion callback and
// user_data, to one SDK function and returns the SDK's result.

#include "completion.h"
#include "result_buffer.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

ZELBRIDGE_EXPORT int DartGetFriendList(const char* user_data) {
  return ZelFriendshipGetFriendProfileList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetFriendsInfo(const char* json_get_friends_info_param,
                                        const char* user_data) {
  return ZelFriendshipGetFriendsInfo(json_get_friends_info_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetFriendInfo(const char* json_modify_friend_info_param,
                                       const char* user_data) {
  return ZelFriendshipModifyFriendProfile(json_modify_friend_info_param, DartZelCommonCallback,
                                          user_data);
}

ZELBRIDGE_EXPORT int DartSearchFriends(const char* json_search_friends_param,
                                       const char* user_data) {
  return ZelFriendshipSearchFriends(json_search_friends_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAddFriend(const char* json_add_friend_param, const char* user_data) {
  return ZelFriendshipAddFriend(json_add_friend_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteFromFriendList(const char* json_delete_friend_param,
                                              const char* user_data) {
  return ZelFriendshipDeleteFriend(json_delete_friend_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCheckFriend(const char* json_check_friend_list_param,
                                     const char* user_data) {
  return ZelFriendshipCheckFriendType(json_check_friend_list_param, DartZelCommonCallback,
                                      user_data);
}

ZELBRIDGE_EXPORT int DartGetFriendApplicationList(const char* json_get_pendency_list_param,
                                                  const char* user_data) {
  return ZelFriendshipGetPendencyList(json_get_pendency_list_param, DartZelCommonCallback,
                                      user_data);
}

ZELBRIDGE_EXPORT int DartHandleFriendAddRequest(const char* json_handle_friend_add_param,
                                                const char* user_data) {
  return ZelFriendshipHandleFriendAddRequest(json_handle_friend_add_param, DartZelCommonCallback,
                                             user_data);
}

ZELBRIDGE_EXPORT int DartDeleteFriendApplication(const char* json_delete_pendency_param,
                                                 const char* user_data) {
  return ZelFriendshipDeletePendency(json_delete_pendency_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetFriendApplicationRead(uint64_t time_stamp, const char* user_data) {
  return ZelFriendshipReportPendencyReaded(time_stamp, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetBlackList(const char* user_data) {
  return ZelFriendshipGetBlackList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAddToBlackList(const char* json_add_to_blacklist_param,
                                        const char* user_data) {
  return ZelFriendshipAddToBlackList(json_add_to_blacklist_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteFromBlackList(const char* json_delete_from_blacklist_param,
                                             const char* user_data) {
  return ZelFriendshipDeleteFromBlackList(json_delete_from_blacklist_param, DartZelCommonCallback,
                                          user_data);
}

ZELBRIDGE_EXPORT int DartCreateFriendGroup(const char* json_create_friend_group_param,
                                           const char* user_data) {
  return ZelFriendshipCreateFriendGroup(json_create_friend_group_param, DartZelCommonCallback,
                                        user_data);
}

ZELBRIDGE_EXPORT int DartGetFriendGroupList(const char* json_get_friend_group_list_param,
                                            const char* user_data) {
  return ZelFriendshipGetFriendGroupList(json_get_friend_group_list_param, DartZelCommonCallback,
                                         user_data);
}

ZELBRIDGE_EXPORT int DartDeleteFriendGroup(const char* json_delete_friend_group_param,
                                           const char* user_data) {
  return ZelFriendshipDeleteFriendGroup(json_delete_friend_group_param, DartZelCommonCallback,
                                        user_data);
}

ZELBRIDGE_EXPORT int DartModifyFriendGroup(const char* json_modify_friend_group_param,
                                           const char* user_data) {
  return ZelFriendshipModifyFriendGroup(json_modify_friend_group_param, DartZelCommonCallback,
                                        user_data);
}

ZELBRIDGE_EXPORT int DartSubscribeOfficialAccount(const char* official_account_id,
                                                  const char* user_data) {
  return ZelSubscribeOfficialAccount(official_account_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartUnsubscribeOfficialAccount(const char* official_account_id,
                                                    const char* user_data) {
  return ZelUnsubscribeOfficialAccount(official_account_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetOfficialAccountsInfo(const char* json_official_account_id_array,
                                                 const char* user_data) {
  return ZelGetOfficialAccountsInfo(json_official_account_id_array, DartZelCommonCallback,
                                    user_data);
}

ZELBRIDGE_EXPORT int DartFollowUser(const char* json_user_id_array, const char* user_data) {
  return ZelFollowUser(json_user_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartUnfollowUser(const char* json_user_id_array, const char* user_data) {
  return ZelUnfollowUser(json_user_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMyFollowingList(const char* next_cursor, const char* user_data) {
  return ZelGetMyFollowingList(next_cursor, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMyFollowersList(const char* next_cursor, const char* user_data) {
  return ZelGetMyFollowersList(next_cursor, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMutualFollowersList(const char* next_cursor, const char* user_data) {
  return ZelGetMutualFollowersList(next_cursor, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetUserFollowInfo(const char* json_user_id_array, const char* user_data) {
  return ZelGetUserFollowInfo(json_user_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCheckFollowType(const char* json_user_id_array, const char* user_data) {
  return ZelCheckFollowType(json_user_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT const char* DartInvite(const char* invitee, const char* data,
                                        bool online_user_only, const char* json_offline_push_info,
                                        int32_t timeout, const char* /*unused_invite_id*/,
                                        const char* user_data) {
  return ResultText(kInviteIdBuffer, [&](char* invite_id) {
    ZelSignalingInvite(invitee, data, online_user_only, json_offline_push_info, timeout, invite_id,
                       DartZelCommonCallback, user_data);
  });
}

ZELBRIDGE_EXPORT const char* DartInviteInGroup(const char* group_id, const char* json_invitee_array,
                                               const char* data, bool online_user_only,
                                               int32_t timeout, const char* /*unused_invite_id*/,
                                               const char* user_data) {
  return ResultText(kGroupInviteIdBuffer, [&](char* invite_id) {
    ZelSignalingInviteInGroup(group_id, json_invitee_array, data, online_user_only, timeout,
                              invite_id, DartZelCommonCallback, user_data);
  });
}

ZELBRIDGE_EXPORT int DartCancel(const char* invite_id, const char* data, const char* user_data) {
  return ZelSignalingCancel(invite_id, data, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAccept(const char* invite_id, const char* data, const char* user_data) {
  return ZelSignalingAccept(invite_id, data, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartReject(const char* invite_id, const char* data, const char* user_data) {
  return ZelSignalingReject(invite_id, data, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetSignalingInfo(const char* json_msg, const char* user_data) {
  return ZelGetSignalingInfo(json_msg, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartModifyInvitation(const char* invite_id, const char* data,
                                          const char* user_data) {
  return ZelSignalingModifyInvitation(invite_id, data, DartZelCommonCallback, user_data);
}
