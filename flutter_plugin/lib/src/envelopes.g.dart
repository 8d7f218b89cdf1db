// Generated from tools/envelopes/catalogue.py by tools/envelopes/generate.py;
// do not edit.
part of 'envelope.dart';

const _completionCallback = 'apiCallback';
const _eventCallback = 'globalCallback';
const _base64Prefix = 'base64:';

// How the bridge's texts begin, up to the members that tell their kind.
const _completionStart = '{"callback":"apiCallback"';
const _eventStart = '{"callback":"globalCallback","callbackType":';

// The error envelope's members after its routing members, which the
// kind fixes but for user_data.
const _lostCompletionMembers =
    ',"callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":';
const _lostEventMembers =
    ',"code":6131,"desc":"IM ffi data error","user_data":';

// The members that only the read-member-list completion has.
const _readMemberListOnly = ['is_finished', 'next_seq'];

// What a text that begins as a completion may be, in the order tried.
const _completionReaders = <Envelope Function(EnvelopeReader)>[
  Completion._read,
  ReadMemberCompletion._read,
  ErrorEnvelope._readLostCompletion,
];

/// Every kind of event, at the index of its callbackType.
const eventKinds = <EventKind>[
  EventKind<NetworkStatusListenerEvent>._(
    0,
    'NetworkStatusListener',
    'NetworkStatusListenerEvent',
    'DartSetNetworkStatusListenerCallback',
    NetworkStatusListenerEvent._read,
    NetworkStatusListenerEvent._from,
  ),
  EventKind<KickedOfflineEvent>._(
    1,
    'KickedOffline',
    'KickedOfflineEvent',
    'DartSetKickedOfflineCallback',
    KickedOfflineEvent._read,
    KickedOfflineEvent._from,
  ),
  EventKind<UserSigExpiredEvent>._(
    2,
    'UserSigExpired',
    'UserSigExpiredEvent',
    'DartSetUserSigExpiredCallback',
    UserSigExpiredEvent._read,
    UserSigExpiredEvent._from,
  ),
  EventKind<SelfInfoUpdatedEvent>._(
    3,
    'SelfInfoUpdated',
    'SelfInfoUpdatedEvent',
    'DartSetSelfInfoUpdatedCallback',
    SelfInfoUpdatedEvent._read,
    SelfInfoUpdatedEvent._from,
  ),
  EventKind<UserStatusChangedEvent>._(
    4,
    'UserStatusChanged',
    'UserStatusChangedEvent',
    'DartSetUserStatusChangedCallback',
    UserStatusChangedEvent._read,
    UserStatusChangedEvent._from,
  ),
  EventKind<UserInfoChangedEvent>._(
    5,
    'UserInfoChanged',
    'UserInfoChangedEvent',
    'DartSetUserInfoChangedCallback',
    UserInfoChangedEvent._read,
    UserInfoChangedEvent._from,
  ),
  EventKind<LogEvent>._(
    6,
    'Log',
    'LogEvent',
    'DartSetLogCallback',
    LogEvent._read,
    LogEvent._from,
  ),
  EventKind<ReceiveNewMsgEvent>._(
    7,
    'ReceiveNewMsg',
    'ReceiveNewMsgEvent',
    'DartAddReceiveNewMsgCallback',
    ReceiveNewMsgEvent._read,
    ReceiveNewMsgEvent._from,
  ),
  EventKind<MsgElemUploadProgressEvent>._(
    8,
    'MsgElemUploadProgress',
    'MsgElemUploadProgressEvent',
    'DartSetMsgElemUploadProgressCallback',
    MsgElemUploadProgressEvent._read,
    MsgElemUploadProgressEvent._from,
  ),
  EventKind<MsgReadReceiptEvent>._(
    9,
    'MsgReadReceipt',
    'MsgReadReceiptEvent',
    'DartSetMsgReadReceiptCallback',
    MsgReadReceiptEvent._read,
    MsgReadReceiptEvent._from,
  ),
  EventKind<MsgRevokeEvent>._(
    10,
    'MsgRevoke',
    'MsgRevokeEvent',
    'DartSetMsgRevokeCallback',
    MsgRevokeEvent._read,
    MsgRevokeEvent._from,
  ),
  EventKind<MsgUpdateEvent>._(
    11,
    'MsgUpdate',
    'MsgUpdateEvent',
    'DartSetMsgUpdateCallback',
    MsgUpdateEvent._read,
    MsgUpdateEvent._from,
  ),
  EventKind<MsgExtensionsChangedEvent>._(
    12,
    'MsgExtensionsChanged',
    'MsgExtensionsChangedEvent',
    'DartSetMsgExtensionsChangedCallback',
    MsgExtensionsChangedEvent._read,
    MsgExtensionsChangedEvent._from,
  ),
  EventKind<MsgExtensionsDeletedEvent>._(
    13,
    'MsgExtensionsDeleted',
    'MsgExtensionsDeletedEvent',
    'DartSetMsgExtensionsDeletedCallback',
    MsgExtensionsDeletedEvent._read,
    MsgExtensionsDeletedEvent._from,
  ),
  EventKind<MsgReactionsChangedEvent>._(
    14,
    'MsgReactionsChanged',
    'MsgReactionsChangedEvent',
    'DartSetMsgReactionsChangedCallback',
    MsgReactionsChangedEvent._read,
    MsgReactionsChangedEvent._from,
  ),
  EventKind<MsgAllMessageReceiveOptionEvent>._(
    15,
    'MsgAllMessageReceiveOption',
    'MsgAllMessageReceiveOptionEvent',
    'DartSetMsgAllMessageReceiveOptionCallback',
    MsgAllMessageReceiveOptionEvent._read,
    MsgAllMessageReceiveOptionEvent._from,
  ),
  EventKind<MsgGroupPinnedMessageChangedEvent>._(
    16,
    'MsgGroupPinnedMessageChanged',
    'MsgGroupPinnedMessageChangedEvent',
    'DartSetMsgGroupPinnedMessageChangedCallback',
    MsgGroupPinnedMessageChangedEvent._read,
    MsgGroupPinnedMessageChangedEvent._from,
  ),
  EventKind<GroupTipsEvent>._(
    17,
    'GroupTipsEvent',
    'GroupTipsEvent',
    'DartSetGroupTipsEventCallback',
    GroupTipsEvent._read,
    GroupTipsEvent._from,
  ),
  EventKind<GroupAttributeChangedEvent>._(
    18,
    'GroupAttributeChanged',
    'GroupAttributeChangedEvent',
    'DartSetGroupAttributeChangedCallback',
    GroupAttributeChangedEvent._read,
    GroupAttributeChangedEvent._from,
  ),
  EventKind<GroupCounterChangedEvent>._(
    19,
    'GroupCounterChanged',
    'GroupCounterChangedEvent',
    'DartSetGroupCounterChangedCallback',
    GroupCounterChangedEvent._read,
    GroupCounterChangedEvent._from,
  ),
  EventKind<CommunityCreateTopicEvent>._(
    20,
    'CommunityCreateTopic',
    'CommunityCreateTopicEvent',
    'DartSetCommunityCreateTopicCallback',
    CommunityCreateTopicEvent._read,
    CommunityCreateTopicEvent._from,
  ),
  EventKind<CommunityDeleteTopicEvent>._(
    21,
    'CommunityDeleteTopic',
    'CommunityDeleteTopicEvent',
    'DartSetCommunityDeleteTopicCallback',
    CommunityDeleteTopicEvent._read,
    CommunityDeleteTopicEvent._from,
  ),
  EventKind<CommunityChangeTopicInfoEvent>._(
    22,
    'CommunityChangeTopicInfo',
    'CommunityChangeTopicInfoEvent',
    'DartSetCommunityChangeTopicInfoCallback',
    CommunityChangeTopicInfoEvent._read,
    CommunityChangeTopicInfoEvent._from,
  ),
  EventKind<CommunityReceiveTopicRestCustomDataEvent>._(
    23,
    'CommunityReceiveTopicRESTCustomData',
    'CommunityReceiveTopicRestCustomDataEvent',
    'DartSetCommunityReceiveTopicRESTCustomDataCallback',
    CommunityReceiveTopicRestCustomDataEvent._read,
    CommunityReceiveTopicRestCustomDataEvent._from,
  ),
  EventKind<CommunityCreatePermissionGroupEvent>._(
    24,
    'CommunityCreatePermissionGroup',
    'CommunityCreatePermissionGroupEvent',
    'DartSetCommunityCreatePermissionGroupCallback',
    CommunityCreatePermissionGroupEvent._read,
    CommunityCreatePermissionGroupEvent._from,
  ),
  EventKind<CommunityDeletePermissionGroupEvent>._(
    25,
    'CommunityDeletePermissionGroup',
    'CommunityDeletePermissionGroupEvent',
    'DartSetCommunityDeletePermissionGroupCallback',
    CommunityDeletePermissionGroupEvent._read,
    CommunityDeletePermissionGroupEvent._from,
  ),
  EventKind<CommunityChangePermissionGroupInfoEvent>._(
    26,
    'CommunityChangePermissionGroupInfo',
    'CommunityChangePermissionGroupInfoEvent',
    'DartSetCommunityChangePermissionGroupInfoCallback',
    CommunityChangePermissionGroupInfoEvent._read,
    CommunityChangePermissionGroupInfoEvent._from,
  ),
  EventKind<CommunityAddMembersToPermissionGroupEvent>._(
    27,
    'CommunityAddMembersToPermissionGroup',
    'CommunityAddMembersToPermissionGroupEvent',
    'DartSetCommunityAddMembersToPermissionGroupCallback',
    CommunityAddMembersToPermissionGroupEvent._read,
    CommunityAddMembersToPermissionGroupEvent._from,
  ),
  EventKind<CommunityRemoveMembersFromPermissionGroupEvent>._(
    28,
    'CommunityRemoveMembersFromPermissionGroup',
    'CommunityRemoveMembersFromPermissionGroupEvent',
    'DartSetCommunityRemoveMembersFromPermissionGroupCallback',
    CommunityRemoveMembersFromPermissionGroupEvent._read,
    CommunityRemoveMembersFromPermissionGroupEvent._from,
  ),
  EventKind<CommunityAddTopicPermissionEvent>._(
    29,
    'CommunityAddTopicPermission',
    'CommunityAddTopicPermissionEvent',
    'DartSetCommunityAddTopicPermissionCallback',
    CommunityAddTopicPermissionEvent._read,
    CommunityAddTopicPermissionEvent._from,
  ),
  EventKind<CommunityDeleteTopicPermissionEvent>._(
    30,
    'CommunityDeleteTopicPermission',
    'CommunityDeleteTopicPermissionEvent',
    'DartSetCommunityDeleteTopicPermissionCallback',
    CommunityDeleteTopicPermissionEvent._read,
    CommunityDeleteTopicPermissionEvent._from,
  ),
  EventKind<CommunityModifyTopicPermissionEvent>._(
    31,
    'CommunityModifyTopicPermission',
    'CommunityModifyTopicPermissionEvent',
    'DartSetCommunityModifyTopicPermissionCallback',
    CommunityModifyTopicPermissionEvent._read,
    CommunityModifyTopicPermissionEvent._from,
  ),
  EventKind<ConvEvent>._(
    32,
    'ConvEvent',
    'ConvEvent',
    'DartSetConvEventCallback',
    ConvEvent._read,
    ConvEvent._from,
  ),
  EventKind<ConvTotalUnreadMessageCountChangedEvent>._(
    33,
    'ConvTotalUnreadMessageCountChanged',
    'ConvTotalUnreadMessageCountChangedEvent',
    'DartSetConvTotalUnreadMessageCountChangedCallback',
    ConvTotalUnreadMessageCountChangedEvent._read,
    ConvTotalUnreadMessageCountChangedEvent._from,
  ),
  EventKind<ConvUnreadMessageCountChangedByFilterEvent>._(
    34,
    'ConvUnreadMessageCountChangedByFilter',
    'ConvUnreadMessageCountChangedByFilterEvent',
    'DartSetConvUnreadMessageCountChangedByFilterCallback',
    ConvUnreadMessageCountChangedByFilterEvent._read,
    ConvUnreadMessageCountChangedByFilterEvent._from,
  ),
  EventKind<ConvConversationGroupCreatedEvent>._(
    35,
    'ConvConversationGroupCreated',
    'ConvConversationGroupCreatedEvent',
    'DartSetConvConversationGroupCreatedCallback',
    ConvConversationGroupCreatedEvent._read,
    ConvConversationGroupCreatedEvent._from,
  ),
  EventKind<ConvConversationGroupDeletedEvent>._(
    36,
    'ConvConversationGroupDeleted',
    'ConvConversationGroupDeletedEvent',
    'DartSetConvConversationGroupDeletedCallback',
    ConvConversationGroupDeletedEvent._read,
    ConvConversationGroupDeletedEvent._from,
  ),
  EventKind<ConvConversationGroupNameChangedEvent>._(
    37,
    'ConvConversationGroupNameChanged',
    'ConvConversationGroupNameChangedEvent',
    'DartSetConvConversationGroupNameChangedCallback',
    ConvConversationGroupNameChangedEvent._read,
    ConvConversationGroupNameChangedEvent._from,
  ),
  EventKind<ConvConversationsAddedToGroupEvent>._(
    38,
    'ConvConversationsAddedToGroup',
    'ConvConversationsAddedToGroupEvent',
    'DartSetConvConversationsAddedToGroupCallback',
    ConvConversationsAddedToGroupEvent._read,
    ConvConversationsAddedToGroupEvent._from,
  ),
  EventKind<ConvConversationsDeletedFromGroupEvent>._(
    39,
    'ConvConversationsDeletedFromGroup',
    'ConvConversationsDeletedFromGroupEvent',
    'DartSetConvConversationsDeletedFromGroupCallback',
    ConvConversationsDeletedFromGroupEvent._read,
    ConvConversationsDeletedFromGroupEvent._from,
  ),
  EventKind<OnAddFriendEvent>._(
    40,
    'OnAddFriend',
    'OnAddFriendEvent',
    'DartSetOnAddFriendCallback',
    OnAddFriendEvent._read,
    OnAddFriendEvent._from,
  ),
  EventKind<OnDeleteFriendEvent>._(
    41,
    'OnDeleteFriend',
    'OnDeleteFriendEvent',
    'DartSetOnDeleteFriendCallback',
    OnDeleteFriendEvent._read,
    OnDeleteFriendEvent._from,
  ),
  EventKind<UpdateFriendProfileEvent>._(
    42,
    'UpdateFriendProfile',
    'UpdateFriendProfileEvent',
    'DartSetUpdateFriendProfileCallback',
    UpdateFriendProfileEvent._read,
    UpdateFriendProfileEvent._from,
  ),
  EventKind<FriendAddRequestEvent>._(
    43,
    'FriendAddRequest',
    'FriendAddRequestEvent',
    'DartSetFriendAddRequestCallback',
    FriendAddRequestEvent._read,
    FriendAddRequestEvent._from,
  ),
  EventKind<FriendApplicationListDeletedEvent>._(
    44,
    'FriendApplicationListDeleted',
    'FriendApplicationListDeletedEvent',
    'DartSetFriendApplicationListDeletedCallback',
    FriendApplicationListDeletedEvent._read,
    FriendApplicationListDeletedEvent._from,
  ),
  EventKind<FriendApplicationListReadEvent>._(
    45,
    'FriendApplicationListRead',
    'FriendApplicationListReadEvent',
    'DartSetFriendApplicationListReadCallback',
    FriendApplicationListReadEvent._read,
    FriendApplicationListReadEvent._from,
  ),
  EventKind<FriendBlackListAddedEvent>._(
    46,
    'FriendBlackListAdded',
    'FriendBlackListAddedEvent',
    'DartSetFriendBlackListAddedCallback',
    FriendBlackListAddedEvent._read,
    FriendBlackListAddedEvent._from,
  ),
  EventKind<FriendBlackListDeletedEvent>._(
    47,
    'FriendBlackListDeleted',
    'FriendBlackListDeletedEvent',
    'DartSetFriendBlackListDeletedCallback',
    FriendBlackListDeletedEvent._read,
    FriendBlackListDeletedEvent._from,
  ),
  EventKind<FriendGroupCreatedEvent>._(
    48,
    'FriendGroupCreated',
    'FriendGroupCreatedEvent',
    'DartSetFriendGroupCreatedCallback',
    FriendGroupCreatedEvent._read,
    FriendGroupCreatedEvent._from,
  ),
  EventKind<FriendGroupDeletedEvent>._(
    49,
    'FriendGroupDeleted',
    'FriendGroupDeletedEvent',
    'DartSetFriendGroupDeletedCallback',
    FriendGroupDeletedEvent._read,
    FriendGroupDeletedEvent._from,
  ),
  EventKind<FriendGroupNameChangedEvent>._(
    50,
    'FriendGroupNameChanged',
    'FriendGroupNameChangedEvent',
    'DartSetFriendGroupNameChangedCallback',
    FriendGroupNameChangedEvent._read,
    FriendGroupNameChangedEvent._from,
  ),
  EventKind<FriendsAddedToGroupEvent>._(
    51,
    'FriendsAddedToGroup',
    'FriendsAddedToGroupEvent',
    'DartSetFriendsAddedToGroupCallback',
    FriendsAddedToGroupEvent._read,
    FriendsAddedToGroupEvent._from,
  ),
  EventKind<FriendsDeletedFromGroupEvent>._(
    52,
    'FriendsDeletedFromGroup',
    'FriendsDeletedFromGroupEvent',
    'DartSetFriendsDeletedFromGroupCallback',
    FriendsDeletedFromGroupEvent._read,
    FriendsDeletedFromGroupEvent._from,
  ),
  EventKind<OfficialAccountSubscribedEvent>._(
    53,
    'OfficialAccountSubscribed',
    'OfficialAccountSubscribedEvent',
    'DartSetOfficialAccountSubscribedCallback',
    OfficialAccountSubscribedEvent._read,
    OfficialAccountSubscribedEvent._from,
  ),
  EventKind<OfficialAccountUnsubscribedEvent>._(
    54,
    'OfficialAccountUnsubscribed',
    'OfficialAccountUnsubscribedEvent',
    'DartSetOfficialAccountUnsubscribedCallback',
    OfficialAccountUnsubscribedEvent._read,
    OfficialAccountUnsubscribedEvent._from,
  ),
  EventKind<OfficialAccountDeletedEvent>._(
    55,
    'OfficialAccountDeleted',
    'OfficialAccountDeletedEvent',
    'DartSetOfficialAccountDeletedCallback',
    OfficialAccountDeletedEvent._read,
    OfficialAccountDeletedEvent._from,
  ),
  EventKind<OfficialAccountInfoChangedEvent>._(
    56,
    'OfficialAccountInfoChanged',
    'OfficialAccountInfoChangedEvent',
    'DartSetOfficialAccountInfoChangedCallback',
    OfficialAccountInfoChangedEvent._read,
    OfficialAccountInfoChangedEvent._from,
  ),
  EventKind<MyFollowingListChangedEvent>._(
    57,
    'MyFollowingListChanged',
    'MyFollowingListChangedEvent',
    'DartSetMyFollowingListChangedCallback',
    MyFollowingListChangedEvent._read,
    MyFollowingListChangedEvent._from,
  ),
  EventKind<MyFollowersListChangedEvent>._(
    58,
    'MyFollowersListChanged',
    'MyFollowersListChangedEvent',
    'DartSetMyFollowersListChangedCallback',
    MyFollowersListChangedEvent._read,
    MyFollowersListChangedEvent._from,
  ),
  EventKind<MutualFollowersListChangedEvent>._(
    59,
    'MutualFollowersListChanged',
    'MutualFollowersListChangedEvent',
    'DartSetMutualFollowersListChangedCallback',
    MutualFollowersListChangedEvent._read,
    MutualFollowersListChangedEvent._from,
  ),
  EventKind<SignalingReceiveNewInvitationEvent>._(
    60,
    'SignalingReceiveNewInvitation',
    'SignalingReceiveNewInvitationEvent',
    'DartSetSignalingReceiveNewInvitationCallback',
    SignalingReceiveNewInvitationEvent._read,
    SignalingReceiveNewInvitationEvent._from,
  ),
  EventKind<SignalingInvitationCancelledEvent>._(
    61,
    'SignalingInvitationCancelled',
    'SignalingInvitationCancelledEvent',
    'DartSetSignalingInvitationCancelledCallback',
    SignalingInvitationCancelledEvent._read,
    SignalingInvitationCancelledEvent._from,
  ),
  EventKind<SignalingInviteeAcceptedEvent>._(
    62,
    'SignalingInviteeAccepted',
    'SignalingInviteeAcceptedEvent',
    'DartSetSignalingInviteeAcceptedCallback',
    SignalingInviteeAcceptedEvent._read,
    SignalingInviteeAcceptedEvent._from,
  ),
  EventKind<SignalingInviteeRejectedEvent>._(
    63,
    'SignalingInviteeRejected',
    'SignalingInviteeRejectedEvent',
    'DartSetSignalingInviteeRejectedCallback',
    SignalingInviteeRejectedEvent._read,
    SignalingInviteeRejectedEvent._from,
  ),
  EventKind<SignalingInvitationTimeoutEvent>._(
    64,
    'SignalingInvitationTimeout',
    'SignalingInvitationTimeoutEvent',
    'DartSetSignalingInvitationTimeoutCallback',
    SignalingInvitationTimeoutEvent._read,
    SignalingInvitationTimeoutEvent._from,
  ),
  EventKind<SignalingInvitationModifiedEvent>._(
    65,
    'SignalingInvitationModified',
    'SignalingInvitationModifiedEvent',
    'DartSetSignalingInvitationModifiedCallback',
    SignalingInvitationModifiedEvent._read,
    SignalingInvitationModifiedEvent._from,
  ),
  EventKind<ExperimentalNotifyEvent>._(
    66,
    'ExperimentalNotify',
    'ExperimentalNotifyEvent',
    'DartSetExperimentalNotifyCallback',
    ExperimentalNotifyEvent._read,
    ExperimentalNotifyEvent._from,
  ),
  EventKind<MsgTtsResponseEvent>._(
    67,
    'MsgTTSResponse',
    'MsgTtsResponseEvent',
    'DartSetMsgTTSResponseCallback',
    MsgTtsResponseEvent._read,
    MsgTtsResponseEvent._from,
  ),
];

