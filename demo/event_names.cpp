// The numbering of events is fixed by the bridge: each callbackType belongs
// to one registration export.

#include "event_names.h"

namespace demo {
namespace {

const char* const kEventNames[] = {
    "NetworkStatusListener",                      // 0
    "KickedOffline",                              // 1
    "UserSigExpired",                             // 2
    "SelfInfoUpdated",                            // 3
    "UserStatusChanged",                          // 4
    "UserInfoChanged",                            // 5
    "Log",                                        // 6
    "ReceiveNewMsg",                              // 7
    "MsgElemUploadProgress",                      // 8
    "MsgReadReceipt",                             // 9
    "MsgRevoke",                                  // 10
    "MsgUpdate",                                  // 11
    "MsgExtensionsChanged",                       // 12
    "MsgExtensionsDeleted",                       // 13
    "MsgReactionsChanged",                        // 14
    "MsgAllMessageReceiveOption",                 // 15
    "MsgGroupPinnedMessageChanged",               // 16
    "GroupTipsEvent",                             // 17
    "GroupAttributeChanged",                      // 18
    "GroupCounterChanged",                        // 19
    "CommunityCreateTopic",                       // 20
    "CommunityDeleteTopic",                       // 21
    "CommunityChangeTopicInfo",                   // 22
    "CommunityReceiveTopicRESTCustomData",        // 23
    "CommunityCreatePermissionGroup",             // 24
    "CommunityDeletePermissionGroup",             // 25
    "CommunityChangePermissionGroupInfo",         // 26
    "CommunityAddMembersToPermissionGroup",       // 27
    "CommunityRemoveMembersFromPermissionGroup",  // 28
    "CommunityAddTopicPermission",                // 29
    "CommunityDeleteTopicPermission",             // 30
    "CommunityModifyTopicPermission",             // 31
    "ConvEvent",                                  // 32
    "ConvTotalUnreadMessageCountChanged",         // 33
    "ConvUnreadMessageCountChangedByFilter",      // 34
    "ConvConversationGroupCreated",               // 35
    "ConvConversationGroupDeleted",               // 36
    "ConvConversationGroupNameChanged",           // 37
    "ConvConversationsAddedToGroup",              // 38
    "ConvConversationsDeletedFromGroup",          // 39
    "OnAddFriend",                                // 40
    "OnDeleteFriend",                             // 41
    "UpdateFriendProfile",                        // 42
    "FriendAddRequest",                           // 43
    "FriendApplicationListDeleted",               // 44
    "FriendApplicationListRead",                  // 45
    "FriendBlackListAdded",                       // 46
    "FriendBlackListDeleted",                     // 47
    "FriendGroupCreated",                         // 48
    "FriendGroupDeleted",                         // 49
    "FriendGroupNameChanged",                     // 50
    "FriendsAddedToGroup",                        // 51
    "FriendsDeletedFromGroup",                    // 52
    "OfficialAccountSubscribed",                  // 53
    "OfficialAccountUnsubscribed",                // 54
    "OfficialAccountDeleted",                     // 55
    "OfficialAccountInfoChanged",                 // 56
    "MyFollowingListChanged",                     // 57
    "MyFollowersListChanged",                     // 58
    "MutualFollowersListChanged",                 // 59
    "SignalingReceiveNewInvitation",              // 60
    "SignalingInvitationCancelled",               // 61
    "SignalingInviteeAccepted",                   // 62
    "SignalingInviteeRejected",                   // 63
    "SignalingInvitationTimeout",                 // 64
    "SignalingInvitationModified",                // 65
    "ExperimentalNotify",                         // 66
    "MsgTTSResponse",                             // 67
};

}  // namespace

const char* EventName(int callback_type) {
  const int count = static_cast<int>(sizeof(kEventNames) / sizeof(kEventNames[0]));
  return callback_type >= 0 && callback_type < count ? kEventNames[callback_type] : "Unknown";
}

}  // namespace demo
