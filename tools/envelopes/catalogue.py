"""Every envelope the bridge posts to Dart: the one place its shape is written.

docs/envelopes.md (its tables) and docs/envelopes.schema.json are generated
from this file by generate.py; check_posts.py validates what the bridge really
posts against that schema.

A member is written "name:kind", with "?" after the kind when the SDK may
pass no text there (null), which the bridge sends as the empty string. Kinds:

  int32, uint32, int64, uint64  a JSON integer of that range
  bool                          true or false
  string                        a plain text
  json                          a text holding one of the SDK's JSON documents,
                                to be decoded a second time
"""

from typing import NamedTuple

INTEGER_RANGES = {
    "int32": (-(2**31), 2**31 - 1),
    "uint32": (0, 2**32 - 1),
    "int64": (-(2**63), 2**63 - 1),
    "uint64": (0, 2**64 - 1),
}
KINDS = set(INTEGER_RANGES) | {"bool", "string", "json"}


class Member(NamedTuple):
    name: str
    kind: str
    null_safe: bool


def members(written):
    """The members of a "name:kind name:kind? ..." text, in its order."""
    parsed = []
    for item in written.split():
        name, kind = item.split(":")
        null_safe = kind.endswith("?")
        kind = kind.rstrip("?")
        if kind not in KINDS:
            raise ValueError(f"{name}: unknown kind {kind}")
        parsed.append(Member(name, kind, null_safe))
    return parsed


class Event(NamedTuple):
    callback_type: int
    export: str
    registration: str  # the SDK function the export registers with
    payload: str  # members beside "user_data", "callback" and "callbackType"
    raised_when: str

    @property
    def members(self):
        return members(self.payload)

    @property
    def name(self):
        """The export's name without "DartSet"/"DartAdd" and "Callback"."""
        return self.export[len("DartSet") : -len("Callback")]