/// The completion of an operation: of every export that reports back but
/// `DartGetGroupMessageReadMemberList`.
///
/// Match it to the call by [userData].
final class Completion extends Envelope {
  Completion._read(EnvelopeReader reader)
      : code = reader.int32(',"code":'),
        desc = reader.string(',"desc":'),
        jsonParam = reader.string(',"json_param":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  Completion._from(EnvelopeMembers members)
      : code = members.int32('code'),
        desc = members.string('desc'),
        jsonParam = members.string('json_param'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The SDK's result code, passed on unchanged.
  final int code;

  /// The SDK's description of the result.
  final String desc;

  /// The SDK's result document. It is the SDK's JSON text. [decodedJsonParam]
  /// decodes it. Empty when the SDK gave none.
  final String jsonParam;

  /// The text given to the operation export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonParam] decoded, or null when it is empty.
  Object? get decodedJsonParam => _decodeDocument(jsonParam);

  @override
  String get callback => _completionCallback;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'code': code,
        'desc': desc,
        'json_param': jsonParam,
        'user_data': userData,
      };
}

/// The completion of `DartGetGroupMessageReadMemberList`, which the SDK reports
/// through a callback of its own shape.
///
/// Match it to the call by [userData].
final class ReadMemberCompletion extends Envelope {
  ReadMemberCompletion._read(EnvelopeReader reader)
      : isFinished = reader.boolean(',"code":0,"desc":"","is_finished":'),
        jsonParam = reader.string(',"json_param":'),
        nextSeq = reader.uint64(',"next_seq":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ReadMemberCompletion._from(EnvelopeMembers members)
      : isFinished = members.boolean('is_finished'),
        jsonParam = members.string('json_param'),
        nextSeq = members.uint64('next_seq'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64 {
    members.fixed('code', 0);
    members.fixed('desc', '');
  }

  /// Always 0: this SDK callback reports no code.
  int get code => 0;

  /// Always "".
  String get desc => '';

  /// True when the list is complete.
  final bool isFinished;

  /// The SDK's list of group members who read the message. It is the SDK's JSON
  /// text. [decodedJsonParam] decodes it. Empty when the SDK gave none.
  final String jsonParam;

  /// Where the next page starts. Above 2^63 - 1 it is negative, with the same
  /// 64 bits: `BigInt.from(nextSeq).toUnsigned(64)` is the value.
  final int nextSeq;

  /// The text given to `DartGetGroupMessageReadMemberList`.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonParam] decoded, or null when it is empty.
  Object? get decodedJsonParam => _decodeDocument(jsonParam);

  @override
  String get callback => _completionCallback;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'code': code,
        'desc': desc,
        'is_finished': isFinished,
        'json_param': jsonParam,
        'next_seq': nextSeq,
        'user_data': userData,
      };
}

/// Stands in for an envelope that no port accepted, neither as text nor in
/// base64, or that could not be built (out of memory): it keeps the lost
/// envelope's routing members, its payload is gone.
///
/// Routing tells it by its members, never by [code]: a completion whose SDK
/// code is 6131 is a [Completion].
final class ErrorEnvelope extends Envelope {
  ErrorEnvelope._readLostCompletion(EnvelopeReader reader)
      : callbackType = null,
        userData = reader.string(_lostCompletionMembers),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ErrorEnvelope._readLostEvent(EnvelopeReader reader, int this.callbackType)
      : userData = reader.string(_lostEventMembers),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ErrorEnvelope._from(EnvelopeMembers members, this.callbackType)
      : userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64 {
    members.fixed('code', 6131);
    members.fixed('desc', 'IM ffi data error');
  }

