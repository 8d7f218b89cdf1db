// Generated from include/zelbridge.h, the export classes of
// docs/dart-integration.md and tools/envelopes/catalogue.py by
// tools/dart/generate.py; do not edit.

part of 'zelbridge_client.dart';

/// One method per operation export, shaped by the export's class.
mixin _Operations on _ClientCore {
  /// Calls `DartInitSDK`.
  ///
  /// The export's result; nothing completes.
  int initSdk(int sdkAppId, Object jsonSdkConfig) =>
      _initializes(
        [jsonSdkConfig],
        (t) => _bindings.DartInitSDK(sdkAppId, t[0]),
      );

  /// Calls `DartUnitSDK`.
  ///
  /// The export's result; nothing completes.
  int unitSdk() => _uninitializes([], (t) => _bindings.DartUnitSDK());

  /// Calls `DartGetSDKVersion`.
  ///
  /// The text the export returns, copied at once.
  String getSdkVersion() =>
      _returnsText([], (t) => _bindings.DartGetSDKVersion());

  /// Calls `DartGetServerTime`.
  ///
  /// The export's result; nothing completes.
  int getServerTime() =>
      _neverCompletes([], (t) => _bindings.DartGetServerTime());

  /// Calls `DartSetConfig`.
  ///
  /// The export's result; nothing completes.
  int setConfig(Object jsonConfig) =>
      _neverCompletesWithUserData(
        [jsonConfig],
        (t, userData) => _bindings.DartSetConfig(t[0], userData),
      );

  /// Calls `DartLogin`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> login(String userId, String userSig) =>
      _completesOnce(
        [userId, userSig],
        (t, userData) => _bindings.DartLogin(t[0], t[1], userData),
      );

  /// Calls `DartLogout`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> logout() =>
      _completesOnce([], (t, userData) => _bindings.DartLogout(userData));

  /// Calls `DartGetLoginUserID`.
  ///
  /// The text the export returns, copied at once.
  String getLoginUserId() =>
      _returnsText([], (t) => _bindings.DartGetLoginUserID());

  /// Calls `DartGetLoginStatus`.
  ///
  /// The export's result; nothing completes.
  int getLoginStatus() =>
      _neverCompletes([], (t) => _bindings.DartGetLoginStatus());

  /// Calls `DartGetUsersInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getUsersInfo(Object jsonGetUserProfileListParam) =>
      _completesOnce(
        [jsonGetUserProfileListParam],
        (t, userData) => _bindings.DartGetUsersInfo(t[0], userData),
      );

  /// Calls `DartSetSelfInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setSelfInfo(Object jsonModifySelfUserProfileParam) =>
      _completesOnce(
        [jsonModifySelfUserProfileParam],
        (t, userData) => _bindings.DartSetSelfInfo(t[0], userData),
      );

  /// Calls `DartSubscribeUserInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> subscribeUserInfo(Object jsonUserIdList) =>
      _completesOnce(
        [jsonUserIdList],
        (t, userData) => _bindings.DartSubscribeUserInfo(t[0], userData),
      );

  /// Calls `DartUnsubscribeUserInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> unsubscribeUserInfo(Object jsonUserIdList) =>
      _completesOnce(
        [jsonUserIdList],
        (t, userData) => _bindings.DartUnsubscribeUserInfo(t[0], userData),
      );

  /// Calls `DartSearchUsers`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchUsers(Object jsonSearchUserParam) =>
      _completesOnce(
        [jsonSearchUserParam],
        (t, userData) => _bindings.DartSearchUsers(t[0], userData),
      );

  /// Calls `DartGetUserStatus`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getUserStatus(Object jsonUserIdList) =>
      _completesOnce(
        [jsonUserIdList],
        (t, userData) => _bindings.DartGetUserStatus(t[0], userData),
      );

  /// Calls `DartSetSelfStatus`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setSelfStatus(Object jsonUserStatus) =>
      _completesOnce(
        [jsonUserStatus],
        (t, userData) => _bindings.DartSetSelfStatus(t[0], userData),
      );

  /// Calls `DartSubscribeUserStatus`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> subscribeUserStatus(Object jsonUserIdList) =>
      _completesOnce(
        [jsonUserIdList],
        (t, userData) => _bindings.DartSubscribeUserStatus(t[0], userData),
      );

  /// Calls `DartUnsubscribeUserStatus`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> unsubscribeUserStatus(Object jsonUserIdList) =>
      _completesOnce(
        [jsonUserIdList],
        (t, userData) => _bindings.DartUnsubscribeUserStatus(t[0], userData),
      );

  /// Calls `DartSendMessage`.
  ///
  /// The text the export returns, copied at once, and the completion of the
  /// operation, as for an operation that completes once.
  ReturnedText sendMessage(String convId, int convType, Object jsonMsgParam) =>
      _returnsTextAndCompletes(
        [convId, jsonMsgParam],
        (t, userData) => _bindings.DartSendMessage(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartDownloadElemToPath`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> downloadElemToPath(
    Object jsonDownloadElemParam,
    String path,
  ) =>
      _completesOnce(
        [jsonDownloadElemParam, path],
        (t, userData) => _bindings.DartDownloadElemToPath(t[0], t[1], userData),
      );

  /// Calls `DartDownloadMergerMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> downloadMergerMessage(Object jsonSingleMsg) =>
      _completesOnce(
        [jsonSingleMsg],
        (t, userData) => _bindings.DartDownloadMergerMessage(t[0], userData),
      );

  /// Calls `DartSetLocalCustomData`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setLocalCustomData(Object jsonMsgParam) =>
      _completesOnce(
        [jsonMsgParam],
        (t, userData) => _bindings.DartSetLocalCustomData(t[0], userData),
      );

  /// Calls `DartGetHistoryMessageList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getHistoryMessageList(
    String convId,
    int convType,
    Object jsonGetMsgParam,
  ) =>
      _completesOnce(
        [convId, jsonGetMsgParam],
        (t, userData) => _bindings.DartGetHistoryMessageList(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetMessageList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMessageList(
    String convId,
    int convType,
    Object jsonGetMsgParam,
  ) =>
      _completesOnce(
        [convId, jsonGetMsgParam],
        (t, userData) => _bindings.DartGetMessageList(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartSetC2CReceiveMessageOpt`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setC2CReceiveMessageOpt(
    Object jsonIdentifierArray,
    int opt,
  ) =>
      _completesOnce(
        [jsonIdentifierArray],
        (t, userData) => _bindings.DartSetC2CReceiveMessageOpt(
          t[0],
          opt,
          userData,
        ),
      );

  /// Calls `DartGetC2CReceiveMessageOpt`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getC2CReceiveMessageOpt(Object jsonIdentifierArray) =>
      _completesOnce(
        [jsonIdentifierArray],
        (t, userData) => _bindings.DartGetC2CReceiveMessageOpt(t[0], userData),
      );

  /// Calls `DartSetGroupReceiveMessageOpt`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setGroupReceiveMessageOpt(String groupId, int opt) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartSetGroupReceiveMessageOpt(
          t[0],
          opt,
          userData,
        ),
      );

  /// Calls `DartSetAllReceiveMessageOpt`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setAllReceiveMessageOpt(
    int opt,
    int startHour,
    int startMinute,
    int startSecond,
    int durationSeconds,
  ) =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartSetAllReceiveMessageOpt(
          opt,
          startHour,
          startMinute,
          startSecond,
          durationSeconds,
          userData,
        ),
      );

  /// Calls `DartSetAllReceiveMessageOpt2`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setAllReceiveMessageOpt2(
    int opt,
    int startTimeStamp,
    int durationSeconds,
  ) =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartSetAllReceiveMessageOpt2(
          opt,
          startTimeStamp,
          durationSeconds,
          userData,
        ),
      );

  /// Calls `DartGetAllReceiveMessageOpt`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getAllReceiveMessageOpt() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetAllReceiveMessageOpt(userData),
      );

  /// Calls `DartRevokeMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> revokeMessage(
    String convId,
    int convType,
    Object jsonMsgParam,
  ) =>
      _completesOnce(
        [convId, jsonMsgParam],
        (t, userData) => _bindings.DartRevokeMessage(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartModifyMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyMessage(Object jsonMsgParam) =>
      _completesOnce(
        [jsonMsgParam],
        (t, userData) => _bindings.DartModifyMessage(t[0], userData),
      );

  /// Calls `DartDeleteMessageFromLocalStorage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteMessageFromLocalStorage(
    String convId,
    int convType,
    Object jsonMsgdelParam,
  ) =>
      _completesOnce(
        [convId, jsonMsgdelParam],
        (t, userData) => _bindings.DartDeleteMessageFromLocalStorage(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartDeleteMessages`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteMessages(
    String convId,
    int convType,
    Object jsonMsgArray,
  ) =>
      _completesOnce(
        [convId, jsonMsgArray],
        (t, userData) => _bindings.DartDeleteMessages(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartClearHistoryMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> clearHistoryMessage(String convId, int convType) =>
      _completesOnce(
        [convId],
        (t, userData) => _bindings.DartClearHistoryMessage(
          t[0],
          convType,
          userData,
        ),
      );

  /// Calls `DartSaveMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> saveMessage(
    String convId,
    int convType,
    Object jsonMsgParam,
  ) =>
      _completesOnce(
        [convId, jsonMsgParam],
        (t, userData) => _bindings.DartSaveMessage(
          t[0],
          convType,
          t[1],
          userData,
        ),
      );

  /// Calls `DartFindMessages`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> findMessages(Object jsonMessageIdArray) =>
      _completesOnce(
        [jsonMessageIdArray],
        (t, userData) => _bindings.DartFindMessages(t[0], userData),
      );

  /// Calls `DartSearchLocalMessages`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchLocalMessages(Object jsonSearchMessageParam) =>
      _completesOnce(
        [jsonSearchMessageParam],
        (t, userData) => _bindings.DartSearchLocalMessages(t[0], userData),
      );

  /// Calls `DartSearchCloudMessages`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchCloudMessages(Object jsonSearchMessageParam) =>
      _completesOnce(
        [jsonSearchMessageParam],
        (t, userData) => _bindings.DartSearchCloudMessages(t[0], userData),
      );

  /// Calls `DartSendMessageReadReceipts`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> sendMessageReadReceipts(Object jsonMsgArray) =>
      _completesOnce(
        [jsonMsgArray],
        (t, userData) => _bindings.DartSendMessageReadReceipts(t[0], userData),
      );

  /// Calls `DartGetMessageReadReceipts`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMessageReadReceipts(Object jsonMsgArray) =>
      _completesOnce(
        [jsonMsgArray],
        (t, userData) => _bindings.DartGetMessageReadReceipts(t[0], userData),
      );

  /// Calls `DartGetGroupMessageReadMemberList`.
  ///
  /// The SDK's completions, one page each, until the one with `isFinished`;
  /// the stream then ends.
  Stream<ReadMemberCompletion> getGroupMessageReadMemberList(
    Object jsonMsg,
    int filter,
    int nextSeq,
    int count,
  ) =>
      _readMembers(
        [jsonMsg],
        (t, userData) => _bindings.DartGetGroupMessageReadMemberList(
          t[0],
          filter,
          nextSeq,
          count,
          userData,
        ),
      );

  /// Calls `DartSetMessageExtensions`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setMessageExtensions(
    Object jsonMsg,
    Object jsonExtensionArray,
  ) =>
      _completesOnce(
        [jsonMsg, jsonExtensionArray],
        (t, userData) => _bindings.DartSetMessageExtensions(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetMessageExtensions`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMessageExtensions(Object jsonMsg) =>
      _completesOnce(
        [jsonMsg],
        (t, userData) => _bindings.DartGetMessageExtensions(t[0], userData),
      );

  /// Calls `DartDeleteMessageExtensions`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteMessageExtensions(
    Object jsonMsg,
    Object jsonExtensionKeyArray,
  ) =>
      _completesOnce(
        [jsonMsg, jsonExtensionKeyArray],
        (t, userData) => _bindings.DartDeleteMessageExtensions(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartAddMessageReaction`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addMessageReaction(Object jsonMsg, String reactionId) =>
      _completesOnce(
        [jsonMsg, reactionId],
        (t, userData) => _bindings.DartAddMessageReaction(t[0], t[1], userData),
      );

  /// Calls `DartRemoveMessageReaction`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> removeMessageReaction(Object jsonMsg, String reactionId) =>
      _completesOnce(
        [jsonMsg, reactionId],
        (t, userData) => _bindings.DartRemoveMessageReaction(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetMessageReactions`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMessageReactions(
    Object jsonMsgArray,
    int maxUserCountPerReaction,
  ) =>
      _completesOnce(
        [jsonMsgArray],
        (t, userData) => _bindings.DartGetMessageReactions(
          t[0],
          maxUserCountPerReaction,
          userData,
        ),
      );

  /// Calls `DartGetAllUserListOfMessageReaction`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getAllUserListOfMessageReaction(
    Object jsonMsg,
    String reactionId,
    int nextSeq,
    int count,
  ) =>
      _completesOnce(
        [jsonMsg, reactionId],
        (t, userData) => _bindings.DartGetAllUserListOfMessageReaction(
          t[0],
          t[1],
          nextSeq,
          count,
          userData,
        ),
      );

  /// Calls `DartTranslateText`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> translateText(
    Object jsonSourceTextArray,
    String sourceLanguage,
    String targetLanguage,
  ) =>
      _completesOnce(
        [jsonSourceTextArray, sourceLanguage, targetLanguage],
        (t, userData) => _bindings.DartTranslateText(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartConvertVoiceToText`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> convertVoiceToText(String url, String language) =>
      _completesOnce(
        [url, language],
        (t, userData) => _bindings.DartConvertVoiceToText(t[0], t[1], userData),
      );

  /// Calls `DartPinGroupMessage`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> pinGroupMessage(
    String groupId,
    Object jsonMsg,
    int isPinned,
  ) =>
      _completesOnce(
        [groupId, jsonMsg],
        (t, userData) => _bindings.DartPinGroupMessage(
          t[0],
          t[1],
          isPinned,
          userData,
        ),
      );

  /// Calls `DartGetPinnedGroupMessageList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getPinnedGroupMessageList(String groupId) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartGetPinnedGroupMessageList(
          t[0],
          userData,
        ),
      );

  /// Calls `DartMsgStartTTS`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> msgStartTts(
    Object jsonMsg,
    String voiceId,
    int speed,
    int volume,
  ) =>
      _completesOnce(
        [jsonMsg, voiceId],
        (t, userData) => _bindings.DartMsgStartTTS(
          t[0],
          t[1],
          speed,
          volume,
          userData,
        ),
      );

  /// Calls `DartMsgStopTTS`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> msgStopTts(Object jsonMsg, String taskId) =>
      _completesOnce(
        [jsonMsg, taskId],
        (t, userData) => _bindings.DartMsgStopTTS(t[0], t[1], userData),
      );

  /// Calls `DartMarkMessageAsRead`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> markMessageAsRead(String convId, int convType) =>
      _completesOnce(
        [convId],
        (t, userData) => _bindings.DartMarkMessageAsRead(
          t[0],
          convType,
          userData,
        ),
      );

  /// Calls `DartMarkAllMessageAsRead`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> markAllMessageAsRead() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartMarkAllMessageAsRead(userData),
      );

  /// Calls `DartSetOfflinePushToken`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setOfflinePushToken(Object jsonToken) =>
      _completesOnce(
        [jsonToken],
        (t, userData) => _bindings.DartSetOfflinePushToken(t[0], userData),
      );

  /// Calls `DartDoBackground`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> doBackground(int unreadCount) =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartDoBackground(unreadCount, userData),
      );

  /// Calls `DartDoForeground`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> doForeground() =>
      _completesOnce([], (t, userData) => _bindings.DartDoForeground(userData));

  /// Calls `DartCallExperimentalAPI`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> callExperimentalApi(Object jsonParam) =>
      _completesOnce(
        [jsonParam],
        (t, userData) => _bindings.DartCallExperimentalAPI(t[0], userData),
      );

  /// Calls `DartCreateGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createGroup(Object jsonGroupCreateParam) =>
      _completesOnce(
        [jsonGroupCreateParam],
        (t, userData) => _bindings.DartCreateGroup(t[0], userData),
      );

  /// Calls `DartDeleteGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteGroup(String groupId) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartDeleteGroup(t[0], userData),
      );

  /// Calls `DartJoinGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> joinGroup(String groupId, String helloMsg) =>
      _completesOnce(
        [groupId, helloMsg],
        (t, userData) => _bindings.DartJoinGroup(t[0], t[1], userData),
      );

  /// Calls `DartQuitGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> quitGroup(String groupId) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartQuitGroup(t[0], userData),
      );

  /// Calls `DartGetJoinedGroupList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getJoinedGroupList() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetJoinedGroupList(userData),
      );

  /// Calls `DartGetGroupsInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getGroupsInfo(Object jsonGroupIdArray) =>
      _completesOnce(
        [jsonGroupIdArray],
        (t, userData) => _bindings.DartGetGroupsInfo(t[0], userData),
      );

  /// Calls `DartSearchGroups`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchGroups(Object jsonGroupSearchParam) =>
      _completesOnce(
        [jsonGroupSearchParam],
        (t, userData) => _bindings.DartSearchGroups(t[0], userData),
      );

  /// Calls `DartSearchCloudGroups`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchCloudGroups(Object jsonGroupSearchParam) =>
      _completesOnce(
        [jsonGroupSearchParam],
        (t, userData) => _bindings.DartSearchCloudGroups(t[0], userData),
      );

  /// Calls `DartSetGroupInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setGroupInfo(Object jsonGroupModifyInfoParam) =>
      _completesOnce(
        [jsonGroupModifyInfoParam],
        (t, userData) => _bindings.DartSetGroupInfo(t[0], userData),
      );

  /// Calls `DartInitGroupAttributes`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> initGroupAttributes(
    String groupId,
    Object jsonGroupAttributes,
  ) =>
      _completesOnce(
        [groupId, jsonGroupAttributes],
        (t, userData) => _bindings.DartInitGroupAttributes(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartSetGroupAttributes`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setGroupAttributes(
    String groupId,
    Object jsonGroupAttributes,
  ) =>
      _completesOnce(
        [groupId, jsonGroupAttributes],
        (t, userData) => _bindings.DartSetGroupAttributes(t[0], t[1], userData),
      );

  /// Calls `DartDeleteGroupAttributes`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteGroupAttributes(
    String groupId,
    Object jsonKeyArray,
  ) =>
      _completesOnce(
        [groupId, jsonKeyArray],
        (t, userData) => _bindings.DartDeleteGroupAttributes(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetGroupAttributes`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getGroupAttributes(String groupId, Object jsonKeyArray) =>
      _completesOnce(
        [groupId, jsonKeyArray],
        (t, userData) => _bindings.DartGetGroupAttributes(t[0], t[1], userData),
      );

  /// Calls `DartGetOnlineMemberCount`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getOnlineMemberCount(String groupId) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartGetOnlineMemberCount(t[0], userData),
      );

  /// Calls `DartSetGroupCounters`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setGroupCounters(
    String groupId,
    Object jsonGroupCounterArray,
  ) =>
      _completesOnce(
        [groupId, jsonGroupCounterArray],
        (t, userData) => _bindings.DartSetGroupCounters(t[0], t[1], userData),
      );

  /// Calls `DartGetGroupCounters`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getGroupCounters(
    String groupId,
    Object jsonGroupCounterKeyArray,
  ) =>
      _completesOnce(
        [groupId, jsonGroupCounterKeyArray],
        (t, userData) => _bindings.DartGetGroupCounters(t[0], t[1], userData),
      );

  /// Calls `DartIncreaseGroupCounter`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> increaseGroupCounter(
    String groupId,
    String groupCounterKey,
    int groupCounterValue,
  ) =>
      _completesOnce(
        [groupId, groupCounterKey],
        (t, userData) => _bindings.DartIncreaseGroupCounter(
          t[0],
          t[1],
          groupCounterValue,
          userData,
        ),
      );

  /// Calls `DartDecreaseGroupCounter`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> decreaseGroupCounter(
    String groupId,
    String groupCounterKey,
    int groupCounterValue,
  ) =>
      _completesOnce(
        [groupId, groupCounterKey],
        (t, userData) => _bindings.DartDecreaseGroupCounter(
          t[0],
          t[1],
          groupCounterValue,
          userData,
        ),
      );

  /// Calls `DartGetGroupMemberList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getGroupMemberList(Object jsonGroupGetmeminfosParam) =>
      _completesOnce(
        [jsonGroupGetmeminfosParam],
        (t, userData) => _bindings.DartGetGroupMemberList(t[0], userData),
      );

  /// Calls `DartSearchGroupMembers`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchGroupMembers(Object jsonGroupMemberSearchParam) =>
      _completesOnce(
        [jsonGroupMemberSearchParam],
        (t, userData) => _bindings.DartSearchGroupMembers(t[0], userData),
      );

  /// Calls `DartSearchCloudGroupMembers`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchCloudGroupMembers(
    Object jsonGroupMemberSearchParam,
  ) =>
      _completesOnce(
        [jsonGroupMemberSearchParam],
        (t, userData) => _bindings.DartSearchCloudGroupMembers(t[0], userData),
      );

  /// Calls `DartModifyGroupMemberInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyGroupMemberInfo(
    Object jsonGroupModifymeminfoParam,
  ) =>
      _completesOnce(
        [jsonGroupModifymeminfoParam],
        (t, userData) => _bindings.DartModifyGroupMemberInfo(t[0], userData),
      );

  /// Calls `DartInviteUserToGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> inviteUserToGroup(Object jsonGroupInviteParam) =>
      _completesOnce(
        [jsonGroupInviteParam],
        (t, userData) => _bindings.DartInviteUserToGroup(t[0], userData),
      );

  /// Calls `DartKickGroupMember`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> kickGroupMember(Object jsonGroupDeleteParam) =>
      _completesOnce(
        [jsonGroupDeleteParam],
        (t, userData) => _bindings.DartKickGroupMember(t[0], userData),
      );

  /// Calls `DartMarkGroupMemberList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> markGroupMemberList(
    String groupId,
    Object jsonMemberArray,
    int markType,
    int enableMark,
  ) =>
      _completesOnce(
        [groupId, jsonMemberArray],
        (t, userData) => _bindings.DartMarkGroupMemberList(
          t[0],
          t[1],
          markType,
          enableMark,
          userData,
        ),
      );

  /// Calls `DartGetGroupPendencyList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getGroupPendencyList(
    Object jsonGroupGetpendenceListParam,
  ) =>
      _completesOnce(
        [jsonGroupGetpendenceListParam],
        (t, userData) => _bindings.DartGetGroupPendencyList(t[0], userData),
      );

  /// Calls `DartHandleGroupPendency`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> handleGroupPendency(Object jsonGroupHandlePendencyParam) =>
      _completesOnce(
        [jsonGroupHandlePendencyParam],
        (t, userData) => _bindings.DartHandleGroupPendency(t[0], userData),
      );

  /// Calls `DartMarkGroupPendencyRead`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> markGroupPendencyRead(int timeStamp) =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartMarkGroupPendencyRead(
          timeStamp,
          userData,
        ),
      );

  /// Calls `DartCreateCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createCommunity(Object jsonGroupCreateParam) =>
      _completesOnce(
        [jsonGroupCreateParam],
        (t, userData) => _bindings.DartCreateCommunity(t[0], userData),
      );

  /// Calls `DartGetJoinedCommunityList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getJoinedCommunityList() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetJoinedCommunityList(userData),
      );

  /// Calls `DartCreateTopicInCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createTopicInCommunity(
    String groupId,
    Object jsonTopicInfo,
  ) =>
      _completesOnce(
        [groupId, jsonTopicInfo],
        (t, userData) => _bindings.DartCreateTopicInCommunity(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartDeleteTopicFromCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteTopicFromCommunity(
    String groupId,
    Object jsonTopicIdArray,
  ) =>
      _completesOnce(
        [groupId, jsonTopicIdArray],
        (t, userData) => _bindings.DartDeleteTopicFromCommunity(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartSetTopicInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setTopicInfo(Object jsonTopicInfo) =>
      _completesOnce(
        [jsonTopicInfo],
        (t, userData) => _bindings.DartSetTopicInfo(t[0], userData),
      );

  /// Calls `DartGetTopicInfoList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getTopicInfoList(
    String groupId,
    Object jsonTopicIdArray,
  ) =>
      _completesOnce(
        [groupId, jsonTopicIdArray],
        (t, userData) => _bindings.DartGetTopicInfoList(t[0], t[1], userData),
      );

  /// Calls `DartSetTopicInheritMessageReceiveOptionFromCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setTopicInheritMessageReceiveOptionFromCommunity(
    String topicId,
    int isInherit,
  ) =>
      _completesOnce(
        [topicId],
        (t, userData) => _bindings.DartSetTopicInheritMessageReceiveOptionFromCommunity(
          t[0],
          isInherit,
          userData,
        ),
      );

  /// Calls `DartCreatePermissionGroupInCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createPermissionGroupInCommunity(
    Object jsonPermissionGroupInfo,
  ) =>
      _completesOnce(
        [jsonPermissionGroupInfo],
        (t, userData) => _bindings.DartCreatePermissionGroupInCommunity(
          t[0],
          userData,
        ),
      );

  /// Calls `DartDeletePermissionGroupFromCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deletePermissionGroupFromCommunity(
    String groupId,
    Object jsonPermissionGroupIdArray,
  ) =>
      _completesOnce(
        [groupId, jsonPermissionGroupIdArray],
        (t, userData) => _bindings.DartDeletePermissionGroupFromCommunity(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartModifyPermissionGroupInfoInCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyPermissionGroupInfoInCommunity(
    Object jsonPermissionGroupInfo,
  ) =>
      _completesOnce(
        [jsonPermissionGroupInfo],
        (t, userData) => _bindings.DartModifyPermissionGroupInfoInCommunity(
          t[0],
          userData,
        ),
      );

  /// Calls `DartGetJoinedPermissionGroupListInCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getJoinedPermissionGroupListInCommunity(String groupId) =>
      _completesOnce(
        [groupId],
        (t, userData) => _bindings.DartGetJoinedPermissionGroupListInCommunity(
          t[0],
          userData,
        ),
      );

  /// Calls `DartGetPermissionGroupListInCommunity`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getPermissionGroupListInCommunity(
    String groupId,
    Object jsonPermissionGroupIdArray,
  ) =>
      _completesOnce(
        [groupId, jsonPermissionGroupIdArray],
        (t, userData) => _bindings.DartGetPermissionGroupListInCommunity(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartAddCommunityMembersToPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addCommunityMembersToPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonMemberIdArray,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonMemberIdArray],
        (t, userData) => _bindings.DartAddCommunityMembersToPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartRemoveCommunityMembersFromPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> removeCommunityMembersFromPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonMemberIdArray,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonMemberIdArray],
        (t, userData) => _bindings.DartRemoveCommunityMembersFromPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartGetCommunityMemberListInPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getCommunityMemberListInPermissionGroup(
    String groupId,
    String permissionGroupId,
    String nextCursor,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, nextCursor],
        (t, userData) => _bindings.DartGetCommunityMemberListInPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartAddTopicPermissionToPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addTopicPermissionToPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonTopicPermissionMap,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonTopicPermissionMap],
        (t, userData) => _bindings.DartAddTopicPermissionToPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartDeleteTopicPermissionFromPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteTopicPermissionFromPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonTopicIdArray,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonTopicIdArray],
        (t, userData) => _bindings.DartDeleteTopicPermissionFromPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartModifyTopicPermissionInPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyTopicPermissionInPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonTopicPermissionMap,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonTopicPermissionMap],
        (t, userData) => _bindings.DartModifyTopicPermissionInPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartGetTopicPermissionInPermissionGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getTopicPermissionInPermissionGroup(
    String groupId,
    String permissionGroupId,
    Object jsonTopicIdArray,
  ) =>
      _completesOnce(
        [groupId, permissionGroupId, jsonTopicIdArray],
        (t, userData) => _bindings.DartGetTopicPermissionInPermissionGroup(
          t[0],
          t[1],
          t[2],
          userData,
        ),
      );

  /// Calls `DartGetConversationList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getConversationList() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetConversationList(userData),
      );

  /// Calls `DartGetConversation`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getConversation(Object jsonGetConvListParam) =>
      _completesOnce(
        [jsonGetConvListParam],
        (t, userData) => _bindings.DartGetConversation(t[0], userData),
      );

  /// Calls `DartGetConversationListByFilter`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getConversationListByFilter(
    Object jsonFilter,
    int nextSeq,
    int count,
  ) =>
      _completesOnce(
        [jsonFilter],
        (t, userData) => _bindings.DartGetConversationListByFilter(
          t[0],
          nextSeq,
          count,
          userData,
        ),
      );

  /// Calls `DartDeleteConversation`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteConversation(String convId, int convType) =>
      _completesOnce(
        [convId],
        (t, userData) => _bindings.DartDeleteConversation(
          t[0],
          convType,
          userData,
        ),
      );

  /// Calls `DartDeleteConversationList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteConversationList(
    Object jsonConversationIdArray,
    int clearMessage,
  ) =>
      _completesOnce(
        [jsonConversationIdArray],
        (t, userData) => _bindings.DartDeleteConversationList(
          t[0],
          clearMessage,
          userData,
        ),
      );

  /// Calls `DartSetConversationDraft`.
  ///
  /// The export's result; nothing completes.
  int setConversationDraft(
    String convId,
    int convType,
    Object jsonDraftParam,
  ) =>
      _neverCompletes(
        [convId, jsonDraftParam],
        (t) => _bindings.DartSetConversationDraft(t[0], convType, t[1]),
      );

  /// Calls `DartCancelConversationDraft`.
  ///
  /// The export's result; nothing completes.
  int cancelConversationDraft(String convId, int convType) =>
      _neverCompletes(
        [convId],
        (t) => _bindings.DartCancelConversationDraft(t[0], convType),
      );

  /// Calls `DartSetConversationCustomData`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setConversationCustomData(
    Object jsonConversationIdArray,
    String customData,
  ) =>
      _completesOnce(
        [jsonConversationIdArray, customData],
        (t, userData) => _bindings.DartSetConversationCustomData(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartPinConversation`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> pinConversation(
    String convId,
    int convType,
    int isPinned,
  ) =>
      _completesOnce(
        [convId],
        (t, userData) => _bindings.DartPinConversation(
          t[0],
          convType,
          isPinned,
          userData,
        ),
      );

  /// Calls `DartMarkConversation`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> markConversation(
    Object jsonConversationIdArray,
    int markType,
    int enableMark,
  ) =>
      _completesOnce(
        [jsonConversationIdArray],
        (t, userData) => _bindings.DartMarkConversation(
          t[0],
          markType,
          enableMark,
          userData,
        ),
      );

  /// Calls `DartGetTotalUnreadMessageCount`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getTotalUnreadMessageCount() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetTotalUnreadMessageCount(userData),
      );

  /// Calls `DartGetUnreadMessageCountByFilter`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getUnreadMessageCountByFilter(Object jsonFilter) =>
      _completesOnce(
        [jsonFilter],
        (t, userData) => _bindings.DartGetUnreadMessageCountByFilter(
          t[0],
          userData,
        ),
      );

  /// Calls `DartSubscribeUnreadMessageCountByFilter`.
  ///
  /// The export's result; nothing completes.
  int subscribeUnreadMessageCountByFilter(Object jsonFilter) =>
      _neverCompletes(
        [jsonFilter],
        (t) => _bindings.DartSubscribeUnreadMessageCountByFilter(t[0]),
      );

  /// Calls `DartUnsubscribeUnreadMessageCountByFilter`.
  ///
  /// The export's result; nothing completes.
  int unsubscribeUnreadMessageCountByFilter(Object jsonFilter) =>
      _neverCompletes(
        [jsonFilter],
        (t) => _bindings.DartUnsubscribeUnreadMessageCountByFilter(t[0]),
      );

  /// Calls `DartCleanConversationUnreadMessageCount`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> cleanConversationUnreadMessageCount(
    String conversationId,
    int cleanTimestamp,
    int cleanSequence,
  ) =>
      _completesOnce(
        [conversationId],
        (t, userData) => _bindings.DartCleanConversationUnreadMessageCount(
          t[0],
          cleanTimestamp,
          cleanSequence,
          userData,
        ),
      );

  /// Calls `DartCreateConversationGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createConversationGroup(
    String groupName,
    Object jsonConversationIdArray,
  ) =>
      _completesOnce(
        [groupName, jsonConversationIdArray],
        (t, userData) => _bindings.DartCreateConversationGroup(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetConversationGroupList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getConversationGroupList() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetConversationGroupList(userData),
      );

  /// Calls `DartDeleteConversationGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteConversationGroup(String groupName) =>
      _completesOnce(
        [groupName],
        (t, userData) => _bindings.DartDeleteConversationGroup(t[0], userData),
      );

  /// Calls `DartRenameConversationGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> renameConversationGroup(String oldName, String newName) =>
      _completesOnce(
        [oldName, newName],
        (t, userData) => _bindings.DartRenameConversationGroup(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartAddConversationsToGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addConversationsToGroup(
    String groupName,
    Object jsonConversationIdArray,
  ) =>
      _completesOnce(
        [groupName, jsonConversationIdArray],
        (t, userData) => _bindings.DartAddConversationsToGroup(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartDeleteConversationsFromGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteConversationsFromGroup(
    String groupName,
    Object jsonConversationIdArray,
  ) =>
      _completesOnce(
        [groupName, jsonConversationIdArray],
        (t, userData) => _bindings.DartDeleteConversationsFromGroup(
          t[0],
          t[1],
          userData,
        ),
      );

  /// Calls `DartGetFriendList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getFriendList() =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartGetFriendList(userData),
      );

  /// Calls `DartGetFriendsInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getFriendsInfo(Object jsonGetFriendsInfoParam) =>
      _completesOnce(
        [jsonGetFriendsInfoParam],
        (t, userData) => _bindings.DartGetFriendsInfo(t[0], userData),
      );

  /// Calls `DartSetFriendInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setFriendInfo(Object jsonModifyFriendInfoParam) =>
      _completesOnce(
        [jsonModifyFriendInfoParam],
        (t, userData) => _bindings.DartSetFriendInfo(t[0], userData),
      );

  /// Calls `DartSearchFriends`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> searchFriends(Object jsonSearchFriendsParam) =>
      _completesOnce(
        [jsonSearchFriendsParam],
        (t, userData) => _bindings.DartSearchFriends(t[0], userData),
      );

  /// Calls `DartAddFriend`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addFriend(Object jsonAddFriendParam) =>
      _completesOnce(
        [jsonAddFriendParam],
        (t, userData) => _bindings.DartAddFriend(t[0], userData),
      );

  /// Calls `DartDeleteFromFriendList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteFromFriendList(Object jsonDeleteFriendParam) =>
      _completesOnce(
        [jsonDeleteFriendParam],
        (t, userData) => _bindings.DartDeleteFromFriendList(t[0], userData),
      );

  /// Calls `DartCheckFriend`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> checkFriend(Object jsonCheckFriendListParam) =>
      _completesOnce(
        [jsonCheckFriendListParam],
        (t, userData) => _bindings.DartCheckFriend(t[0], userData),
      );

  /// Calls `DartGetFriendApplicationList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getFriendApplicationList(
    Object jsonGetPendencyListParam,
  ) =>
      _completesOnce(
        [jsonGetPendencyListParam],
        (t, userData) => _bindings.DartGetFriendApplicationList(t[0], userData),
      );

  /// Calls `DartHandleFriendAddRequest`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> handleFriendAddRequest(Object jsonHandleFriendAddParam) =>
      _completesOnce(
        [jsonHandleFriendAddParam],
        (t, userData) => _bindings.DartHandleFriendAddRequest(t[0], userData),
      );

  /// Calls `DartDeleteFriendApplication`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteFriendApplication(Object jsonDeletePendencyParam) =>
      _completesOnce(
        [jsonDeletePendencyParam],
        (t, userData) => _bindings.DartDeleteFriendApplication(t[0], userData),
      );

  /// Calls `DartSetFriendApplicationRead`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> setFriendApplicationRead(int timeStamp) =>
      _completesOnce(
        [],
        (t, userData) => _bindings.DartSetFriendApplicationRead(
          timeStamp,
          userData,
        ),
      );

  /// Calls `DartGetBlackList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getBlackList() =>
      _completesOnce([], (t, userData) => _bindings.DartGetBlackList(userData));

  /// Calls `DartAddToBlackList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> addToBlackList(Object jsonAddToBlacklistParam) =>
      _completesOnce(
        [jsonAddToBlacklistParam],
        (t, userData) => _bindings.DartAddToBlackList(t[0], userData),
      );

  /// Calls `DartDeleteFromBlackList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteFromBlackList(Object jsonDeleteFromBlacklistParam) =>
      _completesOnce(
        [jsonDeleteFromBlacklistParam],
        (t, userData) => _bindings.DartDeleteFromBlackList(t[0], userData),
      );

  /// Calls `DartCreateFriendGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> createFriendGroup(Object jsonCreateFriendGroupParam) =>
      _completesOnce(
        [jsonCreateFriendGroupParam],
        (t, userData) => _bindings.DartCreateFriendGroup(t[0], userData),
      );

  /// Calls `DartGetFriendGroupList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getFriendGroupList(Object jsonGetFriendGroupListParam) =>
      _completesOnce(
        [jsonGetFriendGroupListParam],
        (t, userData) => _bindings.DartGetFriendGroupList(t[0], userData),
      );

  /// Calls `DartDeleteFriendGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> deleteFriendGroup(Object jsonDeleteFriendGroupParam) =>
      _completesOnce(
        [jsonDeleteFriendGroupParam],
        (t, userData) => _bindings.DartDeleteFriendGroup(t[0], userData),
      );

  /// Calls `DartModifyFriendGroup`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyFriendGroup(Object jsonModifyFriendGroupParam) =>
      _completesOnce(
        [jsonModifyFriendGroupParam],
        (t, userData) => _bindings.DartModifyFriendGroup(t[0], userData),
      );

  /// Calls `DartSubscribeOfficialAccount`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> subscribeOfficialAccount(String officialAccountId) =>
      _completesOnce(
        [officialAccountId],
        (t, userData) => _bindings.DartSubscribeOfficialAccount(t[0], userData),
      );

  /// Calls `DartUnsubscribeOfficialAccount`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> unsubscribeOfficialAccount(String officialAccountId) =>
      _completesOnce(
        [officialAccountId],
        (t, userData) => _bindings.DartUnsubscribeOfficialAccount(
          t[0],
          userData,
        ),
      );

  /// Calls `DartGetOfficialAccountsInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getOfficialAccountsInfo(
    Object jsonOfficialAccountIdArray,
  ) =>
      _completesOnce(
        [jsonOfficialAccountIdArray],
        (t, userData) => _bindings.DartGetOfficialAccountsInfo(t[0], userData),
      );

  /// Calls `DartFollowUser`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> followUser(Object jsonUserIdArray) =>
      _completesOnce(
        [jsonUserIdArray],
        (t, userData) => _bindings.DartFollowUser(t[0], userData),
      );

  /// Calls `DartUnfollowUser`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> unfollowUser(Object jsonUserIdArray) =>
      _completesOnce(
        [jsonUserIdArray],
        (t, userData) => _bindings.DartUnfollowUser(t[0], userData),
      );

  /// Calls `DartGetMyFollowingList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMyFollowingList(String nextCursor) =>
      _completesOnce(
        [nextCursor],
        (t, userData) => _bindings.DartGetMyFollowingList(t[0], userData),
      );

  /// Calls `DartGetMyFollowersList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMyFollowersList(String nextCursor) =>
      _completesOnce(
        [nextCursor],
        (t, userData) => _bindings.DartGetMyFollowersList(t[0], userData),
      );

  /// Calls `DartGetMutualFollowersList`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getMutualFollowersList(String nextCursor) =>
      _completesOnce(
        [nextCursor],
        (t, userData) => _bindings.DartGetMutualFollowersList(t[0], userData),
      );

  /// Calls `DartGetUserFollowInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getUserFollowInfo(Object jsonUserIdArray) =>
      _completesOnce(
        [jsonUserIdArray],
        (t, userData) => _bindings.DartGetUserFollowInfo(t[0], userData),
      );

  /// Calls `DartCheckFollowType`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> checkFollowType(Object jsonUserIdArray) =>
      _completesOnce(
        [jsonUserIdArray],
        (t, userData) => _bindings.DartCheckFollowType(t[0], userData),
      );

  /// Calls `DartInvite`.
  ///
  /// The text the export returns, copied at once, and the completion of the
  /// operation, as for an operation that completes once.
  ///
  /// The export's `unused_invite_id` is left out: the export never forwards
  /// it.
  ReturnedText invite(
    String invitee,
    String data,
    bool onlineUserOnly,
    Object jsonOfflinePushInfo,
    int timeout,
  ) =>
      _returnsTextAndCompletes(
        [invitee, data, jsonOfflinePushInfo],
        (t, userData) => _bindings.DartInvite(
          t[0],
          t[1],
          onlineUserOnly,
          t[2],
          timeout,
          ffi.nullptr,
          userData,
        ),
      );

  /// Calls `DartInviteInGroup`.
  ///
  /// The text the export returns, copied at once, and the completion of the
  /// operation, as for an operation that completes once.
  ///
  /// The export's `unused_invite_id` is left out: the export never forwards
  /// it.
  ReturnedText inviteInGroup(
    String groupId,
    Object jsonInviteeArray,
    String data,
    bool onlineUserOnly,
    int timeout,
  ) =>
      _returnsTextAndCompletes(
        [groupId, jsonInviteeArray, data],
        (t, userData) => _bindings.DartInviteInGroup(
          t[0],
          t[1],
          t[2],
          onlineUserOnly,
          timeout,
          ffi.nullptr,
          userData,
        ),
      );

  /// Calls `DartCancel`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> cancel(String inviteId, String data) =>
      _completesOnce(
        [inviteId, data],
        (t, userData) => _bindings.DartCancel(t[0], t[1], userData),
      );

  /// Calls `DartAccept`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> accept(String inviteId, String data) =>
      _completesOnce(
        [inviteId, data],
        (t, userData) => _bindings.DartAccept(t[0], t[1], userData),
      );

  /// Calls `DartReject`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> reject(String inviteId, String data) =>
      _completesOnce(
        [inviteId, data],
        (t, userData) => _bindings.DartReject(t[0], t[1], userData),
      );

  /// Calls `DartGetSignalingInfo`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> getSignalingInfo(Object jsonMsg) =>
      _completesOnce(
        [jsonMsg],
        (t, userData) => _bindings.DartGetSignalingInfo(t[0], userData),
      );

  /// Calls `DartModifyInvitation`.
  ///
  /// Completes with the SDK's completion; fails with a [ZelException] when
  /// the export returns a result other than 0, when the completion's code is
  /// not 0, or when the completion was lost (code 6131).
  Future<Completion> modifyInvitation(String inviteId, String data) =>
      _completesOnce(
        [inviteId, data],
        (t, userData) => _bindings.DartModifyInvitation(t[0], t[1], userData),
      );
}

/// One stream per kind of event.
mixin _Events on _ClientCore {
  /// Event 0: The connection to the server changed state; `status` is the
  /// SDK's `ZelNetworkStatus`, `code` and `desc` say why.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetNetworkStatusListenerCallback`); later ones, in any isolate, do
  /// not.
  Stream<NetworkStatusListenerEvent> get onNetworkStatusListener =>
      _eventsOf<NetworkStatusListenerEvent>(0);

  /// Event 1: The same user logged in elsewhere and this login was ended.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetKickedOfflineCallback`); later ones, in any isolate, do not.
  Stream<KickedOfflineEvent> get onKickedOffline =>
      _eventsOf<KickedOfflineEvent>(1);

  /// Event 2: The user's login signature expired.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetUserSigExpiredCallback`); later ones, in any isolate, do not.
  Stream<UserSigExpiredEvent> get onUserSigExpired =>
      _eventsOf<UserSigExpiredEvent>(2);

  /// Event 3: The logged-in user's own profile changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSelfInfoUpdatedCallback`); later ones, in any isolate, do not.
  Stream<SelfInfoUpdatedEvent> get onSelfInfoUpdated =>
      _eventsOf<SelfInfoUpdatedEvent>(3);

  /// Event 4: The status of users the app subscribed to changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetUserStatusChangedCallback`); later ones, in any isolate, do
  /// not.
  Stream<UserStatusChangedEvent> get onUserStatusChanged =>
      _eventsOf<UserStatusChangedEvent>(4);

  /// Event 5: The profiles of users the app subscribed to changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetUserInfoChangedCallback`); later ones, in any isolate, do not.
  Stream<UserInfoChangedEvent> get onUserInfoChanged =>
      _eventsOf<UserInfoChangedEvent>(5);

  /// Event 6: The SDK wrote a log line; `level` is its `ZelLogLevel`. Lines
  /// containing "im ffi: " (the bridge's own) are never posted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetLogCallback`); later ones, in any isolate, do not.
  Stream<LogEvent> get onLog =>
      _eventsOf<LogEvent>(6);

  /// Event 7: New messages arrived.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartAddReceiveNewMsgCallback`); later ones, in any isolate, do not.
  Stream<ReceiveNewMsgEvent> get onReceiveNewMsg =>
      _eventsOf<ReceiveNewMsgEvent>(7);

  /// Event 8: An element of a message being sent was partly uploaded:
  /// `cur_size` of `total_size`.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgElemUploadProgressCallback`); later ones, in any isolate, do
  /// not.
  Stream<MsgElemUploadProgressEvent> get onMsgElemUploadProgress =>
      _eventsOf<MsgElemUploadProgressEvent>(8);

  /// Event 9: Read receipts for sent messages arrived.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgReadReceiptCallback`); later ones, in any isolate, do not.
  Stream<MsgReadReceiptEvent> get onMsgReadReceipt =>
      _eventsOf<MsgReadReceiptEvent>(9);

  /// Event 10: Messages were revoked.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgRevokeCallback`); later ones, in any isolate, do not.
  Stream<MsgRevokeEvent> get onMsgRevoke =>
      _eventsOf<MsgRevokeEvent>(10);

  /// Event 11: Messages were modified.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgUpdateCallback`); later ones, in any isolate, do not.
  Stream<MsgUpdateEvent> get onMsgUpdate =>
      _eventsOf<MsgUpdateEvent>(11);

  /// Event 12: Extensions of a message were added or changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgExtensionsChangedCallback`); later ones, in any isolate, do
  /// not.
  Stream<MsgExtensionsChangedEvent> get onMsgExtensionsChanged =>
      _eventsOf<MsgExtensionsChangedEvent>(12);

  /// Event 13: Extensions of a message were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgExtensionsDeletedCallback`); later ones, in any isolate, do
  /// not.
  Stream<MsgExtensionsDeletedEvent> get onMsgExtensionsDeleted =>
      _eventsOf<MsgExtensionsDeletedEvent>(13);

  /// Event 14: Reactions to messages changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgReactionsChangedCallback`); later ones, in any isolate, do
  /// not.
  Stream<MsgReactionsChangedEvent> get onMsgReactionsChanged =>
      _eventsOf<MsgReactionsChangedEvent>(14);

  /// Event 15: The option for receiving all messages changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgAllMessageReceiveOptionCallback`); later ones, in any
  /// isolate, do not.
  Stream<MsgAllMessageReceiveOptionEvent> get onMsgAllMessageReceiveOption =>
      _eventsOf<MsgAllMessageReceiveOptionEvent>(15);

  /// Event 16: A message was pinned (`is_pinned` true) or unpinned in a group
  /// by `op_user`.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgGroupPinnedMessageChangedCallback`); later ones, in any
  /// isolate, do not.
  Stream<MsgGroupPinnedMessageChangedEvent> get onMsgGroupPinnedMessageChanged =>
      _eventsOf<MsgGroupPinnedMessageChangedEvent>(16);

  /// Event 17: Something happened in a group: members joined, left or were
  /// removed, the group's details changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetGroupTipsEventCallback`); later ones, in any isolate, do not.
  Stream<GroupTipsEvent> get onGroupTipsEvent =>
      _eventsOf<GroupTipsEvent>(17);

  /// Event 18: A group's attributes changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetGroupAttributeChangedCallback`); later ones, in any isolate, do
  /// not.
  Stream<GroupAttributeChangedEvent> get onGroupAttributeChanged =>
      _eventsOf<GroupAttributeChangedEvent>(18);

  /// Event 19: A group counter changed to a new value.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetGroupCounterChangedCallback`); later ones, in any isolate, do
  /// not.
  Stream<GroupCounterChangedEvent> get onGroupCounterChanged =>
      _eventsOf<GroupCounterChangedEvent>(19);

  /// Event 20: A topic was created in a community.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityCreateTopicCallback`); later ones, in any isolate, do
  /// not.
  Stream<CommunityCreateTopicEvent> get onCommunityCreateTopic =>
      _eventsOf<CommunityCreateTopicEvent>(20);

  /// Event 21: Topics of a community were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityDeleteTopicCallback`); later ones, in any isolate, do
  /// not.
  Stream<CommunityDeleteTopicEvent> get onCommunityDeleteTopic =>
      _eventsOf<CommunityDeleteTopicEvent>(21);

  /// Event 22: A topic's details changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityChangeTopicInfoCallback`); later ones, in any isolate,
  /// do not.
  Stream<CommunityChangeTopicInfoEvent> get onCommunityChangeTopicInfo =>
      _eventsOf<CommunityChangeTopicInfoEvent>(22);

  /// Event 23: Custom data for a topic arrived from the server's REST
  /// interface.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityReceiveTopicRESTCustomDataCallback`); later ones, in
  /// any isolate, do not.
  Stream<CommunityReceiveTopicRestCustomDataEvent> get onCommunityReceiveTopicRestCustomData =>
      _eventsOf<CommunityReceiveTopicRestCustomDataEvent>(23);

  /// Event 24: A permission group was created in a community.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityCreatePermissionGroupCallback`); later ones, in any
  /// isolate, do not.
  Stream<CommunityCreatePermissionGroupEvent> get onCommunityCreatePermissionGroup =>
      _eventsOf<CommunityCreatePermissionGroupEvent>(24);

  /// Event 25: Permission groups were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityDeletePermissionGroupCallback`); later ones, in any
  /// isolate, do not.
  Stream<CommunityDeletePermissionGroupEvent> get onCommunityDeletePermissionGroup =>
      _eventsOf<CommunityDeletePermissionGroupEvent>(25);

  /// Event 26: A permission group's details changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityChangePermissionGroupInfoCallback`); later ones, in
  /// any isolate, do not.
  Stream<CommunityChangePermissionGroupInfoEvent> get onCommunityChangePermissionGroupInfo =>
      _eventsOf<CommunityChangePermissionGroupInfoEvent>(26);

  /// Event 27: Members were added to a permission group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityAddMembersToPermissionGroupCallback`); later ones, in
  /// any isolate, do not.
  Stream<CommunityAddMembersToPermissionGroupEvent> get onCommunityAddMembersToPermissionGroup =>
      _eventsOf<CommunityAddMembersToPermissionGroupEvent>(27);

  /// Event 28: Members were removed from a permission group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityRemoveMembersFromPermissionGroupCallback`); later
  /// ones, in any isolate, do not.
  Stream<CommunityRemoveMembersFromPermissionGroupEvent> get onCommunityRemoveMembersFromPermissionGroup =>
      _eventsOf<CommunityRemoveMembersFromPermissionGroupEvent>(28);

  /// Event 29: Topic permissions were added to a permission group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityAddTopicPermissionCallback`); later ones, in any
  /// isolate, do not.
  Stream<CommunityAddTopicPermissionEvent> get onCommunityAddTopicPermission =>
      _eventsOf<CommunityAddTopicPermissionEvent>(29);

  /// Event 30: Topic permissions were deleted from a permission group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityDeleteTopicPermissionCallback`); later ones, in any
  /// isolate, do not.
  Stream<CommunityDeleteTopicPermissionEvent> get onCommunityDeleteTopicPermission =>
      _eventsOf<CommunityDeleteTopicPermissionEvent>(30);

  /// Event 31: Topic permissions of a permission group were changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetCommunityModifyTopicPermissionCallback`); later ones, in any
  /// isolate, do not.
  Stream<CommunityModifyTopicPermissionEvent> get onCommunityModifyTopicPermission =>
      _eventsOf<CommunityModifyTopicPermissionEvent>(31);

  /// Event 32: Conversations were added, changed or deleted; `conv_event` is
  /// the SDK's `ZelConvEvent`.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvEventCallback`); later ones, in any isolate, do not.
  Stream<ConvEvent> get onConvEvent =>
      _eventsOf<ConvEvent>(32);

  /// Event 33: The total count of unread messages changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvTotalUnreadMessageCountChangedCallback`); later ones, in
  /// any isolate, do not.
  Stream<ConvTotalUnreadMessageCountChangedEvent> get onConvTotalUnreadMessageCountChanged =>
      _eventsOf<ConvTotalUnreadMessageCountChangedEvent>(33);

  /// Event 34: The unread count of a filter given to
  /// `DartSubscribeUnreadMessageCountByFilter` changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvUnreadMessageCountChangedByFilterCallback`); later ones, in
  /// any isolate, do not.
  Stream<ConvUnreadMessageCountChangedByFilterEvent> get onConvUnreadMessageCountChangedByFilter =>
      _eventsOf<ConvUnreadMessageCountChangedByFilterEvent>(34);

  /// Event 35: A conversation group was created.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvConversationGroupCreatedCallback`); later ones, in any
  /// isolate, do not.
  Stream<ConvConversationGroupCreatedEvent> get onConvConversationGroupCreated =>
      _eventsOf<ConvConversationGroupCreatedEvent>(35);

  /// Event 36: A conversation group was deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvConversationGroupDeletedCallback`); later ones, in any
  /// isolate, do not.
  Stream<ConvConversationGroupDeletedEvent> get onConvConversationGroupDeleted =>
      _eventsOf<ConvConversationGroupDeletedEvent>(36);

  /// Event 37: A conversation group was renamed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvConversationGroupNameChangedCallback`); later ones, in any
  /// isolate, do not.
  Stream<ConvConversationGroupNameChangedEvent> get onConvConversationGroupNameChanged =>
      _eventsOf<ConvConversationGroupNameChangedEvent>(37);

  /// Event 38: Conversations were added to a conversation group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvConversationsAddedToGroupCallback`); later ones, in any
  /// isolate, do not.
  Stream<ConvConversationsAddedToGroupEvent> get onConvConversationsAddedToGroup =>
      _eventsOf<ConvConversationsAddedToGroupEvent>(38);

  /// Event 39: Conversations were removed from a conversation group, for the
  /// SDK's `reason`.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetConvConversationsDeletedFromGroupCallback`); later ones, in any
  /// isolate, do not.
  Stream<ConvConversationsDeletedFromGroupEvent> get onConvConversationsDeletedFromGroup =>
      _eventsOf<ConvConversationsDeletedFromGroupEvent>(39);

  /// Event 40: Friends were added.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOnAddFriendCallback`); later ones, in any isolate, do not.
  Stream<OnAddFriendEvent> get onOnAddFriend =>
      _eventsOf<OnAddFriendEvent>(40);

  /// Event 41: Friends were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOnDeleteFriendCallback`); later ones, in any isolate, do not.
  Stream<OnDeleteFriendEvent> get onOnDeleteFriend =>
      _eventsOf<OnDeleteFriendEvent>(41);

  /// Event 42: Friends' profiles changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetUpdateFriendProfileCallback`); later ones, in any isolate, do
  /// not.
  Stream<UpdateFriendProfileEvent> get onUpdateFriendProfile =>
      _eventsOf<UpdateFriendProfileEvent>(42);

  /// Event 43: Friend requests arrived.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendAddRequestCallback`); later ones, in any isolate, do not.
  Stream<FriendAddRequestEvent> get onFriendAddRequest =>
      _eventsOf<FriendAddRequestEvent>(43);

  /// Event 44: Friend requests were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendApplicationListDeletedCallback`); later ones, in any
  /// isolate, do not.
  Stream<FriendApplicationListDeletedEvent> get onFriendApplicationListDeleted =>
      _eventsOf<FriendApplicationListDeletedEvent>(44);

  /// Event 45: The friend requests were marked as read.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendApplicationListReadCallback`); later ones, in any
  /// isolate, do not.
  Stream<FriendApplicationListReadEvent> get onFriendApplicationListRead =>
      _eventsOf<FriendApplicationListReadEvent>(45);

  /// Event 46: Users were added to the block list.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendBlackListAddedCallback`); later ones, in any isolate, do
  /// not.
  Stream<FriendBlackListAddedEvent> get onFriendBlackListAdded =>
      _eventsOf<FriendBlackListAddedEvent>(46);

  /// Event 47: Users were removed from the block list.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendBlackListDeletedCallback`); later ones, in any isolate,
  /// do not.
  Stream<FriendBlackListDeletedEvent> get onFriendBlackListDeleted =>
      _eventsOf<FriendBlackListDeletedEvent>(47);

  /// Event 48: A friend group was created.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendGroupCreatedCallback`); later ones, in any isolate, do
  /// not.
  Stream<FriendGroupCreatedEvent> get onFriendGroupCreated =>
      _eventsOf<FriendGroupCreatedEvent>(48);

  /// Event 49: Friend groups were deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendGroupDeletedCallback`); later ones, in any isolate, do
  /// not.
  Stream<FriendGroupDeletedEvent> get onFriendGroupDeleted =>
      _eventsOf<FriendGroupDeletedEvent>(49);

  /// Event 50: A friend group was renamed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendGroupNameChangedCallback`); later ones, in any isolate,
  /// do not.
  Stream<FriendGroupNameChangedEvent> get onFriendGroupNameChanged =>
      _eventsOf<FriendGroupNameChangedEvent>(50);

  /// Event 51: Friends were added to a friend group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendsAddedToGroupCallback`); later ones, in any isolate, do
  /// not.
  Stream<FriendsAddedToGroupEvent> get onFriendsAddedToGroup =>
      _eventsOf<FriendsAddedToGroupEvent>(51);

  /// Event 52: Friends were removed from a friend group.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetFriendsDeletedFromGroupCallback`); later ones, in any isolate,
  /// do not.
  Stream<FriendsDeletedFromGroupEvent> get onFriendsDeletedFromGroup =>
      _eventsOf<FriendsDeletedFromGroupEvent>(52);

  /// Event 53: The user subscribed to an official account.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOfficialAccountSubscribedCallback`); later ones, in any
  /// isolate, do not.
  Stream<OfficialAccountSubscribedEvent> get onOfficialAccountSubscribed =>
      _eventsOf<OfficialAccountSubscribedEvent>(53);

  /// Event 54: The user unsubscribed from an official account.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOfficialAccountUnsubscribedCallback`); later ones, in any
  /// isolate, do not.
  Stream<OfficialAccountUnsubscribedEvent> get onOfficialAccountUnsubscribed =>
      _eventsOf<OfficialAccountUnsubscribedEvent>(54);

  /// Event 55: A subscribed official account was deleted.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOfficialAccountDeletedCallback`); later ones, in any isolate,
  /// do not.
  Stream<OfficialAccountDeletedEvent> get onOfficialAccountDeleted =>
      _eventsOf<OfficialAccountDeletedEvent>(55);

  /// Event 56: A subscribed official account's details changed.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetOfficialAccountInfoChangedCallback`); later ones, in any
  /// isolate, do not.
  Stream<OfficialAccountInfoChangedEvent> get onOfficialAccountInfoChanged =>
      _eventsOf<OfficialAccountInfoChangedEvent>(56);

  /// Event 57: The user followed (`is_add` true) or unfollowed users.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMyFollowingListChangedCallback`); later ones, in any isolate,
  /// do not.
  Stream<MyFollowingListChangedEvent> get onMyFollowingListChanged =>
      _eventsOf<MyFollowingListChangedEvent>(57);

  /// Event 58: Users started (`is_add` true) or stopped following the user.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMyFollowersListChangedCallback`); later ones, in any isolate,
  /// do not.
  Stream<MyFollowersListChangedEvent> get onMyFollowersListChanged =>
      _eventsOf<MyFollowersListChangedEvent>(58);

  /// Event 59: Users became (`is_add` true) or stopped being mutual
  /// followers.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMutualFollowersListChangedCallback`); later ones, in any
  /// isolate, do not.
  Stream<MutualFollowersListChangedEvent> get onMutualFollowersListChanged =>
      _eventsOf<MutualFollowersListChangedEvent>(59);

  /// Event 60: An invitation arrived; `data` is the text the inviter sent
  /// with it.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingReceiveNewInvitationCallback`); later ones, in any
  /// isolate, do not.
  Stream<SignalingReceiveNewInvitationEvent> get onSignalingReceiveNewInvitation =>
      _eventsOf<SignalingReceiveNewInvitationEvent>(60);

  /// Event 61: The inviter cancelled an invitation.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingInvitationCancelledCallback`); later ones, in any
  /// isolate, do not.
  Stream<SignalingInvitationCancelledEvent> get onSignalingInvitationCancelled =>
      _eventsOf<SignalingInvitationCancelledEvent>(61);

  /// Event 62: An invitee accepted an invitation.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingInviteeAcceptedCallback`); later ones, in any isolate,
  /// do not.
  Stream<SignalingInviteeAcceptedEvent> get onSignalingInviteeAccepted =>
      _eventsOf<SignalingInviteeAcceptedEvent>(62);

  /// Event 63: An invitee rejected an invitation.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingInviteeRejectedCallback`); later ones, in any isolate,
  /// do not.
  Stream<SignalingInviteeRejectedEvent> get onSignalingInviteeRejected =>
      _eventsOf<SignalingInviteeRejectedEvent>(63);

  /// Event 64: Invitees did not answer an invitation in time.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingInvitationTimeoutCallback`); later ones, in any
  /// isolate, do not.
  Stream<SignalingInvitationTimeoutEvent> get onSignalingInvitationTimeout =>
      _eventsOf<SignalingInvitationTimeoutEvent>(64);

  /// Event 65: The inviter changed an invitation's `data`.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetSignalingInvitationModifiedCallback`); later ones, in any
  /// isolate, do not.
  Stream<SignalingInvitationModifiedEvent> get onSignalingInvitationModified =>
      _eventsOf<SignalingInvitationModifiedEvent>(65);

  /// Event 66: The SDK sent an experimental notification. Those with the key
  /// "OnLogCallback" are never posted (log lines are event 6).
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetExperimentalNotifyCallback`); later ones, in any isolate, do
  /// not.
  Stream<ExperimentalNotifyEvent> get onExperimentalNotify =>
      _eventsOf<ExperimentalNotifyEvent>(66);

  /// Event 67: The result of a text-to-speech request arrived.
  ///
  /// The first subscriber in the process registers the listener
  /// (`DartSetMsgTTSResponseCallback`); later ones, in any isolate, do not.
  Stream<MsgTtsResponseEvent> get onMsgTtsResponse =>
      _eventsOf<MsgTtsResponseEvent>(67);
}

/// Registers the listener of event [callbackType] with [userData].
int _registerListener(
  ZelBridgeBindings bindings,
  int callbackType,
  ffi.Pointer<ffi.Char> userData,
) =>
    switch (callbackType) {
      0 => bindings.DartSetNetworkStatusListenerCallback(userData),
      1 => bindings.DartSetKickedOfflineCallback(userData),
      2 => bindings.DartSetUserSigExpiredCallback(userData),
      3 => bindings.DartSetSelfInfoUpdatedCallback(userData),
      4 => bindings.DartSetUserStatusChangedCallback(userData),
      5 => bindings.DartSetUserInfoChangedCallback(userData),
      6 => bindings.DartSetLogCallback(userData),
      7 => bindings.DartAddReceiveNewMsgCallback(userData),
      8 => bindings.DartSetMsgElemUploadProgressCallback(userData),
      9 => bindings.DartSetMsgReadReceiptCallback(userData),
      10 => bindings.DartSetMsgRevokeCallback(userData),
      11 => bindings.DartSetMsgUpdateCallback(userData),
      12 => bindings.DartSetMsgExtensionsChangedCallback(userData),
      13 => bindings.DartSetMsgExtensionsDeletedCallback(userData),
      14 => bindings.DartSetMsgReactionsChangedCallback(userData),
      15 => bindings.DartSetMsgAllMessageReceiveOptionCallback(userData),
      16 => bindings.DartSetMsgGroupPinnedMessageChangedCallback(userData),
      17 => bindings.DartSetGroupTipsEventCallback(userData),
      18 => bindings.DartSetGroupAttributeChangedCallback(userData),
      19 => bindings.DartSetGroupCounterChangedCallback(userData),
      20 => bindings.DartSetCommunityCreateTopicCallback(userData),
      21 => bindings.DartSetCommunityDeleteTopicCallback(userData),
      22 => bindings.DartSetCommunityChangeTopicInfoCallback(userData),
      23 => bindings.DartSetCommunityReceiveTopicRESTCustomDataCallback(userData),
      24 => bindings.DartSetCommunityCreatePermissionGroupCallback(userData),
      25 => bindings.DartSetCommunityDeletePermissionGroupCallback(userData),
      26 => bindings.DartSetCommunityChangePermissionGroupInfoCallback(userData),
      27 => bindings.DartSetCommunityAddMembersToPermissionGroupCallback(userData),
      28 => bindings.DartSetCommunityRemoveMembersFromPermissionGroupCallback(userData),
      29 => bindings.DartSetCommunityAddTopicPermissionCallback(userData),
      30 => bindings.DartSetCommunityDeleteTopicPermissionCallback(userData),
      31 => bindings.DartSetCommunityModifyTopicPermissionCallback(userData),
      32 => bindings.DartSetConvEventCallback(userData),
      33 => bindings.DartSetConvTotalUnreadMessageCountChangedCallback(userData),
      34 => bindings.DartSetConvUnreadMessageCountChangedByFilterCallback(userData),
      35 => bindings.DartSetConvConversationGroupCreatedCallback(userData),
      36 => bindings.DartSetConvConversationGroupDeletedCallback(userData),
      37 => bindings.DartSetConvConversationGroupNameChangedCallback(userData),
      38 => bindings.DartSetConvConversationsAddedToGroupCallback(userData),
      39 => bindings.DartSetConvConversationsDeletedFromGroupCallback(userData),
      40 => bindings.DartSetOnAddFriendCallback(userData),
      41 => bindings.DartSetOnDeleteFriendCallback(userData),
      42 => bindings.DartSetUpdateFriendProfileCallback(userData),
      43 => bindings.DartSetFriendAddRequestCallback(userData),
      44 => bindings.DartSetFriendApplicationListDeletedCallback(userData),
      45 => bindings.DartSetFriendApplicationListReadCallback(userData),
      46 => bindings.DartSetFriendBlackListAddedCallback(userData),
      47 => bindings.DartSetFriendBlackListDeletedCallback(userData),
      48 => bindings.DartSetFriendGroupCreatedCallback(userData),
      49 => bindings.DartSetFriendGroupDeletedCallback(userData),
      50 => bindings.DartSetFriendGroupNameChangedCallback(userData),
      51 => bindings.DartSetFriendsAddedToGroupCallback(userData),
      52 => bindings.DartSetFriendsDeletedFromGroupCallback(userData),
      53 => bindings.DartSetOfficialAccountSubscribedCallback(userData),
      54 => bindings.DartSetOfficialAccountUnsubscribedCallback(userData),
      55 => bindings.DartSetOfficialAccountDeletedCallback(userData),
      56 => bindings.DartSetOfficialAccountInfoChangedCallback(userData),
      57 => bindings.DartSetMyFollowingListChangedCallback(userData),
      58 => bindings.DartSetMyFollowersListChangedCallback(userData),
      59 => bindings.DartSetMutualFollowersListChangedCallback(userData),
      60 => bindings.DartSetSignalingReceiveNewInvitationCallback(userData),
      61 => bindings.DartSetSignalingInvitationCancelledCallback(userData),
      62 => bindings.DartSetSignalingInviteeAcceptedCallback(userData),
      63 => bindings.DartSetSignalingInviteeRejectedCallback(userData),
      64 => bindings.DartSetSignalingInvitationTimeoutCallback(userData),
      65 => bindings.DartSetSignalingInvitationModifiedCallback(userData),
      66 => bindings.DartSetExperimentalNotifyCallback(userData),
      67 => bindings.DartSetMsgTTSResponseCallback(userData),
      _ => throw ArgumentError.value(callbackType, 'callbackType'),
    };