# fmt: off
EVENTS = [
    Event(0, "DartSetNetworkStatusListenerCallback", "ZelSetNetworkStatusListenerCallback", "status:int32 code:int32 desc:string", "The connection to the server changed state; `status` is the SDK's `ZelNetworkStatus`, `code` and `desc` say why."),
    Event(1, "DartSetKickedOfflineCallback", "ZelSetKickedOfflineCallback", "", "The same user logged in elsewhere and this login was ended."),
    Event(2, "DartSetUserSigExpiredCallback", "ZelSetUserSigExpiredCallback", "", "The user's login signature expired."),
    Event(3, "DartSetSelfInfoUpdatedCallback", "ZelSetSelfInfoUpdatedCallback", "json_user_profile:json?", "The logged-in user's own profile changed."),
    Event(4, "DartSetUserStatusChangedCallback", "ZelSetUserStatusChangedCallback", "json_user_status_array:json?", "The status of users the app subscribed to changed."),
    Event(5, "DartSetUserInfoChangedCallback", "ZelSetUserInfoChangedCallback", "json_user_info_array:json?", "The profiles of users the app subscribed to changed."),
    Event(6, "DartSetLogCallback", "ZelSetLogCallback", "level:int32 log:string", "The SDK wrote a log line; `level` is its `ZelLogLevel`. Lines containing \"im ffi: \" (the bridge's own) are never posted."),
    Event(7, "DartAddReceiveNewMsgCallback", "ZelAddRecvNewMsgCallback", "json_msg_array:json?", "New messages arrived."),
    Event(8, "DartSetMsgElemUploadProgressCallback", "ZelSetMsgElemUploadProgressCallback", "index:uint32 cur_size:uint32 total_size:uint32 json_msg:json?", "An element of a message being sent was partly uploaded: `cur_size` of `total_size`."),
    Event(9, "DartSetMsgReadReceiptCallback", "ZelSetMsgReadedReceiptCallback", "json_msg_read_receipt_array:json?", "Read receipts for sent messages arrived."),
    Event(10, "DartSetMsgRevokeCallback", "ZelSetMsgRevokeCallback", "json_msg_locator_array:json?", "Messages were revoked."),
    Event(11, "DartSetMsgUpdateCallback", "ZelSetMsgUpdateCallback", "json_msg_array:json?", "Messages were modified."),
    Event(12, "DartSetMsgExtensionsChangedCallback", "ZelSetMsgExtensionsChangedCallback", "message_id:string message_extension_array:json?", "Extensions of a message were added or changed."),
    Event(13, "DartSetMsgExtensionsDeletedCallback", "ZelSetMsgExtensionsDeletedCallback", "message_id:string message_extension_key_array:json?", "Extensions of a message were deleted."),
    Event(14, "DartSetMsgReactionsChangedCallback", "ZelSetMsgReactionsChangedCallback", "message_reaction_change_info_array:json?", "Reactions to messages changed."),
    Event(15, "DartSetMsgAllMessageReceiveOptionCallback", "ZelSetMsgAllMessageReceiveOptionCallback", "json_receive_message_option_info:json?", "The option for receiving all messages changed."),
    Event(16, "DartSetMsgGroupPinnedMessageChangedCallback", "ZelSetMsgGroupPinnedMessageChangedCallback", "group_id:string is_pinned:bool op_user:string json_msg:json?", "A message was pinned (`is_pinned` true) or unpinned in a group by `op_user`."),
    Event(17, "DartSetGroupTipsEventCallback", "ZelSetGroupTipsEventCallback", "json_group_tip:json?", "Something happened in a group: members joined, left or were removed, the group's details changed."),
    Event(18, "DartSetGroupAttributeChangedCallback", "ZelSetGroupAttributeChangedCallback", "group_id:string json_group_attribute_array:json?", "A group's attributes changed."),
    Event(19, "DartSetGroupCounterChangedCallback", "ZelSetGroupCounterChangedCallback", "group_id:string group_counter_key:string group_counter_new_value:int64", "A group counter changed to a new value."),
    Event(20, "DartSetCommunityCreateTopicCallback", "ZelSetCommunityCreateTopicCallback", "group_id:string topic_id:string", "A topic was created in a community."),
    Event(21, "DartSetCommunityDeleteTopicCallback", "ZelSetCommunityDeleteTopicCallback", "group_id:string topic_id_array:json", "Topics of a community were deleted."),
    Event(22, "DartSetCommunityChangeTopicInfoCallback", "ZelSetCommunityChangeTopicInfoCallback", "group_id:string topic_info:json?", "A topic's details changed."),
    Event(23, "DartSetCommunityReceiveTopicRESTCustomDataCallback", "ZelSetCommunityReceiveTopicRESTCustomDataCallback", "topic_id:string custom_data:string", "Custom data for a topic arrived from the server's REST interface."),
    Event(24, "DartSetCommunityCreatePermissionGroupCallback", "ZelSetCommunityCreatePermissionGroupCallback", "group_id:string permission_group_info:json?", "A permission group was created in a community."),
    Event(25, "DartSetCommunityDeletePermissionGroupCallback", "ZelSetCommunityDeletePermissionGroupCallback", "group_id:string permission_group_id_array:json", "Permission groups were deleted."),
    Event(26, "DartSetCommunityChangePermissionGroupInfoCallback", "ZelSetCommunityChangePermissionGroupInfoCallback", "group_id:string permission_group_info:json?", "A permission group's details changed."),
    Event(27, "DartSetCommunityAddMembersToPermissionGroupCallback", "ZelSetCommunityAddMembersToPermissionGroupCallback", "group_id:string json_result:json?", "Members were added to a permission group."),
    Event(28, "DartSetCommunityRemoveMembersFromPermissionGroupCallback", "ZelSetCommunityRemoveMembersFromPermissionGroupCallback", "group_id:string json_result:json?", "Members were removed from a permission group."),
    Event(29, "DartSetCommunityAddTopicPermissionCallback", "ZelSetCommunityAddTopicPermissionCallback", "group_id:string json_result:json?", "Topic permissions were added to a permission group."),
    Event(30, "DartSetCommunityDeleteTopicPermissionCallback", "ZelSetCommunityDeleteTopicPermissionCallback", "group_id:string json_result:json?", "Topic permissions were deleted from a permission group."),
    Event(31, "DartSetCommunityModifyTopicPermissionCallback", "ZelSetCommunityModifyTopicPermissionCallback", "group_id:string json_result:json?", "Topic permissions of a permission group were changed."),
    Event(32, "DartSetConvEventCallback", "ZelSetConvEventCallback", "conv_event:int32 json_conv_array:json?", "Conversations were added, changed or deleted; `conv_event` is the SDK's `ZelConvEvent`."),
    Event(33, "DartSetConvTotalUnreadMessageCountChangedCallback", "ZelSetConvTotalUnreadMessageCountChangedCallback", "total_unread_count:int32", "The total count of unread messages changed."),
    Event(34, "DartSetConvUnreadMessageCountChangedByFilterCallback", "ZelSetConvUnreadMessageCountChangedByFilterCallback", "filter:json total_unread_count:int32", "The unread count of a filter given to `DartSubscribeUnreadMessageCountByFilter` changed."),
    Event(35, "DartSetConvConversationGroupCreatedCallback", "ZelSetConvConversationGroupCreatedCallback", "group_name:string conversation_array:json?", "A conversation group was created."),
    Event(36, "DartSetConvConversationGroupDeletedCallback", "ZelSetConvConversationGroupDeletedCallback", "group_name:string", "A conversation group was deleted."),
    Event(37, "DartSetConvConversationGroupNameChangedCallback", "ZelSetConvConversationGroupNameChangedCallback", "old_name:string new_name:string", "A conversation group was renamed."),
    Event(38, "DartSetConvConversationsAddedToGroupCallback", "ZelSetConvConversationsAddedToGroupCallback", "group_name:string conversation_array:json?", "Conversations were added to a conversation group."),
    Event(39, "DartSetConvConversationsDeletedFromGroupCallback", "ZelSetConvConversationsDeletedFromGroupCallback", "group_name:string reason:uint32 conversation_array:json?", "Conversations were removed from a conversation group, for the SDK's `reason`."),
    Event(40, "DartSetOnAddFriendCallback", "ZelSetOnAddFriendCallback", "friend_info_array:json?", "Friends were added."),
    Event(41, "DartSetOnDeleteFriendCallback", "ZelSetOnDeleteFriendCallback", "friend_id_array:json", "Friends were deleted."),
    Event(42, "DartSetUpdateFriendProfileCallback", "ZelSetUpdateFriendProfileCallback", "friend_info_update_array:json?", "Friends' profiles changed."),
    Event(43, "DartSetFriendAddRequestCallback", "ZelSetFriendAddRequestCallback", "json_application_array:json?", "Friend requests arrived."),
    Event(44, "DartSetFriendApplicationListDeletedCallback", "ZelSetFriendApplicationListDeletedCallback", "json_user_id_array:json", "Friend requests were deleted."),
    Event(45, "DartSetFriendApplicationListReadCallback", "ZelSetFriendApplicationListReadCallback", "", "The friend requests were marked as read."),
    Event(46, "DartSetFriendBlackListAddedCallback", "ZelSetFriendBlackListAddedCallback", "json_friend_info_array:json?", "Users were added to the block list."),
    Event(47, "DartSetFriendBlackListDeletedCallback", "ZelSetFriendBlackListDeletedCallback", "json_user_id_array:json", "Users were removed from the block list."),
    Event(48, "DartSetFriendGroupCreatedCallback", "ZelSetFriendGroupCreatedCallback", "group_name:string json_friend_info_array:json?", "A friend group was created."),
    Event(49, "DartSetFriendGroupDeletedCallback", "ZelSetFriendGroupDeletedCallback", "json_group_name_array:json?", "Friend groups were deleted."),
    Event(50, "DartSetFriendGroupNameChangedCallback", "ZelSetFriendGroupNameChangedCallback", "old_group_name:string new_group_name:string", "A friend group was renamed."),
    Event(51, "DartSetFriendsAddedToGroupCallback", "ZelSetFriendsAddedToGroupCallback", "group_name:string json_friend_info_array:json?", "Friends were added to a friend group."),
    Event(52, "DartSetFriendsDeletedFromGroupCallback", "ZelSetFriendsDeletedFromGroupCallback", "group_name:string json_friend_id_array:json", "Friends were removed from a friend group."),
    Event(53, "DartSetOfficialAccountSubscribedCallback", "ZelSetOfficialAccountSubscribedCallback", "json_official_account_info:json?", "The user subscribed to an official account."),
    Event(54, "DartSetOfficialAccountUnsubscribedCallback", "ZelSetOfficialAccountUnsubscribedCallback", "official_account_id:string", "The user unsubscribed from an official account."),
    Event(55, "DartSetOfficialAccountDeletedCallback", "ZelSetOfficialAccountDeletedCallback", "official_account_id:string", "A subscribed official account was deleted."),
    Event(56, "DartSetOfficialAccountInfoChangedCallback", "ZelSetOfficialAccountInfoChangedCallback", "json_official_account_info:json?", "A subscribed official account's details changed."),
    Event(57, "DartSetMyFollowingListChangedCallback", "ZelSetMyFollowingListChangedCallback", "is_add:bool json_user_info_list:json?", "The user followed (`is_add` true) or unfollowed users."),
    Event(58, "DartSetMyFollowersListChangedCallback", "ZelSetMyFollowersListChangedCallback", "is_add:bool json_user_info_list:json?", "Users started (`is_add` true) or stopped following the user."),
    Event(59, "DartSetMutualFollowersListChangedCallback", "ZelSetMutualFollowersListChangedCallback", "is_add:bool json_user_info_list:json?", "Users became (`is_add` true) or stopped being mutual followers."),
    Event(60, "DartSetSignalingReceiveNewInvitationCallback", "ZelSetSignalingReceiveNewInvitationCallback", "invite_id:string inviter:string group_id:string json_invitee_list:json data:string", "An invitation arrived; `data` is the text the inviter sent with it."),
    Event(61, "DartSetSignalingInvitationCancelledCallback", "ZelSetSignalingInvitationCancelledCallback", "invite_id:string inviter:string data:string", "The inviter cancelled an invitation."),
    Event(62, "DartSetSignalingInviteeAcceptedCallback", "ZelSetSignalingInviteeAcceptedCallback", "invite_id:string invitee:string data:string", "An invitee accepted an invitation."),
    Event(63, "DartSetSignalingInviteeRejectedCallback", "ZelSetSignalingInviteeRejectedCallback", "invite_id:string invitee:string data:string", "An invitee rejected an invitation."),
    Event(64, "DartSetSignalingInvitationTimeoutCallback", "ZelSetSignalingInvitationTimeoutCallback", "invite_id:string json_invitee_list:json", "Invitees did not answer an invitation in time."),
    Event(65, "DartSetSignalingInvitationModifiedCallback", "ZelSetSignalingInvitationModifiedCallback", "invite_id:string data:string", "The inviter changed an invitation's `data`."),
    Event(66, "DartSetExperimentalNotifyCallback", "ZelSetExperimentalNotifyCallback", "key:string? data:string?", "The SDK sent an experimental notification. Those with the key \"OnLogCallback\" are never posted (log lines are event 6)."),
    Event(67, "DartSetMsgTTSResponseCallback", "ZelSetMsgTTSResponseCallback", "json_tts_response:json?", "The result of a text-to-speech request arrived."),
]
# fmt: on