  /// The lost event's number; null for a lost completion.
  final int? callbackType;

  /// The lost envelope's.
  @override
  final String userData;

  /// Always 6131.
  int get code => 6131;

  /// Always "IM ffi data error".
  String get desc => 'IM ffi data error';

  @override
  final bool arrivedAsBase64;

  /// The lost envelope's: "apiCallback" or "globalCallback".
  @override
  String get callback =>
      callbackType == null ? _completionCallback : _eventCallback;

  /// Whether it stands for a completion: that call has ended, with
  /// code 6131.
  bool get standsForCompletion => callbackType == null;

  /// Whether it stands for an event, which is lost.
  bool get standsForEvent => callbackType != null;

  /// The kind of the lost event; null for a lost completion.
  EventKind? get lostEventKind => switch (callbackType) {
        null => null,
        final type => eventKinds[type],
      };

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': callbackType,
        'code': code,
        'desc': desc,
        'user_data': userData,
      };
}

/// The connection to the server changed state; [status] is the SDK's
/// `ZelNetworkStatus`, [code] and [desc] say why.
///
/// Event 0, registered by `DartSetNetworkStatusListenerCallback` (the SDK's
/// `ZelSetNetworkStatusListenerCallback`).
final class NetworkStatusListenerEvent extends Event {
  NetworkStatusListenerEvent._read(EnvelopeReader reader)
      : code = reader.int32(',"code":'),
        desc = reader.string(',"desc":'),
        status = reader.int32(',"status":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  NetworkStatusListenerEvent._from(EnvelopeMembers members)
      : status = members.int32('status'),
        code = members.int32('code'),
        desc = members.string('desc'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 0;

  /// The "status" member, an int32.
  final int status;

  /// The "code" member, an int32.
  final int code;

  /// The "desc" member.
  final String desc;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'code': code,
        'desc': desc,
        'status': status,
        'user_data': userData,
      };
}

/// The same user logged in elsewhere and this login was ended.
///
/// Event 1, registered by `DartSetKickedOfflineCallback` (the SDK's
/// `ZelSetKickedOfflineCallback`).
final class KickedOfflineEvent extends Event {
  KickedOfflineEvent._read(EnvelopeReader reader)
      : userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  KickedOfflineEvent._from(EnvelopeMembers members)
      : userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 1;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'user_data': userData,
      };
}

/// The user's login signature expired.
///
/// Event 2, registered by `DartSetUserSigExpiredCallback` (the SDK's
/// `ZelSetUserSigExpiredCallback`).
final class UserSigExpiredEvent extends Event {
  UserSigExpiredEvent._read(EnvelopeReader reader)
      : userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  UserSigExpiredEvent._from(EnvelopeMembers members)
      : userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 2;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'user_data': userData,
      };
}

/// The logged-in user's own profile changed.
///
/// Event 3, registered by `DartSetSelfInfoUpdatedCallback` (the SDK's
/// `ZelSetSelfInfoUpdatedCallback`).
final class SelfInfoUpdatedEvent extends Event {
  SelfInfoUpdatedEvent._read(EnvelopeReader reader)
      : jsonUserProfile = reader.string(',"json_user_profile":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SelfInfoUpdatedEvent._from(EnvelopeMembers members)
      : jsonUserProfile = members.string('json_user_profile'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 3;

  /// The "json_user_profile" member: the SDK's JSON text.
  /// [decodedJsonUserProfile] decodes it. Empty when the SDK gave none.
  final String jsonUserProfile;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserProfile] decoded, or null when it is empty.
  Object? get decodedJsonUserProfile => _decodeDocument(jsonUserProfile);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_user_profile': jsonUserProfile,
        'user_data': userData,
      };
}

