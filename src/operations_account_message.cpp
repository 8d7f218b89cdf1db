// Operation exports for the SDK lifecycle, configuration, account, profiles,
// status and messages. Each forwards its inputs, then the completion callback
// and user_data, to one SDK function and returns the SDK's result.

#include "completion.h"
#include "result_buffer.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

ZELBRIDGE_EXPORT int DartInitSDK(uint64_t sdk_app_id, const char* json_sdk_config) {
  return ZelInit(sdk_app_id, json_sdk_config);
}

ZELBRIDGE_EXPORT int DartUnitSDK(void) { return ZelUninit(); }

ZELBRIDGE_EXPORT const char* DartGetSDKVersion(void) { return ZelGetSDKVersion(); }

ZELBRIDGE_EXPORT uint64_t DartGetServerTime(void) { return ZelGetServerTime(); }

ZELBRIDGE_EXPORT int DartSetConfig(const char* json_config, const char* user_data) {
  return ZelSetConfig(json_config, nullptr, user_data);
}

ZELBRIDGE_EXPORT int DartLogin(const char* user_id, const char* user_sig, const char* user_data) {
  return ZelLogin(user_id, user_sig, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartLogout(const char* user_data) {
  return ZelLogout(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT const char* DartGetLoginUserID(void) {
  return ResultText(kLoginUserIdBuffer, [](char* user_id) { ZelGetLoginUserID(user_id); });
}

ZELBRIDGE_EXPORT int DartGetLoginStatus(void) { return ZelGetLoginStatus(); }

ZELBRIDGE_EXPORT int DartGetUsersInfo(const char* json_get_user_profile_list_param,
                                      const char* user_data) {
  return ZelProfileGetUserProfileList(json_get_user_profile_list_param, DartZelCommonCallback,
                                      user_data);
}

ZELBRIDGE_EXPORT int DartSetSelfInfo(const char* json_modify_self_user_profile_param,
                                     const char* user_data) {
  return ZelProfileModifySelfUserProfile(json_modify_self_user_profile_param, DartZelCommonCallback,
                                         user_data);
}

ZELBRIDGE_EXPORT int DartSubscribeUserInfo(const char* json_user_id_list, const char* user_data) {
  return ZelSubscribeUserInfo(json_user_id_list, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartUnsubscribeUserInfo(const char* json_user_id_list, const char* user_data) {
  return ZelUnsubscribeUserInfo(json_user_id_list, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchUsers(const char* json_search_user_param, const char* user_data) {
  return ZelSearchUsers(json_search_user_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetUserStatus(const char* json_user_id_list, const char* user_data) {
  return ZelGetUserStatus(json_user_id_list, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetSelfStatus(const char* json_user_status, const char* user_data) {
  return ZelSetSelfStatus(json_user_status, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSubscribeUserStatus(const char* json_user_id_list, const char* user_data) {
  return ZelSubscribeUserStatus(json_user_id_list, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartUnsubscribeUserStatus(const char* json_user_id_list,
                                               const char* user_data) {
  return ZelUnsubscribeUserStatus(json_user_id_list, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT const char* DartSendMessage(const char* conv_id, int32_t conv_type,
                                             const char* json_msg_param, const char* user_data) {
  return ResultText(kMessageIdBuffer, [&](char* message_id) {
    ZelMsgSendMessage(conv_id, conv_type, json_msg_param, message_id, DartZelCommonCallback,
                      user_data);
  });
}

ZELBRIDGE_EXPORT int DartDownloadElemToPath(const char* json_download_elem_param, const char* path,
                                            const char* user_data) {
  return ZelMsgDownloadElemToPath(json_download_elem_param, path, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDownloadMergerMessage(const char* json_single_msg, const char* user_data) {
  return ZelMsgDownloadMergerMessage(json_single_msg, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetLocalCustomData(const char* json_msg_param, const char* user_data) {
  return ZelMsgSetLocalCustomData(json_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetHistoryMessageList(const char* conv_id, int64_t conv_type,
                                               const char* json_get_msg_param,
                                               const char* user_data) {
  return ZelMsgGetMsgList(conv_id, conv_type, json_get_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMessageList(const char* conv_id, int64_t conv_type,
                                        const char* json_get_msg_param, const char* user_data) {
  return ZelMsgGetMsgList(conv_id, conv_type, json_get_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetC2CReceiveMessageOpt(const char* json_identifier_array, int64_t opt,
                                                 const char* user_data) {
  return ZelMsgSetC2CReceiveMessageOpt(json_identifier_array, opt, DartZelCommonCallback,
                                       user_data);
}

ZELBRIDGE_EXPORT int DartGetC2CReceiveMessageOpt(const char* json_identifier_array,
                                                 const char* user_data) {
  return ZelMsgGetC2CReceiveMessageOpt(json_identifier_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetGroupReceiveMessageOpt(const char* group_id, int64_t opt,
                                                   const char* user_data) {
  return ZelMsgSetGroupReceiveMessageOpt(group_id, opt, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetAllReceiveMessageOpt(int64_t opt, int64_t start_hour,
                                                 int64_t start_minute, int64_t start_second,
                                                 int32_t duration_seconds, const char* user_data) {
  return ZelMsgSetAllReceiveMessageOpt(opt, start_hour, start_minute, start_second,
                                       duration_seconds, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetAllReceiveMessageOpt2(int64_t opt, uint64_t start_time_stamp,
                                                  int64_t duration_seconds, const char* user_data) {
  return ZelMsgSetAllReceiveMessageOpt2(opt, start_time_stamp, duration_seconds,
                                        DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetAllReceiveMessageOpt(const char* user_data) {
  return ZelMsgGetAllReceiveMessageOpt(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartRevokeMessage(const char* conv_id, int64_t conv_type,
                                       const char* json_msg_param, const char* user_data) {
  return ZelMsgRevoke(conv_id, conv_type, json_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartModifyMessage(const char* json_msg_param, const char* user_data) {
  return ZelMsgModifyMessage(json_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteMessageFromLocalStorage(const char* conv_id, int64_t conv_type,
                                                       const char* json_msgdel_param,
                                                       const char* user_data) {
  return ZelMsgDelete(conv_id, conv_type, json_msgdel_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteMessages(const char* conv_id, int64_t conv_type,
                                        const char* json_msg_array, const char* user_data) {
  return ZelMsgListDelete(conv_id, conv_type, json_msg_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartClearHistoryMessage(const char* conv_id, int64_t conv_type,
                                             const char* user_data) {
  return ZelMsgClearHistoryMessage(conv_id, conv_type, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSaveMessage(const char* conv_id, int64_t conv_type,
                                     const char* json_msg_param, const char* user_data) {
  return ZelMsgSaveMsg(conv_id, conv_type, json_msg_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartFindMessages(const char* json_message_id_array, const char* user_data) {
  return ZelMsgFindMessages(json_message_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchLocalMessages(const char* json_search_message_param,
                                             const char* user_data) {
  return ZelMsgSearchLocalMessages(json_search_message_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchCloudMessages(const char* json_search_message_param,
                                             const char* user_data) {
  return ZelMsgSearchCloudMessages(json_search_message_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSendMessageReadReceipts(const char* json_msg_array,
                                                 const char* user_data) {
  return ZelMsgSendMessageReadReceipts(json_msg_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMessageReadReceipts(const char* json_msg_array, const char* user_data) {
  return ZelMsgGetMessageReadReceipts(json_msg_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupMessageReadMemberList(const char* json_msg, int64_t filter,
                                                       uint64_t next_seq, int64_t count,
                                                       const char* user_data) {
  return ZelMsgGetGroupMessageReadMemberList(json_msg, filter, next_seq, count,
                                             DartGetGroupMessageReadMemberListCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetMessageExtensions(const char* json_msg,
                                              const char* json_extension_array,
                                              const char* user_data) {
  return ZelMsgSetMessageExtensions(json_msg, json_extension_array, DartZelCommonCallback,
                                    user_data);
}

ZELBRIDGE_EXPORT int DartGetMessageExtensions(const char* json_msg, const char* user_data) {
  return ZelMsgGetMessageExtensions(json_msg, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteMessageExtensions(const char* json_msg,
                                                 const char* json_extension_key_array,
                                                 const char* user_data) {
  return ZelMsgDeleteMessageExtensions(json_msg, json_extension_key_array, DartZelCommonCallback,
                                       user_data);
}

ZELBRIDGE_EXPORT int DartAddMessageReaction(const char* json_msg, const char* reaction_id,
                                            const char* user_data) {
  return ZelMsgAddMessageReaction(json_msg, reaction_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartRemoveMessageReaction(const char* json_msg, const char* reaction_id,
                                               const char* user_data) {
  return ZelMsgRemoveMessageReaction(json_msg, reaction_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetMessageReactions(const char* json_msg_array,
                                             int64_t max_user_count_per_reaction,
                                             const char* user_data) {
  return ZelMsgGetMessageReactions(json_msg_array, max_user_count_per_reaction,
                                   DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetAllUserListOfMessageReaction(const char* json_msg,
                                                         const char* reaction_id, uint64_t next_seq,
                                                         int64_t count, const char* user_data) {
  return ZelMsgGetAllUserListOfMessageReaction(json_msg, reaction_id, next_seq, count,
                                               DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartTranslateText(const char* json_source_text_array,
                                       const char* source_language, const char* target_language,
                                       const char* user_data) {
  return ZelMsgTranslateText(json_source_text_array, source_language, target_language,
                             DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartConvertVoiceToText(const char* url, const char* language,
                                            const char* user_data) {
  return ZelMsgConvertVoiceToText(url, language, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartPinGroupMessage(const char* group_id, const char* json_msg,
                                         int64_t is_pinned, const char* user_data) {
  return ZelPinGroupMessage(group_id, json_msg, is_pinned, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetPinnedGroupMessageList(const char* group_id, const char* user_data) {
  return ZelGetPinnedGroupMessageList(group_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMsgStartTTS(const char* json_msg, const char* voice_id, int64_t speed,
                                     int64_t volume, const char* user_data) {
  return ZelMsgStartTTS(json_msg, voice_id, speed, volume, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMsgStopTTS(const char* json_msg, const char* task_id,
                                    const char* user_data) {
  return ZelMsgStopTTS(json_msg, task_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMarkMessageAsRead(const char* conv_id, int64_t conv_type,
                                           const char* user_data) {
  return ZelMsgReportReaded(conv_id, conv_type, nullptr, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMarkAllMessageAsRead(const char* user_data) {
  return ZelMsgMarkAllMessageAsRead(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetOfflinePushToken(const char* json_token, const char* user_data) {
  return ZelMsgSetOfflinePushToken(json_token, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDoBackground(int64_t unread_count, const char* user_data) {
  return ZelMsgDoBackground(unread_count, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDoForeground(const char* user_data) {
  return ZelMsgDoForeground(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCallExperimentalAPI(const char* json_param, const char* user_data) {
  return callExperimentalAPI(json_param, DartZelCommonCallback, user_data);
}