# The members every event envelope has besides its payload.
EVENT_CALLBACK = "globalCallback"
EVENT_ROUTING = [
    ("callback:string", 'always "globalCallback"'),
    ("callbackType:int32", "the event's number, 0 to 67: the row of the events table"),
    ("user_data:string", "the text given to the registration export"),
]

# Completions carry no "callbackType". The read-member-list completion is the
# one of DartGetGroupMessageReadMemberList alone; every other operation that
# reports back uses the common one.
COMPLETION_CALLBACK = "apiCallback"
COMPLETION = [
    ("callback:string", 'always "apiCallback"'),
    ("code:int32", "the SDK's result code, passed on unchanged"),
    ("desc:string", "the SDK's description of the result"),
    ("json_param:json?", "the SDK's result document"),
    ("user_data:string", "the text given to the operation export"),
]
READ_MEMBER_LIST_CODE = 0
READ_MEMBER_LIST_DESC = ""
READ_MEMBER_LIST_COMPLETION = [
    ("callback:string", 'always "apiCallback"'),
    ("code:int32", "always 0: this SDK callback reports no code"),
    ("desc:string", 'always ""'),
    ("is_finished:bool", "true when the list is complete"),
    ("json_param:json?", "the SDK's list of group members who read the message"),
    ("next_seq:uint64", "where the next page starts"),
    ("user_data:string", "the text given to `DartGetGroupMessageReadMemberList`"),
]

# The error envelope replaces an envelope that no port accepted, as text or as
# base64, or that could not be built; it keeps the original's routing members.
ERROR_CODE = 6131
ERROR_DESC = "IM ffi data error"
ERROR = [
    ("callback:string", 'the lost envelope\'s: "apiCallback" or "globalCallback"'),
    ("callbackType:int32", "the lost event's number; null for a lost completion"),
    ("code:int32", "always 6131"),
    ("desc:string", 'always "IM ffi data error"'),
    ("user_data:string", "the lost envelope's"),
]

BASE64_PREFIX = "base64:"


def noted_members(rows):
    """(Member, note) pairs of a list of ("name:kind", note) rows."""
    return [(members(written)[0], note) for written, note in rows]