/// The status of users the app subscribed to changed.
///
/// Event 4, registered by `DartSetUserStatusChangedCallback` (the SDK's
/// `ZelSetUserStatusChangedCallback`).
final class UserStatusChangedEvent extends Event {
  UserStatusChangedEvent._read(EnvelopeReader reader)
      : jsonUserStatusArray = reader.string(',"json_user_status_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  UserStatusChangedEvent._from(EnvelopeMembers members)
      : jsonUserStatusArray = members.string('json_user_status_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 4;

  /// The "json_user_status_array" member: the SDK's JSON text.
  /// [decodedJsonUserStatusArray] decodes it. Empty when the SDK gave none.
  final String jsonUserStatusArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserStatusArray] decoded, or null when it is empty.
  Object? get decodedJsonUserStatusArray =>
      _decodeDocument(jsonUserStatusArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_user_status_array': jsonUserStatusArray,
        'user_data': userData,
      };
}

/// The profiles of users the app subscribed to changed.
///
/// Event 5, registered by `DartSetUserInfoChangedCallback` (the SDK's
/// `ZelSetUserInfoChangedCallback`).
final class UserInfoChangedEvent extends Event {
  UserInfoChangedEvent._read(EnvelopeReader reader)
      : jsonUserInfoArray = reader.string(',"json_user_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  UserInfoChangedEvent._from(EnvelopeMembers members)
      : jsonUserInfoArray = members.string('json_user_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 5;

  /// The "json_user_info_array" member: the SDK's JSON text.
  /// [decodedJsonUserInfoArray] decodes it. Empty when the SDK gave none.
  final String jsonUserInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserInfoArray] decoded, or null when it is empty.
  Object? get decodedJsonUserInfoArray => _decodeDocument(jsonUserInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_user_info_array': jsonUserInfoArray,
        'user_data': userData,
      };
}

/// The SDK wrote a log line; [level] is its `ZelLogLevel`. Lines containing "im
/// ffi: " (the bridge's own) are never posted.
///
/// Event 6, registered by `DartSetLogCallback` (the SDK's `ZelSetLogCallback`).
final class LogEvent extends Event {
  LogEvent._read(EnvelopeReader reader)
      : level = reader.int32(',"level":'),
        log = reader.string(',"log":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  LogEvent._from(EnvelopeMembers members)
      : level = members.int32('level'),
        log = members.string('log'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 6;

  /// The "level" member, an int32.
  final int level;

  /// The "log" member.
  final String log;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'level': level,
        'log': log,
        'user_data': userData,
      };
}

/// New messages arrived.
///
/// Event 7, registered by `DartAddReceiveNewMsgCallback` (the SDK's
/// `ZelAddRecvNewMsgCallback`).
final class ReceiveNewMsgEvent extends Event {
  ReceiveNewMsgEvent._read(EnvelopeReader reader)
      : jsonMsgArray = reader.string(',"json_msg_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ReceiveNewMsgEvent._from(EnvelopeMembers members)
      : jsonMsgArray = members.string('json_msg_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 7;

  /// The "json_msg_array" member: the SDK's JSON text. [decodedJsonMsgArray]
  /// decodes it. Empty when the SDK gave none.
  final String jsonMsgArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsgArray] decoded, or null when it is empty.
  Object? get decodedJsonMsgArray => _decodeDocument(jsonMsgArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_msg_array': jsonMsgArray,
        'user_data': userData,
      };
}

/// An element of a message being sent was partly uploaded: [curSize] of
/// [totalSize].
///
/// Event 8, registered by `DartSetMsgElemUploadProgressCallback` (the SDK's
/// `ZelSetMsgElemUploadProgressCallback`).
final class MsgElemUploadProgressEvent extends Event {
  MsgElemUploadProgressEvent._read(EnvelopeReader reader)
      : curSize = reader.uint32(',"cur_size":'),
        index = reader.uint32(',"index":'),
        jsonMsg = reader.string(',"json_msg":'),
        totalSize = reader.uint32(',"total_size":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgElemUploadProgressEvent._from(EnvelopeMembers members)
      : index = members.uint32('index'),
        curSize = members.uint32('cur_size'),
        totalSize = members.uint32('total_size'),
        jsonMsg = members.string('json_msg'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 8;

  /// The "index" member, a uint32.
  final int index;

  /// The "cur_size" member, a uint32.
  final int curSize;

  /// The "total_size" member, a uint32.
  final int totalSize;

  /// The "json_msg" member: the SDK's JSON text. [decodedJsonMsg] decodes it.
  /// Empty when the SDK gave none.
  final String jsonMsg;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsg] decoded, or null when it is empty.
  Object? get decodedJsonMsg => _decodeDocument(jsonMsg);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'cur_size': curSize,
        'index': index,
        'json_msg': jsonMsg,
        'total_size': totalSize,
        'user_data': userData,
      };
}

/// Read receipts for sent messages arrived.
///
/// Event 9, registered by `DartSetMsgReadReceiptCallback` (the SDK's
/// `ZelSetMsgReadedReceiptCallback`).
final class MsgReadReceiptEvent extends Event {
  MsgReadReceiptEvent._read(EnvelopeReader reader)
      : jsonMsgReadReceiptArray =
            reader.string(',"json_msg_read_receipt_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgReadReceiptEvent._from(EnvelopeMembers members)
      : jsonMsgReadReceiptArray = members.string('json_msg_read_receipt_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 9;

  /// The "json_msg_read_receipt_array" member: the SDK's JSON text.
  /// [decodedJsonMsgReadReceiptArray] decodes it. Empty when the SDK gave none.
  final String jsonMsgReadReceiptArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsgReadReceiptArray] decoded, or null when it is empty.
  Object? get decodedJsonMsgReadReceiptArray =>
      _decodeDocument(jsonMsgReadReceiptArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_msg_read_receipt_array': jsonMsgReadReceiptArray,
        'user_data': userData,
      };
}

/// Messages were revoked.
///
/// Event 10, registered by `DartSetMsgRevokeCallback` (the SDK's
/// `ZelSetMsgRevokeCallback`).
final class MsgRevokeEvent extends Event {
  MsgRevokeEvent._read(EnvelopeReader reader)
      : jsonMsgLocatorArray = reader.string(',"json_msg_locator_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgRevokeEvent._from(EnvelopeMembers members)
      : jsonMsgLocatorArray = members.string('json_msg_locator_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 10;

  /// The "json_msg_locator_array" member: the SDK's JSON text.
  /// [decodedJsonMsgLocatorArray] decodes it. Empty when the SDK gave none.
  final String jsonMsgLocatorArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsgLocatorArray] decoded, or null when it is empty.
  Object? get decodedJsonMsgLocatorArray =>
      _decodeDocument(jsonMsgLocatorArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_msg_locator_array': jsonMsgLocatorArray,
        'user_data': userData,
      };
}

/// Messages were modified.
///
/// Event 11, registered by `DartSetMsgUpdateCallback` (the SDK's
/// `ZelSetMsgUpdateCallback`).
final class MsgUpdateEvent extends Event {
  MsgUpdateEvent._read(EnvelopeReader reader)
      : jsonMsgArray = reader.string(',"json_msg_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgUpdateEvent._from(EnvelopeMembers members)
      : jsonMsgArray = members.string('json_msg_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 11;

  /// The "json_msg_array" member: the SDK's JSON text. [decodedJsonMsgArray]
  /// decodes it. Empty when the SDK gave none.
  final String jsonMsgArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsgArray] decoded, or null when it is empty.
  Object? get decodedJsonMsgArray => _decodeDocument(jsonMsgArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_msg_array': jsonMsgArray,
        'user_data': userData,
      };
}

/// Extensions of a message were added or changed.
///
/// Event 12, registered by `DartSetMsgExtensionsChangedCallback` (the SDK's
/// `ZelSetMsgExtensionsChangedCallback`).
final class MsgExtensionsChangedEvent extends Event {
  MsgExtensionsChangedEvent._read(EnvelopeReader reader)
      : messageExtensionArray = reader.string(',"message_extension_array":'),
        messageId = reader.string(',"message_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgExtensionsChangedEvent._from(EnvelopeMembers members)
      : messageId = members.string('message_id'),
        messageExtensionArray = members.string('message_extension_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 12;

  /// The "message_id" member.
  final String messageId;

  /// The "message_extension_array" member: the SDK's JSON text.
  /// [decodedMessageExtensionArray] decodes it. Empty when the SDK gave none.
  final String messageExtensionArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [messageExtensionArray] decoded, or null when it is empty.
  Object? get decodedMessageExtensionArray =>
      _decodeDocument(messageExtensionArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'message_extension_array': messageExtensionArray,
        'message_id': messageId,
        'user_data': userData,
      };
}

/// Extensions of a message were deleted.
///
/// Event 13, registered by `DartSetMsgExtensionsDeletedCallback` (the SDK's
/// `ZelSetMsgExtensionsDeletedCallback`).
final class MsgExtensionsDeletedEvent extends Event {
  MsgExtensionsDeletedEvent._read(EnvelopeReader reader)
      : messageExtensionKeyArray =
            reader.string(',"message_extension_key_array":'),
        messageId = reader.string(',"message_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgExtensionsDeletedEvent._from(EnvelopeMembers members)
      : messageId = members.string('message_id'),
        messageExtensionKeyArray =
            members.string('message_extension_key_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 13;

  /// The "message_id" member.
  final String messageId;

  /// The "message_extension_key_array" member: the SDK's JSON text.
  /// [decodedMessageExtensionKeyArray] decodes it. Empty when the SDK gave
  /// none.
  final String messageExtensionKeyArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [messageExtensionKeyArray] decoded, or null when it is empty.
  Object? get decodedMessageExtensionKeyArray =>
      _decodeDocument(messageExtensionKeyArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'message_extension_key_array': messageExtensionKeyArray,
        'message_id': messageId,
        'user_data': userData,
      };
}

/// Reactions to messages changed.
///
/// Event 14, registered by `DartSetMsgReactionsChangedCallback` (the SDK's
/// `ZelSetMsgReactionsChangedCallback`).
final class MsgReactionsChangedEvent extends Event {
  MsgReactionsChangedEvent._read(EnvelopeReader reader)
      : messageReactionChangeInfoArray =
            reader.string(',"message_reaction_change_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgReactionsChangedEvent._from(EnvelopeMembers members)
      : messageReactionChangeInfoArray =
            members.string('message_reaction_change_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 14;

  /// The "message_reaction_change_info_array" member: the SDK's JSON text.
  /// [decodedMessageReactionChangeInfoArray] decodes it. Empty when the SDK
  /// gave none.
  final String messageReactionChangeInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [messageReactionChangeInfoArray] decoded, or null when it is empty.
  Object? get decodedMessageReactionChangeInfoArray =>
      _decodeDocument(messageReactionChangeInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'message_reaction_change_info_array': messageReactionChangeInfoArray,
        'user_data': userData,
      };
}

/// The option for receiving all messages changed.
///
/// Event 15, registered by `DartSetMsgAllMessageReceiveOptionCallback` (the
/// SDK's `ZelSetMsgAllMessageReceiveOptionCallback`).
final class MsgAllMessageReceiveOptionEvent extends Event {
  MsgAllMessageReceiveOptionEvent._read(EnvelopeReader reader)
      : jsonReceiveMessageOptionInfo =
            reader.string(',"json_receive_message_option_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgAllMessageReceiveOptionEvent._from(EnvelopeMembers members)
      : jsonReceiveMessageOptionInfo =
            members.string('json_receive_message_option_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 15;

  /// The "json_receive_message_option_info" member: the SDK's JSON text.
  /// [decodedJsonReceiveMessageOptionInfo] decodes it. Empty when the SDK gave
  /// none.
  final String jsonReceiveMessageOptionInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonReceiveMessageOptionInfo] decoded, or null when it is empty.
  Object? get decodedJsonReceiveMessageOptionInfo =>
      _decodeDocument(jsonReceiveMessageOptionInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_receive_message_option_info': jsonReceiveMessageOptionInfo,
        'user_data': userData,
      };
}

/// A message was pinned ([isPinned] true) or unpinned in a group by [opUser].
///
/// Event 16, registered by `DartSetMsgGroupPinnedMessageChangedCallback` (the
/// SDK's `ZelSetMsgGroupPinnedMessageChangedCallback`).
final class MsgGroupPinnedMessageChangedEvent extends Event {
  MsgGroupPinnedMessageChangedEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        isPinned = reader.boolean(',"is_pinned":'),
        jsonMsg = reader.string(',"json_msg":'),
        opUser = reader.string(',"op_user":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgGroupPinnedMessageChangedEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        isPinned = members.boolean('is_pinned'),
        opUser = members.string('op_user'),
        jsonMsg = members.string('json_msg'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 16;

  /// The "group_id" member.
  final String groupId;

  /// The "is_pinned" member.
  final bool isPinned;

  /// The "op_user" member.
  final String opUser;

  /// The "json_msg" member: the SDK's JSON text. [decodedJsonMsg] decodes it.
  /// Empty when the SDK gave none.
  final String jsonMsg;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonMsg] decoded, or null when it is empty.
  Object? get decodedJsonMsg => _decodeDocument(jsonMsg);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'is_pinned': isPinned,
        'json_msg': jsonMsg,
        'op_user': opUser,
        'user_data': userData,
      };
}

/// Something happened in a group: members joined, left or were removed, the
/// group's details changed.
///
/// Event 17, registered by `DartSetGroupTipsEventCallback` (the SDK's
/// `ZelSetGroupTipsEventCallback`).
final class GroupTipsEvent extends Event {
  GroupTipsEvent._read(EnvelopeReader reader)
      : jsonGroupTip = reader.string(',"json_group_tip":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  GroupTipsEvent._from(EnvelopeMembers members)
      : jsonGroupTip = members.string('json_group_tip'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 17;

  /// The "json_group_tip" member: the SDK's JSON text. [decodedJsonGroupTip]
  /// decodes it. Empty when the SDK gave none.
  final String jsonGroupTip;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonGroupTip] decoded, or null when it is empty.
  Object? get decodedJsonGroupTip => _decodeDocument(jsonGroupTip);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_group_tip': jsonGroupTip,
        'user_data': userData,
      };
}

/// A group's attributes changed.
///
/// Event 18, registered by `DartSetGroupAttributeChangedCallback` (the SDK's
/// `ZelSetGroupAttributeChangedCallback`).
final class GroupAttributeChangedEvent extends Event {
  GroupAttributeChangedEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonGroupAttributeArray =
            reader.string(',"json_group_attribute_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  GroupAttributeChangedEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonGroupAttributeArray = members.string('json_group_attribute_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 18;

  /// The "group_id" member.
  final String groupId;

  /// The "json_group_attribute_array" member: the SDK's JSON text.
  /// [decodedJsonGroupAttributeArray] decodes it. Empty when the SDK gave none.
  final String jsonGroupAttributeArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonGroupAttributeArray] decoded, or null when it is empty.
  Object? get decodedJsonGroupAttributeArray =>
      _decodeDocument(jsonGroupAttributeArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_group_attribute_array': jsonGroupAttributeArray,
        'user_data': userData,
      };
}

/// A group counter changed to a new value.
///
/// Event 19, registered by `DartSetGroupCounterChangedCallback` (the SDK's
/// `ZelSetGroupCounterChangedCallback`).
final class GroupCounterChangedEvent extends Event {
  GroupCounterChangedEvent._read(EnvelopeReader reader)
      : groupCounterKey = reader.string(',"group_counter_key":'),
        groupCounterNewValue = reader.int64(',"group_counter_new_value":'),
        groupId = reader.string(',"group_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  GroupCounterChangedEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        groupCounterKey = members.string('group_counter_key'),
        groupCounterNewValue = members.int64('group_counter_new_value'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 19;

  /// The "group_id" member.
  final String groupId;

  /// The "group_counter_key" member.
  final String groupCounterKey;

  /// The "group_counter_new_value" member, an int64.
  final int groupCounterNewValue;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_counter_key': groupCounterKey,
        'group_counter_new_value': groupCounterNewValue,
        'group_id': groupId,
        'user_data': userData,
      };
}

/// A topic was created in a community.
///
/// Event 20, registered by `DartSetCommunityCreateTopicCallback` (the SDK's
/// `ZelSetCommunityCreateTopicCallback`).
final class CommunityCreateTopicEvent extends Event {
  CommunityCreateTopicEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        topicId = reader.string(',"topic_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityCreateTopicEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        topicId = members.string('topic_id'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 20;

  /// The "group_id" member.
  final String groupId;

  /// The "topic_id" member.
  final String topicId;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'topic_id': topicId,
        'user_data': userData,
      };
}

/// Topics of a community were deleted.
///
/// Event 21, registered by `DartSetCommunityDeleteTopicCallback` (the SDK's
/// `ZelSetCommunityDeleteTopicCallback`).
final class CommunityDeleteTopicEvent extends Event {
  CommunityDeleteTopicEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        topicIdArray = reader.string(',"topic_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityDeleteTopicEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        topicIdArray = members.string('topic_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 21;

  /// The "group_id" member.
  final String groupId;

  /// The "topic_id_array" member: the SDK's JSON text. [decodedTopicIdArray]
  /// decodes it.
  final String topicIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [topicIdArray] decoded, or null when it is empty.
  Object? get decodedTopicIdArray => _decodeDocument(topicIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'topic_id_array': topicIdArray,
        'user_data': userData,
      };
}

/// A topic's details changed.
///
/// Event 22, registered by `DartSetCommunityChangeTopicInfoCallback` (the SDK's
/// `ZelSetCommunityChangeTopicInfoCallback`).
final class CommunityChangeTopicInfoEvent extends Event {
  CommunityChangeTopicInfoEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        topicInfo = reader.string(',"topic_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityChangeTopicInfoEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        topicInfo = members.string('topic_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 22;

  /// The "group_id" member.
  final String groupId;

  /// The "topic_info" member: the SDK's JSON text. [decodedTopicInfo] decodes
  /// it. Empty when the SDK gave none.
  final String topicInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [topicInfo] decoded, or null when it is empty.
  Object? get decodedTopicInfo => _decodeDocument(topicInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'topic_info': topicInfo,
        'user_data': userData,
      };
}

/// Custom data for a topic arrived from the server's REST interface.
///
/// Event 23, registered by `DartSetCommunityReceiveTopicRESTCustomDataCallback`
/// (the SDK's `ZelSetCommunityReceiveTopicRESTCustomDataCallback`).
final class CommunityReceiveTopicRestCustomDataEvent extends Event {
  CommunityReceiveTopicRestCustomDataEvent._read(EnvelopeReader reader)
      : customData = reader.string(',"custom_data":'),
        topicId = reader.string(',"topic_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityReceiveTopicRestCustomDataEvent._from(EnvelopeMembers members)
      : topicId = members.string('topic_id'),
        customData = members.string('custom_data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 23;

  /// The "topic_id" member.
  final String topicId;

  /// The "custom_data" member.
  final String customData;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'custom_data': customData,
        'topic_id': topicId,
        'user_data': userData,
      };
}

/// A permission group was created in a community.
///
/// Event 24, registered by `DartSetCommunityCreatePermissionGroupCallback` (the
/// SDK's `ZelSetCommunityCreatePermissionGroupCallback`).
final class CommunityCreatePermissionGroupEvent extends Event {
  CommunityCreatePermissionGroupEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        permissionGroupInfo = reader.string(',"permission_group_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityCreatePermissionGroupEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        permissionGroupInfo = members.string('permission_group_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 24;

  /// The "group_id" member.
  final String groupId;

  /// The "permission_group_info" member: the SDK's JSON text.
  /// [decodedPermissionGroupInfo] decodes it. Empty when the SDK gave none.
  final String permissionGroupInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [permissionGroupInfo] decoded, or null when it is empty.
  Object? get decodedPermissionGroupInfo =>
      _decodeDocument(permissionGroupInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'permission_group_info': permissionGroupInfo,
        'user_data': userData,
      };
}

/// Permission groups were deleted.
///
/// Event 25, registered by `DartSetCommunityDeletePermissionGroupCallback` (the
/// SDK's `ZelSetCommunityDeletePermissionGroupCallback`).
final class CommunityDeletePermissionGroupEvent extends Event {
  CommunityDeletePermissionGroupEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        permissionGroupIdArray = reader.string(',"permission_group_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityDeletePermissionGroupEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        permissionGroupIdArray = members.string('permission_group_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 25;

  /// The "group_id" member.
  final String groupId;

  /// The "permission_group_id_array" member: the SDK's JSON text.
  /// [decodedPermissionGroupIdArray] decodes it.
  final String permissionGroupIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [permissionGroupIdArray] decoded, or null when it is empty.
  Object? get decodedPermissionGroupIdArray =>
      _decodeDocument(permissionGroupIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'permission_group_id_array': permissionGroupIdArray,
        'user_data': userData,
      };
}

/// A permission group's details changed.
///
/// Event 26, registered by `DartSetCommunityChangePermissionGroupInfoCallback`
/// (the SDK's `ZelSetCommunityChangePermissionGroupInfoCallback`).
final class CommunityChangePermissionGroupInfoEvent extends Event {
  CommunityChangePermissionGroupInfoEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        permissionGroupInfo = reader.string(',"permission_group_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityChangePermissionGroupInfoEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        permissionGroupInfo = members.string('permission_group_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 26;

  /// The "group_id" member.
  final String groupId;

  /// The "permission_group_info" member: the SDK's JSON text.
  /// [decodedPermissionGroupInfo] decodes it. Empty when the SDK gave none.
  final String permissionGroupInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [permissionGroupInfo] decoded, or null when it is empty.
  Object? get decodedPermissionGroupInfo =>
      _decodeDocument(permissionGroupInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'permission_group_info': permissionGroupInfo,
        'user_data': userData,
      };
}

/// Members were added to a permission group.
///
/// Event 27, registered by
/// `DartSetCommunityAddMembersToPermissionGroupCallback` (the SDK's
/// `ZelSetCommunityAddMembersToPermissionGroupCallback`).
final class CommunityAddMembersToPermissionGroupEvent extends Event {
  CommunityAddMembersToPermissionGroupEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonResult = reader.string(',"json_result":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityAddMembersToPermissionGroupEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonResult = members.string('json_result'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 27;

  /// The "group_id" member.
  final String groupId;

  /// The "json_result" member: the SDK's JSON text. [decodedJsonResult] decodes
  /// it. Empty when the SDK gave none.
  final String jsonResult;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonResult] decoded, or null when it is empty.
  Object? get decodedJsonResult => _decodeDocument(jsonResult);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_result': jsonResult,
        'user_data': userData,
      };
}

/// Members were removed from a permission group.
///
/// Event 28, registered by
/// `DartSetCommunityRemoveMembersFromPermissionGroupCallback` (the SDK's
/// `ZelSetCommunityRemoveMembersFromPermissionGroupCallback`).
final class CommunityRemoveMembersFromPermissionGroupEvent extends Event {
  CommunityRemoveMembersFromPermissionGroupEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonResult = reader.string(',"json_result":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityRemoveMembersFromPermissionGroupEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonResult = members.string('json_result'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 28;

  /// The "group_id" member.
  final String groupId;

  /// The "json_result" member: the SDK's JSON text. [decodedJsonResult] decodes
  /// it. Empty when the SDK gave none.
  final String jsonResult;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonResult] decoded, or null when it is empty.
  Object? get decodedJsonResult => _decodeDocument(jsonResult);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_result': jsonResult,
        'user_data': userData,
      };
}

/// Topic permissions were added to a permission group.
///
/// Event 29, registered by `DartSetCommunityAddTopicPermissionCallback` (the
/// SDK's `ZelSetCommunityAddTopicPermissionCallback`).
final class CommunityAddTopicPermissionEvent extends Event {
  CommunityAddTopicPermissionEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonResult = reader.string(',"json_result":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityAddTopicPermissionEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonResult = members.string('json_result'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 29;

  /// The "group_id" member.
  final String groupId;

  /// The "json_result" member: the SDK's JSON text. [decodedJsonResult] decodes
  /// it. Empty when the SDK gave none.
  final String jsonResult;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonResult] decoded, or null when it is empty.
  Object? get decodedJsonResult => _decodeDocument(jsonResult);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_result': jsonResult,
        'user_data': userData,
      };
}

/// Topic permissions were deleted from a permission group.
///
/// Event 30, registered by `DartSetCommunityDeleteTopicPermissionCallback` (the
/// SDK's `ZelSetCommunityDeleteTopicPermissionCallback`).
final class CommunityDeleteTopicPermissionEvent extends Event {
  CommunityDeleteTopicPermissionEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonResult = reader.string(',"json_result":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityDeleteTopicPermissionEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonResult = members.string('json_result'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 30;

  /// The "group_id" member.
  final String groupId;

  /// The "json_result" member: the SDK's JSON text. [decodedJsonResult] decodes
  /// it. Empty when the SDK gave none.
  final String jsonResult;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonResult] decoded, or null when it is empty.
  Object? get decodedJsonResult => _decodeDocument(jsonResult);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_result': jsonResult,
        'user_data': userData,
      };
}

/// Topic permissions of a permission group were changed.
///
/// Event 31, registered by `DartSetCommunityModifyTopicPermissionCallback` (the
/// SDK's `ZelSetCommunityModifyTopicPermissionCallback`).
final class CommunityModifyTopicPermissionEvent extends Event {
  CommunityModifyTopicPermissionEvent._read(EnvelopeReader reader)
      : groupId = reader.string(',"group_id":'),
        jsonResult = reader.string(',"json_result":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  CommunityModifyTopicPermissionEvent._from(EnvelopeMembers members)
      : groupId = members.string('group_id'),
        jsonResult = members.string('json_result'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 31;

  /// The "group_id" member.
  final String groupId;

  /// The "json_result" member: the SDK's JSON text. [decodedJsonResult] decodes
  /// it. Empty when the SDK gave none.
  final String jsonResult;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonResult] decoded, or null when it is empty.
  Object? get decodedJsonResult => _decodeDocument(jsonResult);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_id': groupId,
        'json_result': jsonResult,
        'user_data': userData,
      };
}

/// Conversations were added, changed or deleted; [convEvent] is the SDK's
/// `ZelConvEvent`.
///
/// Event 32, registered by `DartSetConvEventCallback` (the SDK's
/// `ZelSetConvEventCallback`).
final class ConvEvent extends Event {
  ConvEvent._read(EnvelopeReader reader)
      : convEvent = reader.int32(',"conv_event":'),
        jsonConvArray = reader.string(',"json_conv_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvEvent._from(EnvelopeMembers members)
      : convEvent = members.int32('conv_event'),
        jsonConvArray = members.string('json_conv_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 32;

  /// The "conv_event" member, an int32.
  final int convEvent;

  /// The "json_conv_array" member: the SDK's JSON text. [decodedJsonConvArray]
  /// decodes it. Empty when the SDK gave none.
  final String jsonConvArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonConvArray] decoded, or null when it is empty.
  Object? get decodedJsonConvArray => _decodeDocument(jsonConvArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'conv_event': convEvent,
        'json_conv_array': jsonConvArray,
        'user_data': userData,
      };
}

/// The total count of unread messages changed.
///
/// Event 33, registered by `DartSetConvTotalUnreadMessageCountChangedCallback`
/// (the SDK's `ZelSetConvTotalUnreadMessageCountChangedCallback`).
final class ConvTotalUnreadMessageCountChangedEvent extends Event {
  ConvTotalUnreadMessageCountChangedEvent._read(EnvelopeReader reader)
      : totalUnreadCount = reader.int32(',"total_unread_count":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvTotalUnreadMessageCountChangedEvent._from(EnvelopeMembers members)
      : totalUnreadCount = members.int32('total_unread_count'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 33;

  /// The "total_unread_count" member, an int32.
  final int totalUnreadCount;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'total_unread_count': totalUnreadCount,
        'user_data': userData,
      };
}

/// The unread count of a filter given to
/// `DartSubscribeUnreadMessageCountByFilter` changed.
///
/// Event 34, registered by
/// `DartSetConvUnreadMessageCountChangedByFilterCallback` (the SDK's
/// `ZelSetConvUnreadMessageCountChangedByFilterCallback`).
final class ConvUnreadMessageCountChangedByFilterEvent extends Event {
  ConvUnreadMessageCountChangedByFilterEvent._read(EnvelopeReader reader)
      : filter = reader.string(',"filter":'),
        totalUnreadCount = reader.int32(',"total_unread_count":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvUnreadMessageCountChangedByFilterEvent._from(EnvelopeMembers members)
      : filter = members.string('filter'),
        totalUnreadCount = members.int32('total_unread_count'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 34;

  /// The "filter" member: the SDK's JSON text. [decodedFilter] decodes it.
  final String filter;

  /// The "total_unread_count" member, an int32.
  final int totalUnreadCount;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [filter] decoded, or null when it is empty.
  Object? get decodedFilter => _decodeDocument(filter);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'filter': filter,
        'total_unread_count': totalUnreadCount,
        'user_data': userData,
      };
}

/// A conversation group was created.
///
/// Event 35, registered by `DartSetConvConversationGroupCreatedCallback` (the
/// SDK's `ZelSetConvConversationGroupCreatedCallback`).
final class ConvConversationGroupCreatedEvent extends Event {
  ConvConversationGroupCreatedEvent._read(EnvelopeReader reader)
      : conversationArray = reader.string(',"conversation_array":'),
        groupName = reader.string(',"group_name":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvConversationGroupCreatedEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        conversationArray = members.string('conversation_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 35;

  /// The "group_name" member.
  final String groupName;

  /// The "conversation_array" member: the SDK's JSON text.
  /// [decodedConversationArray] decodes it. Empty when the SDK gave none.
  final String conversationArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [conversationArray] decoded, or null when it is empty.
  Object? get decodedConversationArray => _decodeDocument(conversationArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'conversation_array': conversationArray,
        'group_name': groupName,
        'user_data': userData,
      };
}

/// A conversation group was deleted.
///
/// Event 36, registered by `DartSetConvConversationGroupDeletedCallback` (the
/// SDK's `ZelSetConvConversationGroupDeletedCallback`).
final class ConvConversationGroupDeletedEvent extends Event {
  ConvConversationGroupDeletedEvent._read(EnvelopeReader reader)
      : groupName = reader.string(',"group_name":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvConversationGroupDeletedEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 36;

  /// The "group_name" member.
  final String groupName;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_name': groupName,
        'user_data': userData,
      };
}

/// A conversation group was renamed.
///
/// Event 37, registered by `DartSetConvConversationGroupNameChangedCallback`
/// (the SDK's `ZelSetConvConversationGroupNameChangedCallback`).
final class ConvConversationGroupNameChangedEvent extends Event {
  ConvConversationGroupNameChangedEvent._read(EnvelopeReader reader)
      : newName = reader.string(',"new_name":'),
        oldName = reader.string(',"old_name":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvConversationGroupNameChangedEvent._from(EnvelopeMembers members)
      : oldName = members.string('old_name'),
        newName = members.string('new_name'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 37;

  /// The "old_name" member.
  final String oldName;

  /// The "new_name" member.
  final String newName;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'new_name': newName,
        'old_name': oldName,
        'user_data': userData,
      };
}

/// Conversations were added to a conversation group.
///
/// Event 38, registered by `DartSetConvConversationsAddedToGroupCallback` (the
/// SDK's `ZelSetConvConversationsAddedToGroupCallback`).
final class ConvConversationsAddedToGroupEvent extends Event {
  ConvConversationsAddedToGroupEvent._read(EnvelopeReader reader)
      : conversationArray = reader.string(',"conversation_array":'),
        groupName = reader.string(',"group_name":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvConversationsAddedToGroupEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        conversationArray = members.string('conversation_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 38;

  /// The "group_name" member.
  final String groupName;

  /// The "conversation_array" member: the SDK's JSON text.
  /// [decodedConversationArray] decodes it. Empty when the SDK gave none.
  final String conversationArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [conversationArray] decoded, or null when it is empty.
  Object? get decodedConversationArray => _decodeDocument(conversationArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'conversation_array': conversationArray,
        'group_name': groupName,
        'user_data': userData,
      };
}

/// Conversations were removed from a conversation group, for the SDK's
/// [reason].
///
/// Event 39, registered by `DartSetConvConversationsDeletedFromGroupCallback`
/// (the SDK's `ZelSetConvConversationsDeletedFromGroupCallback`).
final class ConvConversationsDeletedFromGroupEvent extends Event {
  ConvConversationsDeletedFromGroupEvent._read(EnvelopeReader reader)
      : conversationArray = reader.string(',"conversation_array":'),
        groupName = reader.string(',"group_name":'),
        reason = reader.uint32(',"reason":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ConvConversationsDeletedFromGroupEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        reason = members.uint32('reason'),
        conversationArray = members.string('conversation_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 39;

  /// The "group_name" member.
  final String groupName;

  /// The "reason" member, a uint32.
  final int reason;

  /// The "conversation_array" member: the SDK's JSON text.
  /// [decodedConversationArray] decodes it. Empty when the SDK gave none.
  final String conversationArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [conversationArray] decoded, or null when it is empty.
  Object? get decodedConversationArray => _decodeDocument(conversationArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'conversation_array': conversationArray,
        'group_name': groupName,
        'reason': reason,
        'user_data': userData,
      };
}

/// Friends were added.
///
/// Event 40, registered by `DartSetOnAddFriendCallback` (the SDK's
/// `ZelSetOnAddFriendCallback`).
final class OnAddFriendEvent extends Event {
  OnAddFriendEvent._read(EnvelopeReader reader)
      : friendInfoArray = reader.string(',"friend_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OnAddFriendEvent._from(EnvelopeMembers members)
      : friendInfoArray = members.string('friend_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 40;

  /// The "friend_info_array" member: the SDK's JSON text.
  /// [decodedFriendInfoArray] decodes it. Empty when the SDK gave none.
  final String friendInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [friendInfoArray] decoded, or null when it is empty.
  Object? get decodedFriendInfoArray => _decodeDocument(friendInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'friend_info_array': friendInfoArray,
        'user_data': userData,
      };
}

/// Friends were deleted.
///
/// Event 41, registered by `DartSetOnDeleteFriendCallback` (the SDK's
/// `ZelSetOnDeleteFriendCallback`).
final class OnDeleteFriendEvent extends Event {
  OnDeleteFriendEvent._read(EnvelopeReader reader)
      : friendIdArray = reader.string(',"friend_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OnDeleteFriendEvent._from(EnvelopeMembers members)
      : friendIdArray = members.string('friend_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 41;

  /// The "friend_id_array" member: the SDK's JSON text. [decodedFriendIdArray]
  /// decodes it.
  final String friendIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [friendIdArray] decoded, or null when it is empty.
  Object? get decodedFriendIdArray => _decodeDocument(friendIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'friend_id_array': friendIdArray,
        'user_data': userData,
      };
}

/// Friends' profiles changed.
///
/// Event 42, registered by `DartSetUpdateFriendProfileCallback` (the SDK's
/// `ZelSetUpdateFriendProfileCallback`).
final class UpdateFriendProfileEvent extends Event {
  UpdateFriendProfileEvent._read(EnvelopeReader reader)
      : friendInfoUpdateArray = reader.string(',"friend_info_update_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  UpdateFriendProfileEvent._from(EnvelopeMembers members)
      : friendInfoUpdateArray = members.string('friend_info_update_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 42;

  /// The "friend_info_update_array" member: the SDK's JSON text.
  /// [decodedFriendInfoUpdateArray] decodes it. Empty when the SDK gave none.
  final String friendInfoUpdateArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [friendInfoUpdateArray] decoded, or null when it is empty.
  Object? get decodedFriendInfoUpdateArray =>
      _decodeDocument(friendInfoUpdateArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'friend_info_update_array': friendInfoUpdateArray,
        'user_data': userData,
      };
}

/// Friend requests arrived.
///
/// Event 43, registered by `DartSetFriendAddRequestCallback` (the SDK's
/// `ZelSetFriendAddRequestCallback`).
final class FriendAddRequestEvent extends Event {
  FriendAddRequestEvent._read(EnvelopeReader reader)
      : jsonApplicationArray = reader.string(',"json_application_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendAddRequestEvent._from(EnvelopeMembers members)
      : jsonApplicationArray = members.string('json_application_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 43;

  /// The "json_application_array" member: the SDK's JSON text.
  /// [decodedJsonApplicationArray] decodes it. Empty when the SDK gave none.
  final String jsonApplicationArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonApplicationArray] decoded, or null when it is empty.
  Object? get decodedJsonApplicationArray =>
      _decodeDocument(jsonApplicationArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_application_array': jsonApplicationArray,
        'user_data': userData,
      };
}

/// Friend requests were deleted.
///
/// Event 44, registered by `DartSetFriendApplicationListDeletedCallback` (the
/// SDK's `ZelSetFriendApplicationListDeletedCallback`).
final class FriendApplicationListDeletedEvent extends Event {
  FriendApplicationListDeletedEvent._read(EnvelopeReader reader)
      : jsonUserIdArray = reader.string(',"json_user_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendApplicationListDeletedEvent._from(EnvelopeMembers members)
      : jsonUserIdArray = members.string('json_user_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 44;

  /// The "json_user_id_array" member: the SDK's JSON text.
  /// [decodedJsonUserIdArray] decodes it.
  final String jsonUserIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserIdArray] decoded, or null when it is empty.
  Object? get decodedJsonUserIdArray => _decodeDocument(jsonUserIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_user_id_array': jsonUserIdArray,
        'user_data': userData,
      };
}

/// The friend requests were marked as read.
///
/// Event 45, registered by `DartSetFriendApplicationListReadCallback` (the
/// SDK's `ZelSetFriendApplicationListReadCallback`).
final class FriendApplicationListReadEvent extends Event {
  FriendApplicationListReadEvent._read(EnvelopeReader reader)
      : userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendApplicationListReadEvent._from(EnvelopeMembers members)
      : userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 45;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'user_data': userData,
      };
}

/// Users were added to the block list.
///
/// Event 46, registered by `DartSetFriendBlackListAddedCallback` (the SDK's
/// `ZelSetFriendBlackListAddedCallback`).
final class FriendBlackListAddedEvent extends Event {
  FriendBlackListAddedEvent._read(EnvelopeReader reader)
      : jsonFriendInfoArray = reader.string(',"json_friend_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendBlackListAddedEvent._from(EnvelopeMembers members)
      : jsonFriendInfoArray = members.string('json_friend_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 46;

  /// The "json_friend_info_array" member: the SDK's JSON text.
  /// [decodedJsonFriendInfoArray] decodes it. Empty when the SDK gave none.
  final String jsonFriendInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonFriendInfoArray] decoded, or null when it is empty.
  Object? get decodedJsonFriendInfoArray =>
      _decodeDocument(jsonFriendInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_friend_info_array': jsonFriendInfoArray,
        'user_data': userData,
      };
}

/// Users were removed from the block list.
///
/// Event 47, registered by `DartSetFriendBlackListDeletedCallback` (the SDK's
/// `ZelSetFriendBlackListDeletedCallback`).
final class FriendBlackListDeletedEvent extends Event {
  FriendBlackListDeletedEvent._read(EnvelopeReader reader)
      : jsonUserIdArray = reader.string(',"json_user_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendBlackListDeletedEvent._from(EnvelopeMembers members)
      : jsonUserIdArray = members.string('json_user_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 47;

  /// The "json_user_id_array" member: the SDK's JSON text.
  /// [decodedJsonUserIdArray] decodes it.
  final String jsonUserIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserIdArray] decoded, or null when it is empty.
  Object? get decodedJsonUserIdArray => _decodeDocument(jsonUserIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_user_id_array': jsonUserIdArray,
        'user_data': userData,
      };
}

/// A friend group was created.
///
/// Event 48, registered by `DartSetFriendGroupCreatedCallback` (the SDK's
/// `ZelSetFriendGroupCreatedCallback`).
final class FriendGroupCreatedEvent extends Event {
  FriendGroupCreatedEvent._read(EnvelopeReader reader)
      : groupName = reader.string(',"group_name":'),
        jsonFriendInfoArray = reader.string(',"json_friend_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendGroupCreatedEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        jsonFriendInfoArray = members.string('json_friend_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 48;

  /// The "group_name" member.
  final String groupName;

  /// The "json_friend_info_array" member: the SDK's JSON text.
  /// [decodedJsonFriendInfoArray] decodes it. Empty when the SDK gave none.
  final String jsonFriendInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonFriendInfoArray] decoded, or null when it is empty.
  Object? get decodedJsonFriendInfoArray =>
      _decodeDocument(jsonFriendInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_name': groupName,
        'json_friend_info_array': jsonFriendInfoArray,
        'user_data': userData,
      };
}

/// Friend groups were deleted.
///
/// Event 49, registered by `DartSetFriendGroupDeletedCallback` (the SDK's
/// `ZelSetFriendGroupDeletedCallback`).
final class FriendGroupDeletedEvent extends Event {
  FriendGroupDeletedEvent._read(EnvelopeReader reader)
      : jsonGroupNameArray = reader.string(',"json_group_name_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendGroupDeletedEvent._from(EnvelopeMembers members)
      : jsonGroupNameArray = members.string('json_group_name_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 49;

  /// The "json_group_name_array" member: the SDK's JSON text.
  /// [decodedJsonGroupNameArray] decodes it. Empty when the SDK gave none.
  final String jsonGroupNameArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonGroupNameArray] decoded, or null when it is empty.
  Object? get decodedJsonGroupNameArray => _decodeDocument(jsonGroupNameArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_group_name_array': jsonGroupNameArray,
        'user_data': userData,
      };
}

/// A friend group was renamed.
///
/// Event 50, registered by `DartSetFriendGroupNameChangedCallback` (the SDK's
/// `ZelSetFriendGroupNameChangedCallback`).
final class FriendGroupNameChangedEvent extends Event {
  FriendGroupNameChangedEvent._read(EnvelopeReader reader)
      : newGroupName = reader.string(',"new_group_name":'),
        oldGroupName = reader.string(',"old_group_name":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendGroupNameChangedEvent._from(EnvelopeMembers members)
      : oldGroupName = members.string('old_group_name'),
        newGroupName = members.string('new_group_name'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 50;

  /// The "old_group_name" member.
  final String oldGroupName;

  /// The "new_group_name" member.
  final String newGroupName;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'new_group_name': newGroupName,
        'old_group_name': oldGroupName,
        'user_data': userData,
      };
}

/// Friends were added to a friend group.
///
/// Event 51, registered by `DartSetFriendsAddedToGroupCallback` (the SDK's
/// `ZelSetFriendsAddedToGroupCallback`).
final class FriendsAddedToGroupEvent extends Event {
  FriendsAddedToGroupEvent._read(EnvelopeReader reader)
      : groupName = reader.string(',"group_name":'),
        jsonFriendInfoArray = reader.string(',"json_friend_info_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendsAddedToGroupEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        jsonFriendInfoArray = members.string('json_friend_info_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 51;

  /// The "group_name" member.
  final String groupName;

  /// The "json_friend_info_array" member: the SDK's JSON text.
  /// [decodedJsonFriendInfoArray] decodes it. Empty when the SDK gave none.
  final String jsonFriendInfoArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonFriendInfoArray] decoded, or null when it is empty.
  Object? get decodedJsonFriendInfoArray =>
      _decodeDocument(jsonFriendInfoArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_name': groupName,
        'json_friend_info_array': jsonFriendInfoArray,
        'user_data': userData,
      };
}

/// Friends were removed from a friend group.
///
/// Event 52, registered by `DartSetFriendsDeletedFromGroupCallback` (the SDK's
/// `ZelSetFriendsDeletedFromGroupCallback`).
final class FriendsDeletedFromGroupEvent extends Event {
  FriendsDeletedFromGroupEvent._read(EnvelopeReader reader)
      : groupName = reader.string(',"group_name":'),
        jsonFriendIdArray = reader.string(',"json_friend_id_array":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  FriendsDeletedFromGroupEvent._from(EnvelopeMembers members)
      : groupName = members.string('group_name'),
        jsonFriendIdArray = members.string('json_friend_id_array'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 52;

  /// The "group_name" member.
  final String groupName;

  /// The "json_friend_id_array" member: the SDK's JSON text.
  /// [decodedJsonFriendIdArray] decodes it.
  final String jsonFriendIdArray;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonFriendIdArray] decoded, or null when it is empty.
  Object? get decodedJsonFriendIdArray => _decodeDocument(jsonFriendIdArray);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'group_name': groupName,
        'json_friend_id_array': jsonFriendIdArray,
        'user_data': userData,
      };
}

/// The user subscribed to an official account.
///
/// Event 53, registered by `DartSetOfficialAccountSubscribedCallback` (the
/// SDK's `ZelSetOfficialAccountSubscribedCallback`).
final class OfficialAccountSubscribedEvent extends Event {
  OfficialAccountSubscribedEvent._read(EnvelopeReader reader)
      : jsonOfficialAccountInfo =
            reader.string(',"json_official_account_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OfficialAccountSubscribedEvent._from(EnvelopeMembers members)
      : jsonOfficialAccountInfo = members.string('json_official_account_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 53;

  /// The "json_official_account_info" member: the SDK's JSON text.
  /// [decodedJsonOfficialAccountInfo] decodes it. Empty when the SDK gave none.
  final String jsonOfficialAccountInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonOfficialAccountInfo] decoded, or null when it is empty.
  Object? get decodedJsonOfficialAccountInfo =>
      _decodeDocument(jsonOfficialAccountInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_official_account_info': jsonOfficialAccountInfo,
        'user_data': userData,
      };
}

/// The user unsubscribed from an official account.
///
/// Event 54, registered by `DartSetOfficialAccountUnsubscribedCallback` (the
/// SDK's `ZelSetOfficialAccountUnsubscribedCallback`).
final class OfficialAccountUnsubscribedEvent extends Event {
  OfficialAccountUnsubscribedEvent._read(EnvelopeReader reader)
      : officialAccountId = reader.string(',"official_account_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OfficialAccountUnsubscribedEvent._from(EnvelopeMembers members)
      : officialAccountId = members.string('official_account_id'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 54;

  /// The "official_account_id" member.
  final String officialAccountId;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'official_account_id': officialAccountId,
        'user_data': userData,
      };
}

/// A subscribed official account was deleted.
///
/// Event 55, registered by `DartSetOfficialAccountDeletedCallback` (the SDK's
/// `ZelSetOfficialAccountDeletedCallback`).
final class OfficialAccountDeletedEvent extends Event {
  OfficialAccountDeletedEvent._read(EnvelopeReader reader)
      : officialAccountId = reader.string(',"official_account_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OfficialAccountDeletedEvent._from(EnvelopeMembers members)
      : officialAccountId = members.string('official_account_id'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 55;

  /// The "official_account_id" member.
  final String officialAccountId;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'official_account_id': officialAccountId,
        'user_data': userData,
      };
}

/// A subscribed official account's details changed.
///
/// Event 56, registered by `DartSetOfficialAccountInfoChangedCallback` (the
/// SDK's `ZelSetOfficialAccountInfoChangedCallback`).
final class OfficialAccountInfoChangedEvent extends Event {
  OfficialAccountInfoChangedEvent._read(EnvelopeReader reader)
      : jsonOfficialAccountInfo =
            reader.string(',"json_official_account_info":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  OfficialAccountInfoChangedEvent._from(EnvelopeMembers members)
      : jsonOfficialAccountInfo = members.string('json_official_account_info'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 56;

  /// The "json_official_account_info" member: the SDK's JSON text.
  /// [decodedJsonOfficialAccountInfo] decodes it. Empty when the SDK gave none.
  final String jsonOfficialAccountInfo;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonOfficialAccountInfo] decoded, or null when it is empty.
  Object? get decodedJsonOfficialAccountInfo =>
      _decodeDocument(jsonOfficialAccountInfo);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_official_account_info': jsonOfficialAccountInfo,
        'user_data': userData,
      };
}

/// The user followed ([isAdd] true) or unfollowed users.
///
/// Event 57, registered by `DartSetMyFollowingListChangedCallback` (the SDK's
/// `ZelSetMyFollowingListChangedCallback`).
final class MyFollowingListChangedEvent extends Event {
  MyFollowingListChangedEvent._read(EnvelopeReader reader)
      : isAdd = reader.boolean(',"is_add":'),
        jsonUserInfoList = reader.string(',"json_user_info_list":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MyFollowingListChangedEvent._from(EnvelopeMembers members)
      : isAdd = members.boolean('is_add'),
        jsonUserInfoList = members.string('json_user_info_list'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 57;

  /// The "is_add" member.
  final bool isAdd;

  /// The "json_user_info_list" member: the SDK's JSON text.
  /// [decodedJsonUserInfoList] decodes it. Empty when the SDK gave none.
  final String jsonUserInfoList;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserInfoList] decoded, or null when it is empty.
  Object? get decodedJsonUserInfoList => _decodeDocument(jsonUserInfoList);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'is_add': isAdd,
        'json_user_info_list': jsonUserInfoList,
        'user_data': userData,
      };
}

/// Users started ([isAdd] true) or stopped following the user.
///
/// Event 58, registered by `DartSetMyFollowersListChangedCallback` (the SDK's
/// `ZelSetMyFollowersListChangedCallback`).
final class MyFollowersListChangedEvent extends Event {
  MyFollowersListChangedEvent._read(EnvelopeReader reader)
      : isAdd = reader.boolean(',"is_add":'),
        jsonUserInfoList = reader.string(',"json_user_info_list":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MyFollowersListChangedEvent._from(EnvelopeMembers members)
      : isAdd = members.boolean('is_add'),
        jsonUserInfoList = members.string('json_user_info_list'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 58;

  /// The "is_add" member.
  final bool isAdd;

  /// The "json_user_info_list" member: the SDK's JSON text.
  /// [decodedJsonUserInfoList] decodes it. Empty when the SDK gave none.
  final String jsonUserInfoList;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserInfoList] decoded, or null when it is empty.
  Object? get decodedJsonUserInfoList => _decodeDocument(jsonUserInfoList);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'is_add': isAdd,
        'json_user_info_list': jsonUserInfoList,
        'user_data': userData,
      };
}

/// Users became ([isAdd] true) or stopped being mutual followers.
///
/// Event 59, registered by `DartSetMutualFollowersListChangedCallback` (the
/// SDK's `ZelSetMutualFollowersListChangedCallback`).
final class MutualFollowersListChangedEvent extends Event {
  MutualFollowersListChangedEvent._read(EnvelopeReader reader)
      : isAdd = reader.boolean(',"is_add":'),
        jsonUserInfoList = reader.string(',"json_user_info_list":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MutualFollowersListChangedEvent._from(EnvelopeMembers members)
      : isAdd = members.boolean('is_add'),
        jsonUserInfoList = members.string('json_user_info_list'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 59;

  /// The "is_add" member.
  final bool isAdd;

  /// The "json_user_info_list" member: the SDK's JSON text.
  /// [decodedJsonUserInfoList] decodes it. Empty when the SDK gave none.
  final String jsonUserInfoList;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonUserInfoList] decoded, or null when it is empty.
  Object? get decodedJsonUserInfoList => _decodeDocument(jsonUserInfoList);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'is_add': isAdd,
        'json_user_info_list': jsonUserInfoList,
        'user_data': userData,
      };
}

/// An invitation arrived; [data] is the text the inviter sent with it.
///
/// Event 60, registered by `DartSetSignalingReceiveNewInvitationCallback` (the
/// SDK's `ZelSetSignalingReceiveNewInvitationCallback`).
final class SignalingReceiveNewInvitationEvent extends Event {
  SignalingReceiveNewInvitationEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        groupId = reader.string(',"group_id":'),
        inviteId = reader.string(',"invite_id":'),
        inviter = reader.string(',"inviter":'),
        jsonInviteeList = reader.string(',"json_invitee_list":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingReceiveNewInvitationEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        inviter = members.string('inviter'),
        groupId = members.string('group_id'),
        jsonInviteeList = members.string('json_invitee_list'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 60;

  /// The "invite_id" member.
  final String inviteId;

  /// The "inviter" member.
  final String inviter;

  /// The "group_id" member.
  final String groupId;

  /// The "json_invitee_list" member: the SDK's JSON text.
  /// [decodedJsonInviteeList] decodes it.
  final String jsonInviteeList;

  /// The "data" member.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonInviteeList] decoded, or null when it is empty.
  Object? get decodedJsonInviteeList => _decodeDocument(jsonInviteeList);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'group_id': groupId,
        'invite_id': inviteId,
        'inviter': inviter,
        'json_invitee_list': jsonInviteeList,
        'user_data': userData,
      };
}

/// The inviter cancelled an invitation.
///
/// Event 61, registered by `DartSetSignalingInvitationCancelledCallback` (the
/// SDK's `ZelSetSignalingInvitationCancelledCallback`).
final class SignalingInvitationCancelledEvent extends Event {
  SignalingInvitationCancelledEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        inviteId = reader.string(',"invite_id":'),
        inviter = reader.string(',"inviter":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingInvitationCancelledEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        inviter = members.string('inviter'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 61;

  /// The "invite_id" member.
  final String inviteId;

  /// The "inviter" member.
  final String inviter;

  /// The "data" member.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'invite_id': inviteId,
        'inviter': inviter,
        'user_data': userData,
      };
}

/// An invitee accepted an invitation.
///
/// Event 62, registered by `DartSetSignalingInviteeAcceptedCallback` (the SDK's
/// `ZelSetSignalingInviteeAcceptedCallback`).
final class SignalingInviteeAcceptedEvent extends Event {
  SignalingInviteeAcceptedEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        inviteId = reader.string(',"invite_id":'),
        invitee = reader.string(',"invitee":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingInviteeAcceptedEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        invitee = members.string('invitee'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 62;

  /// The "invite_id" member.
  final String inviteId;

  /// The "invitee" member.
  final String invitee;

  /// The "data" member.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'invite_id': inviteId,
        'invitee': invitee,
        'user_data': userData,
      };
}

/// An invitee rejected an invitation.
///
/// Event 63, registered by `DartSetSignalingInviteeRejectedCallback` (the SDK's
/// `ZelSetSignalingInviteeRejectedCallback`).
final class SignalingInviteeRejectedEvent extends Event {
  SignalingInviteeRejectedEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        inviteId = reader.string(',"invite_id":'),
        invitee = reader.string(',"invitee":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingInviteeRejectedEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        invitee = members.string('invitee'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 63;

  /// The "invite_id" member.
  final String inviteId;

  /// The "invitee" member.
  final String invitee;

  /// The "data" member.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'invite_id': inviteId,
        'invitee': invitee,
        'user_data': userData,
      };
}

/// Invitees did not answer an invitation in time.
///
/// Event 64, registered by `DartSetSignalingInvitationTimeoutCallback` (the
/// SDK's `ZelSetSignalingInvitationTimeoutCallback`).
final class SignalingInvitationTimeoutEvent extends Event {
  SignalingInvitationTimeoutEvent._read(EnvelopeReader reader)
      : inviteId = reader.string(',"invite_id":'),
        jsonInviteeList = reader.string(',"json_invitee_list":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingInvitationTimeoutEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        jsonInviteeList = members.string('json_invitee_list'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 64;

  /// The "invite_id" member.
  final String inviteId;

  /// The "json_invitee_list" member: the SDK's JSON text.
  /// [decodedJsonInviteeList] decodes it.
  final String jsonInviteeList;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonInviteeList] decoded, or null when it is empty.
  Object? get decodedJsonInviteeList => _decodeDocument(jsonInviteeList);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'invite_id': inviteId,
        'json_invitee_list': jsonInviteeList,
        'user_data': userData,
      };
}

/// The inviter changed an invitation's [data].
///
/// Event 65, registered by `DartSetSignalingInvitationModifiedCallback` (the
/// SDK's `ZelSetSignalingInvitationModifiedCallback`).
final class SignalingInvitationModifiedEvent extends Event {
  SignalingInvitationModifiedEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        inviteId = reader.string(',"invite_id":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  SignalingInvitationModifiedEvent._from(EnvelopeMembers members)
      : inviteId = members.string('invite_id'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 65;

  /// The "invite_id" member.
  final String inviteId;

  /// The "data" member.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'invite_id': inviteId,
        'user_data': userData,
      };
}

/// The SDK sent an experimental notification. Those with the key
/// "OnLogCallback" are never posted (log lines are event 6).
///
/// Event 66, registered by `DartSetExperimentalNotifyCallback` (the SDK's
/// `ZelSetExperimentalNotifyCallback`).
final class ExperimentalNotifyEvent extends Event {
  ExperimentalNotifyEvent._read(EnvelopeReader reader)
      : data = reader.string(',"data":'),
        key = reader.string(',"key":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  ExperimentalNotifyEvent._from(EnvelopeMembers members)
      : key = members.string('key'),
        data = members.string('data'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 66;

  /// The "key" member. Empty when the SDK gave none.
  final String key;

  /// The "data" member. Empty when the SDK gave none.
  final String data;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'data': data,
        'key': key,
        'user_data': userData,
      };
}

/// The result of a text-to-speech request arrived.
///
/// Event 67, registered by `DartSetMsgTTSResponseCallback` (the SDK's
/// `ZelSetMsgTTSResponseCallback`).
final class MsgTtsResponseEvent extends Event {
  MsgTtsResponseEvent._read(EnvelopeReader reader)
      : jsonTtsResponse = reader.string(',"json_tts_response":'),
        userData = reader.string(',"user_data":'),
        arrivedAsBase64 = reader.arrivedAsBase64;

  MsgTtsResponseEvent._from(EnvelopeMembers members)
      : jsonTtsResponse = members.string('json_tts_response'),
        userData = members.string('user_data'),
        arrivedAsBase64 = members.arrivedAsBase64;

  /// The events' callbackType.
  static const int type = 67;

  /// The "json_tts_response" member: the SDK's JSON text.
  /// [decodedJsonTtsResponse] decodes it. Empty when the SDK gave none.
  final String jsonTtsResponse;

  /// The text given to the registration export.
  @override
  final String userData;

  @override
  final bool arrivedAsBase64;

  /// [jsonTtsResponse] decoded, or null when it is empty.
  Object? get decodedJsonTtsResponse => _decodeDocument(jsonTtsResponse);

  @override
  int get callbackType => type;

  @override
  Map<String, Object?> toJson() => {
        'callback': callback,
        'callbackType': type,
        'json_tts_response': jsonTtsResponse,
        'user_data': userData,
      };
}
