// Listener exports and adapters for friendship, official-account, follow,
// signaling and experimental events. Each adapter posts one envelope
// numbered by its callbackType; the comment above it gives that number.

#include <cstring>

#include "event_envelope.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

// 40
static void DartZelOnAddFriendCallback(const char* friend_info_array, const void* user_data) {
  PostEvent(user_data, 40,
            [&](EnvelopeMembers& event) { event["friend_info_array"] = Text(friend_info_array); });
}

ZELBRIDGE_EXPORT int DartSetOnAddFriendCallback(const char* user_data) {
  return ZelSetOnAddFriendCallback(DartZelOnAddFriendCallback, user_data);
}

// 41
static void DartZelOnDeleteFriendCallback(const char* friend_id_array, const void* user_data) {
  PostEvent(user_data, 41,
            [&](EnvelopeMembers& event) { event["friend_id_array"] = Text(friend_id_array); });
}

ZELBRIDGE_EXPORT int DartSetOnDeleteFriendCallback(const char* user_data) {
  return ZelSetOnDeleteFriendCallback(DartZelOnDeleteFriendCallback, user_data);
}

// 42
static void DartZelUpdateFriendProfileCallback(const char* friend_info_update_array,
                                               const void* user_data) {
  PostEvent(user_data, 42, [&](EnvelopeMembers& event) {
    event["friend_info_update_array"] = Text(friend_info_update_array);
  });
}

ZELBRIDGE_EXPORT int DartSetUpdateFriendProfileCallback(const char* user_data) {
  return ZelSetUpdateFriendProfileCallback(DartZelUpdateFriendProfileCallback, user_data);
}

