// The stand-in SDK's listener registrations: each records the call and
// keeps the callback and user_data so that tests can raise the event.

#include "sdk/zel_sdk.h"
#include "standin_control.h"

using zel_standin::detail::RegisterListener;

extern "C" {

ZEL_SDK_API int ZelSetNetworkStatusListenerCallback(ZelNetworkStatusListenerCallback cb,
                                                    const void* user_data) {
  return RegisterListener("ZelSetNetworkStatusListenerCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetKickedOfflineCallback(ZelKickedOfflineCallback cb, const void* user_data) {
  return RegisterListener("ZelSetKickedOfflineCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetUserSigExpiredCallback(ZelUserSigExpiredCallback cb, const void* user_data) {
  return RegisterListener("ZelSetUserSigExpiredCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetSelfInfoUpdatedCallback(ZelSelfInfoUpdatedCallback cb,
                                              const void* user_data) {
  return RegisterListener("ZelSetSelfInfoUpdatedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetUserStatusChangedCallback(ZelUserStatusChangedCallback cb,
                                                const void* user_data) {
  return RegisterListener("ZelSetUserStatusChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetUserInfoChangedCallback(ZelUserInfoChangedCallback cb,
                                              const void* user_data) {
  return RegisterListener("ZelSetUserInfoChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetLogCallback(ZelLogCallback cb, const void* user_data) {
  return RegisterListener("ZelSetLogCallback", reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelAddRecvNewMsgCallback(ZelRecvNewMsgCallback cb, const void* user_data) {
  return RegisterListener("ZelAddRecvNewMsgCallback", reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetMsgElemUploadProgressCallback(ZelMsgElemUploadProgressCallback cb,
                                                    const void* user_data) {
  return RegisterListener("ZelSetMsgElemUploadProgressCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgReadedReceiptCallback(ZelMsgReadedReceiptCallback cb,
                                               const void* user_data) {
  return RegisterListener("ZelSetMsgReadedReceiptCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgRevokeCallback(ZelMsgRevokeCallback cb, const void* user_data) {
  return RegisterListener("ZelSetMsgRevokeCallback", reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetMsgUpdateCallback(ZelMsgUpdateCallback cb, const void* user_data) {
  return RegisterListener("ZelSetMsgUpdateCallback", reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetMsgExtensionsChangedCallback(ZelMsgExtensionsChangedCallback cb,
                                                   const void* user_data) {
  return RegisterListener("ZelSetMsgExtensionsChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgExtensionsDeletedCallback(ZelMsgExtensionsDeletedCallback cb,
                                                   const void* user_data) {
  return RegisterListener("ZelSetMsgExtensionsDeletedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgReactionsChangedCallback(ZelMsgReactionsChangedCallback cb,
                                                  const void* user_data) {
  return RegisterListener("ZelSetMsgReactionsChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgAllMessageReceiveOptionCallback(ZelMsgAllMessageReceiveOptionCallback cb,
                                                         const void* user_data) {
  return RegisterListener("ZelSetMsgAllMessageReceiveOptionCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetMsgGroupPinnedMessageChangedCallback(
    ZelMsgGroupPinnedMessageChangedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetMsgGroupPinnedMessageChangedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetGroupTipsEventCallback(ZelGroupTipsEventCallback cb, const void* user_data) {
  return RegisterListener("ZelSetGroupTipsEventCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetGroupAttributeChangedCallback(ZelGroupAttributeChangedCallback cb,
                                                    const void* user_data) {
  return RegisterListener("ZelSetGroupAttributeChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetGroupCounterChangedCallback(ZelGroupCounterChangedCallback cb,
                                                  const void* user_data) {
  return RegisterListener("ZelSetGroupCounterChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetCommunityCreateTopicCallback(ZelCommunityCreateTopicCallback cb,
                                                   const void* user_data) {
  return RegisterListener("ZelSetCommunityCreateTopicCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetCommunityDeleteTopicCallback(ZelCommunityDeleteTopicCallback cb,
                                                   const void* user_data) {
  return RegisterListener("ZelSetCommunityDeleteTopicCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetCommunityChangeTopicInfoCallback(ZelCommunityChangeTopicInfoCallback cb,
                                                       const void* user_data) {
  return RegisterListener("ZelSetCommunityChangeTopicInfoCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityReceiveTopicRESTCustomDataCallback(
    ZelCommunityReceiveTopicRESTCustomDataCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityReceiveTopicRESTCustomDataCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityCreatePermissionGroupCallback(
    ZelCommunityCreatePermissionGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityCreatePermissionGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityDeletePermissionGroupCallback(
    ZelCommunityDeletePermissionGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityDeletePermissionGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityChangePermissionGroupInfoCallback(
    ZelCommunityChangePermissionGroupInfoCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityChangePermissionGroupInfoCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityAddMembersToPermissionGroupCallback(
    ZelCommunityAddMembersToPermissionGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityAddMembersToPermissionGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityRemoveMembersFromPermissionGroupCallback(
    ZelCommunityRemoveMembersFromPermissionGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityRemoveMembersFromPermissionGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityAddTopicPermissionCallback(ZelCommunityAddTopicPermissionCallback cb,
                                                          const void* user_data) {
  return RegisterListener("ZelSetCommunityAddTopicPermissionCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityDeleteTopicPermissionCallback(
    ZelCommunityDeleteTopicPermissionCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityDeleteTopicPermissionCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetCommunityModifyTopicPermissionCallback(
    ZelCommunityModifyTopicPermissionCallback cb, const void* user_data) {
  return RegisterListener("ZelSetCommunityModifyTopicPermissionCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvEventCallback(ZelConvEventCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvEventCallback", reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvTotalUnreadMessageCountChangedCallback(
    ZelConvTotalUnreadMessageCountChangedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvTotalUnreadMessageCountChangedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvUnreadMessageCountChangedByFilterCallback(
    ZelConvUnreadMessageCountChangedByFilterCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvUnreadMessageCountChangedByFilterCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvConversationGroupCreatedCallback(
    ZelConvConversationGroupCreatedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvConversationGroupCreatedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvConversationGroupDeletedCallback(
    ZelConvConversationGroupDeletedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvConversationGroupDeletedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvConversationGroupNameChangedCallback(
    ZelConvConversationGroupNameChangedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvConversationGroupNameChangedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvConversationsAddedToGroupCallback(
    ZelConvConversationsAddedToGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvConversationsAddedToGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetConvConversationsDeletedFromGroupCallback(
    ZelConvConversationsDeletedFromGroupCallback cb, const void* user_data) {
  return RegisterListener("ZelSetConvConversationsDeletedFromGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetOnAddFriendCallback(ZelOnAddFriendCallback cb, const void* user_data) {
  return RegisterListener("ZelSetOnAddFriendCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetOnDeleteFriendCallback(ZelOnDeleteFriendCallback cb, const void* user_data) {
  return RegisterListener("ZelSetOnDeleteFriendCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetUpdateFriendProfileCallback(ZelUpdateFriendProfileCallback cb,
                                                  const void* user_data) {
  return RegisterListener("ZelSetUpdateFriendProfileCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendAddRequestCallback(ZelFriendAddRequestCallback cb,
                                               const void* user_data) {
  return RegisterListener("ZelSetFriendAddRequestCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendApplicationListDeletedCallback(
    ZelFriendApplicationListDeletedCallback cb, const void* user_data) {
  return RegisterListener("ZelSetFriendApplicationListDeletedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetFriendApplicationListReadCallback(ZelFriendApplicationListReadCallback cb,
                                                        const void* user_data) {
  return RegisterListener("ZelSetFriendApplicationListReadCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetFriendBlackListAddedCallback(ZelFriendBlackListAddedCallback cb,
                                                   const void* user_data) {
  return RegisterListener("ZelSetFriendBlackListAddedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendBlackListDeletedCallback(ZelFriendBlackListDeletedCallback cb,
                                                     const void* user_data) {
  return RegisterListener("ZelSetFriendBlackListDeletedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendGroupCreatedCallback(ZelFriendGroupCreatedCallback cb,
                                                 const void* user_data) {
  return RegisterListener("ZelSetFriendGroupCreatedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendGroupDeletedCallback(ZelFriendGroupDeletedCallback cb,
                                                 const void* user_data) {
  return RegisterListener("ZelSetFriendGroupDeletedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendGroupNameChangedCallback(ZelFriendGroupNameChangedCallback cb,
                                                     const void* user_data) {
  return RegisterListener("ZelSetFriendGroupNameChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendsAddedToGroupCallback(ZelFriendsAddedToGroupCallback cb,
                                                  const void* user_data) {
  return RegisterListener("ZelSetFriendsAddedToGroupCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetFriendsDeletedFromGroupCallback(ZelFriendsDeletedFromGroupCallback cb,
                                                      const void* user_data) {
  return RegisterListener("ZelSetFriendsDeletedFromGroupCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetOfficialAccountSubscribedCallback(ZelOfficialAccountSubscribedCallback cb,
                                                        const void* user_data) {
  return RegisterListener("ZelSetOfficialAccountSubscribedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetOfficialAccountUnsubscribedCallback(ZelOfficialAccountUnsubscribedCallback cb,
                                                          const void* user_data) {
  return RegisterListener("ZelSetOfficialAccountUnsubscribedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetOfficialAccountDeletedCallback(ZelOfficialAccountDeletedCallback cb,
                                                     const void* user_data) {
  return RegisterListener("ZelSetOfficialAccountDeletedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetOfficialAccountInfoChangedCallback(ZelOfficialAccountInfoChangedCallback cb,
                                                         const void* user_data) {
  return RegisterListener("ZelSetOfficialAccountInfoChangedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetMyFollowingListChangedCallback(ZelMyFollowingListChangedCallback cb,
                                                     const void* user_data) {
  return RegisterListener("ZelSetMyFollowingListChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMyFollowersListChangedCallback(ZelMyFollowersListChangedCallback cb,
                                                     const void* user_data) {
  return RegisterListener("ZelSetMyFollowersListChangedCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMutualFollowersListChangedCallback(ZelMutualFollowersListChangedCallback cb,
                                                         const void* user_data) {
  return RegisterListener("ZelSetMutualFollowersListChangedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingReceiveNewInvitationCallback(
    ZelSignalingReceiveNewInvitationCallback cb, const void* user_data) {
  return RegisterListener("ZelSetSignalingReceiveNewInvitationCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingInvitationCancelledCallback(
    ZelSignalingInvitationCancelledCallback cb, const void* user_data) {
  return RegisterListener("ZelSetSignalingInvitationCancelledCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingInviteeAcceptedCallback(ZelSignalingInviteeAcceptedCallback cb,
                                                       const void* user_data) {
  return RegisterListener("ZelSetSignalingInviteeAcceptedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingInviteeRejectedCallback(ZelSignalingInviteeRejectedCallback cb,
                                                       const void* user_data) {
  return RegisterListener("ZelSetSignalingInviteeRejectedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingInvitationTimeoutCallback(ZelSignalingInvitationTimeoutCallback cb,
                                                         const void* user_data) {
  return RegisterListener("ZelSetSignalingInvitationTimeoutCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetSignalingInvitationModifiedCallback(ZelSignalingInvitationModifiedCallback cb,
                                                          const void* user_data) {
  return RegisterListener("ZelSetSignalingInvitationModifiedCallback",
                          reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSetExperimentalNotifyCallback(ZelExperimentalNotifyCallback cb,
                                                 const void* user_data) {
  return RegisterListener("ZelSetExperimentalNotifyCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

ZEL_SDK_API int ZelSetMsgTTSResponseCallback(ZelMsgTTSResponseCallback cb, const void* user_data) {
  return RegisterListener("ZelSetMsgTTSResponseCallback", reinterpret_cast<const void*>(cb),
                          user_data);
}

}  // extern "C"