// 43
static void DartZelFriendAddRequestCallback(const char* json_application_array,
                                            const void* user_data) {
  PostEvent(user_data, 43, [&](EnvelopeMembers& event) {
    event["json_application_array"] = Text(json_application_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendAddRequestCallback(const char* user_data) {
  return ZelSetFriendAddRequestCallback(DartZelFriendAddRequestCallback, user_data);
}

// 44
static void DartZelFriendApplicationListDeletedCallback(const char* json_user_id_array,
                                                        const void* user_data) {
  PostEvent(user_data, 44, [&](EnvelopeMembers& event) {
    event["json_user_id_array"] = Text(json_user_id_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendApplicationListDeletedCallback(const char* user_data) {
  return ZelSetFriendApplicationListDeletedCallback(DartZelFriendApplicationListDeletedCallback,
                                                    user_data);
}

// 45
static void DartZelFriendApplicationListReadCallback(const void* user_data) {
  PostEvent(user_data, 45);
}

ZELBRIDGE_EXPORT int DartSetFriendApplicationListReadCallback(const char* user_data) {
  return ZelSetFriendApplicationListReadCallback(DartZelFriendApplicationListReadCallback,
                                                 user_data);
}

// 46
static void DartZelFriendBlackListAddedCallback(const char* json_friend_info_array,
                                                const void* user_data) {
  PostEvent(user_data, 46, [&](EnvelopeMembers& event) {
    event["json_friend_info_array"] = Text(json_friend_info_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendBlackListAddedCallback(const char* user_data) {
  return ZelSetFriendBlackListAddedCallback(DartZelFriendBlackListAddedCallback, user_data);
}

// 47
static void DartZelFriendBlackListDeletedCallback(const char* json_user_id_array,
                                                  const void* user_data) {
  PostEvent(user_data, 47, [&](EnvelopeMembers& event) {
    event["json_user_id_array"] = Text(json_user_id_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendBlackListDeletedCallback(const char* user_data) {
  return ZelSetFriendBlackListDeletedCallback(DartZelFriendBlackListDeletedCallback, user_data);
}

// 48
static void DartZelFriendGroupCreatedCallback(const char* group_name,
                                              const char* json_friend_info_array,
                                              const void* user_data) {
  PostEvent(user_data, 48, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["json_friend_info_array"] = Text(json_friend_info_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendGroupCreatedCallback(const char* user_data) {
  return ZelSetFriendGroupCreatedCallback(DartZelFriendGroupCreatedCallback, user_data);
}

// 49
static void DartZelFriendGroupDeletedCallback(const char* json_group_name_array,
                                              const void* user_data) {
  PostEvent(user_data, 49, [&](EnvelopeMembers& event) {
    event["json_group_name_array"] = Text(json_group_name_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendGroupDeletedCallback(const char* user_data) {
  return ZelSetFriendGroupDeletedCallback(DartZelFriendGroupDeletedCallback, user_data);
}

// 50
static void DartZelFriendGroupNameChangedCallback(const char* old_group_name,
                                                  const char* new_group_name,
                                                  const void* user_data) {
  PostEvent(user_data, 50, [&](EnvelopeMembers& event) {
    event["old_group_name"] = Text(old_group_name);
    event["new_group_name"] = Text(new_group_name);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendGroupNameChangedCallback(const char* user_data) {
  return ZelSetFriendGroupNameChangedCallback(DartZelFriendGroupNameChangedCallback, user_data);
}

// 51
static void DartZelFriendsAddedToGroupCallback(const char* group_name,
                                               const char* json_friend_info_array,
                                               const void* user_data) {
  PostEvent(user_data, 51, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["json_friend_info_array"] = Text(json_friend_info_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendsAddedToGroupCallback(const char* user_data) {
  return ZelSetFriendsAddedToGroupCallback(DartZelFriendsAddedToGroupCallback, user_data);
}

// 52
static void DartZelFriendsDeletedFromGroupCallback(const char* group_name,
                                                   const char* json_friend_id_array,
                                                   const void* user_data) {
  PostEvent(user_data, 52, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["json_friend_id_array"] = Text(json_friend_id_array);
  });
}

ZELBRIDGE_EXPORT int DartSetFriendsDeletedFromGroupCallback(const char* user_data) {
  return ZelSetFriendsDeletedFromGroupCallback(DartZelFriendsDeletedFromGroupCallback, user_data);
}

// 53
static void DartZelOfficialAccountSubscribedCallback(const char* json_official_account_info,
                                                     const void* user_data) {
  PostEvent(user_data, 53, [&](EnvelopeMembers& event) {
    event["json_official_account_info"] = Text(json_official_account_info);
  });
}

ZELBRIDGE_EXPORT int DartSetOfficialAccountSubscribedCallback(const char* user_data) {
  return ZelSetOfficialAccountSubscribedCallback(DartZelOfficialAccountSubscribedCallback,
                                                 user_data);
}

// 54
static void DartZelOfficialAccountUnsubscribedCallback(const char* official_account_id,
                                                       const void* user_data) {
  PostEvent(user_data, 54, [&](EnvelopeMembers& event) {
    event["official_account_id"] = Text(official_account_id);
  });
}

ZELBRIDGE_EXPORT int DartSetOfficialAccountUnsubscribedCallback(const char* user_data) {
  return ZelSetOfficialAccountUnsubscribedCallback(DartZelOfficialAccountUnsubscribedCallback,
                                                   user_data);
}

// 55
static void DartZelOfficialAccountDeletedCallback(const char* official_account_id,
                                                  const void* user_data) {
  PostEvent(user_data, 55, [&](EnvelopeMembers& event) {
    event["official_account_id"] = Text(official_account_id);
  });
}

ZELBRIDGE_EXPORT int DartSetOfficialAccountDeletedCallback(const char* user_data) {
  return ZelSetOfficialAccountDeletedCallback(DartZelOfficialAccountDeletedCallback, user_data);
}

// 56
static void DartZelOfficialAccountInfoChangedCallback(const char* json_official_account_info,
                                                      const void* user_data) {
  PostEvent(user_data, 56, [&](EnvelopeMembers& event) {
    event["json_official_account_info"] = Text(json_official_account_info);
  });
}

ZELBRIDGE_EXPORT int DartSetOfficialAccountInfoChangedCallback(const char* user_data) {
  return ZelSetOfficialAccountInfoChangedCallback(DartZelOfficialAccountInfoChangedCallback,
                                                  user_data);
}

// 57
static void DartZelMyFollowingListChangedCallback(const char* json_user_info_list, bool is_add,
                                                  const void* user_data) {
  PostEvent(user_data, 57, [&](EnvelopeMembers& event) {
    event["is_add"] = Bool(is_add);
    event["json_user_info_list"] = Text(json_user_info_list);
  });
}

ZELBRIDGE_EXPORT int DartSetMyFollowingListChangedCallback(const char* user_data) {
  return ZelSetMyFollowingListChangedCallback(DartZelMyFollowingListChangedCallback, user_data);
}

// 58
static void DartZelMyFollowersListChangedCallback(const char* json_user_info_list, bool is_add,
                                                  const void* user_data) {
  PostEvent(user_data, 58, [&](EnvelopeMembers& event) {
    event["is_add"] = Bool(is_add);
    event["json_user_info_list"] = Text(json_user_info_list);
  });
}

ZELBRIDGE_EXPORT int DartSetMyFollowersListChangedCallback(const char* user_data) {
  return ZelSetMyFollowersListChangedCallback(DartZelMyFollowersListChangedCallback, user_data);
}

// 59
static void DartZelMutualFollowersListChangedCallback(const char* json_user_info_list, bool is_add,
                                                      const void* user_data) {
  PostEvent(user_data, 59, [&](EnvelopeMembers& event) {
    event["is_add"] = Bool(is_add);
    event["json_user_info_list"] = Text(json_user_info_list);
  });
}

ZELBRIDGE_EXPORT int DartSetMutualFollowersListChangedCallback(const char* user_data) {
  return ZelSetMutualFollowersListChangedCallback(DartZelMutualFollowersListChangedCallback,
                                                  user_data);
}

// 60
static void DartZelSignalingReceiveNewInvitationCallback(const char* invite_id, const char* inviter,
                                                         const char* group_id,
                                                         const char* json_invitee_list,
                                                         const char* data, const void* user_data) {
  PostEvent(user_data, 60, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["inviter"] = Text(inviter);
    event["group_id"] = Text(group_id);
    event["json_invitee_list"] = Text(json_invitee_list);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingReceiveNewInvitationCallback(const char* user_data) {
  return ZelSetSignalingReceiveNewInvitationCallback(DartZelSignalingReceiveNewInvitationCallback,
                                                     user_data);
}

// 61
static void DartZelSignalingInvitationCancelledCallback(const char* invite_id, const char* inviter,
                                                        const char* data, const void* user_data) {
  PostEvent(user_data, 61, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["inviter"] = Text(inviter);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingInvitationCancelledCallback(const char* user_data) {
  return ZelSetSignalingInvitationCancelledCallback(DartZelSignalingInvitationCancelledCallback,
                                                    user_data);
}

// 62
static void DartZelSignalingInviteeAcceptedCallback(const char* invite_id, const char* invitee,
                                                    const char* data, const void* user_data) {
  PostEvent(user_data, 62, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["invitee"] = Text(invitee);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingInviteeAcceptedCallback(const char* user_data) {
  return ZelSetSignalingInviteeAcceptedCallback(DartZelSignalingInviteeAcceptedCallback, user_data);
}

// 63
static void DartZelSignalingInviteeRejectedCallback(const char* invite_id, const char* invitee,
                                                    const char* data, const void* user_data) {
  PostEvent(user_data, 63, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["invitee"] = Text(invitee);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingInviteeRejectedCallback(const char* user_data) {
  return ZelSetSignalingInviteeRejectedCallback(DartZelSignalingInviteeRejectedCallback, user_data);
}

// 64
static void DartZelSignalingInvitationTimeoutCallback(const char* invite_id,
                                                      const char* json_invitee_list,
                                                      const void* user_data) {
  PostEvent(user_data, 64, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["json_invitee_list"] = Text(json_invitee_list);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingInvitationTimeoutCallback(const char* user_data) {
  return ZelSetSignalingInvitationTimeoutCallback(DartZelSignalingInvitationTimeoutCallback,
                                                  user_data);
}

// 65
static void DartZelSignalingInvitationModifiedCallback(const char* invite_id, const char* data,
                                                       const void* user_data) {
  PostEvent(user_data, 65, [&](EnvelopeMembers& event) {
    event["invite_id"] = Text(invite_id);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetSignalingInvitationModifiedCallback(const char* user_data) {
  return ZelSetSignalingInvitationModifiedCallback(DartZelSignalingInvitationModifiedCallback,
                                                   user_data);
}

// 66
static void DartZelExperimentalNotifyCallback(const char* key, const char* data,
                                              const void* user_data) {
  // Log lines have an event of their own.
  if (key != nullptr && std::strcmp(key, "OnLogCallback") == 0) return;
  PostEvent(user_data, 66, [&](EnvelopeMembers& event) {
    event["key"] = Text(key);
    event["data"] = Text(data);
  });
}

ZELBRIDGE_EXPORT int DartSetExperimentalNotifyCallback(const char* user_data) {
  return ZelSetExperimentalNotifyCallback(DartZelExperimentalNotifyCallback, user_data);
}
