// The stand-in SDK's operation functions: each records its call in the
// journal, writes the chosen text into a caller buffer where it has one, and
// completes as the test chose.

#include "sdk/zel_sdk.h"
#include "standin_control.h"

using zel_standin::detail::Arg;
using zel_standin::detail::FillBuffer;
using zel_standin::detail::Operation;
using zel_standin::detail::ReactToExperimentalApi;
using zel_standin::detail::ReadMemberListOperation;
using zel_standin::detail::Record;
using zel_standin::detail::Result;

extern "C" {

ZEL_SDK_API int ZelInit(uint64_t sdk_app_id, const char* json_sdk_config) {
  Record("ZelInit", {Arg(sdk_app_id), Arg(json_sdk_config)}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API int ZelUninit(void) {
  Record("ZelUninit", {}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API const char* ZelGetSDKVersion(void) {
  Record("ZelGetSDKVersion", {}, nullptr, nullptr);
  return zel_standin::detail::SdkVersion();
}

ZEL_SDK_API uint64_t ZelGetServerTime(void) {
  Record("ZelGetServerTime", {}, nullptr, nullptr);
  return zel_standin::detail::ServerTime();
}

ZEL_SDK_API int ZelSetConfig(const char* json_config, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelSetConfig", {Arg(json_config)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelLogin(const char* user_id, const char* user_sig, ZelCommCallback cb,
                         const void* user_data) {
  return Operation("ZelLogin", {Arg(user_id), Arg(user_sig)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelLogout(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelLogout", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetLoginUserID(char* user_id_buffer) {
  Record("ZelGetLoginUserID", {Arg(user_id_buffer)}, nullptr, nullptr);
  FillBuffer(user_id_buffer);
  return Result();
}

ZEL_SDK_API int ZelGetLoginStatus(void) {
  Record("ZelGetLoginStatus", {}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API int ZelProfileGetUserProfileList(const char* json_get_user_profile_list_param,
                                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelProfileGetUserProfileList", {Arg(json_get_user_profile_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelProfileModifySelfUserProfile(const char* json_modify_self_user_profile_param,
                                                ZelCommCallback cb, const void* user_data) {
  return Operation("ZelProfileModifySelfUserProfile", {Arg(json_modify_self_user_profile_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSubscribeUserInfo(const char* json_user_id_list, ZelCommCallback cb,
                                     const void* user_data) {
  return Operation("ZelSubscribeUserInfo", {Arg(json_user_id_list)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelUnsubscribeUserInfo(const char* json_user_id_list, ZelCommCallback cb,
                                       const void* user_data) {
  return Operation("ZelUnsubscribeUserInfo", {Arg(json_user_id_list)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSearchUsers(const char* json_search_user_param, ZelCommCallback cb,
                               const void* user_data) {
  return Operation("ZelSearchUsers", {Arg(json_search_user_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                 const void* user_data) {
  return Operation("ZelGetUserStatus", {Arg(json_user_id_list)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelSetSelfStatus(const char* json_user_status, ZelCommCallback cb,
                                 const void* user_data) {
  return Operation("ZelSetSelfStatus", {Arg(json_user_status)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelSubscribeUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                       const void* user_data) {
  return Operation("ZelSubscribeUserStatus", {Arg(json_user_id_list)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelUnsubscribeUserStatus(const char* json_user_id_list, ZelCommCallback cb,
                                         const void* user_data) {
  return Operation("ZelUnsubscribeUserStatus", {Arg(json_user_id_list)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSendMessage(const char* conv_id, int32_t conv_type,
                                  const char* json_msg_param, char* message_id_buffer,
                                  ZelCommCallback cb, const void* user_data) {
  FillBuffer(message_id_buffer);
  return Operation("ZelMsgSendMessage",
                   {Arg(conv_id), Arg(conv_type), Arg(json_msg_param), Arg(message_id_buffer)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgDownloadElemToPath(const char* json_download_elem_param, const char* path,
                                         ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgDownloadElemToPath", {Arg(json_download_elem_param), Arg(path)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgDownloadMergerMessage(const char* json_single_msg, ZelCommCallback cb,
                                            const void* user_data) {
  return Operation("ZelMsgDownloadMergerMessage", {Arg(json_single_msg)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetLocalCustomData(const char* json_msg_param, ZelCommCallback cb,
                                         const void* user_data) {
  return Operation("ZelMsgSetLocalCustomData", {Arg(json_msg_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetMsgList(const char* conv_id, int64_t conv_type,
                                 const char* json_get_msg_param, ZelCommCallback cb,
                                 const void* user_data) {
  return Operation("ZelMsgGetMsgList", {Arg(conv_id), Arg(conv_type), Arg(json_get_msg_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetC2CReceiveMessageOpt(const char* json_identifier_array, int64_t opt,
                                              ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgSetC2CReceiveMessageOpt", {Arg(json_identifier_array), Arg(opt)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetC2CReceiveMessageOpt(const char* json_identifier_array, ZelCommCallback cb,
                                              const void* user_data) {
  return Operation("ZelMsgGetC2CReceiveMessageOpt", {Arg(json_identifier_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetGroupReceiveMessageOpt(const char* group_id, int64_t opt,
                                                ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgSetGroupReceiveMessageOpt", {Arg(group_id), Arg(opt)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetAllReceiveMessageOpt(int64_t opt, int64_t start_hour, int64_t start_minute,
                                              int64_t start_second, int32_t duration_seconds,
                                              ZelCommCallback cb, const void* user_data) {
  return Operation(
      "ZelMsgSetAllReceiveMessageOpt",
      {Arg(opt), Arg(start_hour), Arg(start_minute), Arg(start_second), Arg(duration_seconds)},
      reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetAllReceiveMessageOpt2(int64_t opt, uint64_t start_time_stamp,
                                               int64_t duration_seconds, ZelCommCallback cb,
                                               const void* user_data) {
  return Operation("ZelMsgSetAllReceiveMessageOpt2",
                   {Arg(opt), Arg(start_time_stamp), Arg(duration_seconds)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetAllReceiveMessageOpt(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgGetAllReceiveMessageOpt", {}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelMsgRevoke(const char* conv_id, int64_t conv_type, const char* json_msg_param,
                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgRevoke", {Arg(conv_id), Arg(conv_type), Arg(json_msg_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgModifyMessage(const char* json_msg_param, ZelCommCallback cb,
                                    const void* user_data) {
  return Operation("ZelMsgModifyMessage", {Arg(json_msg_param)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelMsgDelete(const char* conv_id, int64_t conv_type, const char* json_msgdel_param,
                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgDelete", {Arg(conv_id), Arg(conv_type), Arg(json_msgdel_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgListDelete(const char* conv_id, int64_t conv_type, const char* json_msg_array,
                                 ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgListDelete", {Arg(conv_id), Arg(conv_type), Arg(json_msg_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgClearHistoryMessage(const char* conv_id, int64_t conv_type,
                                          ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgClearHistoryMessage", {Arg(conv_id), Arg(conv_type)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSaveMsg(const char* conv_id, int64_t conv_type, const char* json_msg_param,
                              ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgSaveMsg", {Arg(conv_id), Arg(conv_type), Arg(json_msg_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgFindMessages(const char* json_message_id_array, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelMsgFindMessages", {Arg(json_message_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSearchLocalMessages(const char* json_search_message_param, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelMsgSearchLocalMessages", {Arg(json_search_message_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSearchCloudMessages(const char* json_search_message_param, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelMsgSearchCloudMessages", {Arg(json_search_message_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSendMessageReadReceipts(const char* json_msg_array, ZelCommCallback cb,
                                              const void* user_data) {
  return Operation("ZelMsgSendMessageReadReceipts", {Arg(json_msg_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetMessageReadReceipts(const char* json_msg_array, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelMsgGetMessageReadReceipts", {Arg(json_msg_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetGroupMessageReadMemberList(const char* json_msg, int64_t filter,
                                                    uint64_t next_seq, int64_t count,
                                                    ZelMsgGroupMessageReadMemberListCallback cb,
                                                    const void* user_data) {
  return ReadMemberListOperation("ZelMsgGetGroupMessageReadMemberList",
                                 {Arg(json_msg), Arg(filter), Arg(next_seq), Arg(count)},
                                 reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetMessageExtensions(const char* json_msg, const char* json_extension_array,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgSetMessageExtensions", {Arg(json_msg), Arg(json_extension_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetMessageExtensions(const char* json_msg, ZelCommCallback cb,
                                           const void* user_data) {
  return Operation("ZelMsgGetMessageExtensions", {Arg(json_msg)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelMsgDeleteMessageExtensions(const char* json_msg,
                                              const char* json_extension_key_array,
                                              ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgDeleteMessageExtensions", {Arg(json_msg), Arg(json_extension_key_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgAddMessageReaction(const char* json_msg, const char* reaction_id,
                                         ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgAddMessageReaction", {Arg(json_msg), Arg(reaction_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgRemoveMessageReaction(const char* json_msg, const char* reaction_id,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgRemoveMessageReaction", {Arg(json_msg), Arg(reaction_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetMessageReactions(const char* json_msg_array,
                                          int64_t max_user_count_per_reaction, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelMsgGetMessageReactions",
                   {Arg(json_msg_array), Arg(max_user_count_per_reaction)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgGetAllUserListOfMessageReaction(const char* json_msg, const char* reaction_id,
                                                      uint64_t next_seq, int64_t count,
                                                      ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgGetAllUserListOfMessageReaction",
                   {Arg(json_msg), Arg(reaction_id), Arg(next_seq), Arg(count)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgTranslateText(const char* json_source_text_array, const char* source_language,
                                    const char* target_language, ZelCommCallback cb,
                                    const void* user_data) {
  return Operation("ZelMsgTranslateText",
                   {Arg(json_source_text_array), Arg(source_language), Arg(target_language)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgConvertVoiceToText(const char* url, const char* language, ZelCommCallback cb,
                                         const void* user_data) {
  return Operation("ZelMsgConvertVoiceToText", {Arg(url), Arg(language)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelPinGroupMessage(const char* group_id, const char* json_msg, int64_t is_pinned,
                                   ZelCommCallback cb, const void* user_data) {
  return Operation("ZelPinGroupMessage", {Arg(group_id), Arg(json_msg), Arg(is_pinned)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetPinnedGroupMessageList(const char* group_id, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelGetPinnedGroupMessageList", {Arg(group_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgStartTTS(const char* json_msg, const char* voice_id, int64_t speed,
                               int64_t volume, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgStartTTS", {Arg(json_msg), Arg(voice_id), Arg(speed), Arg(volume)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgStopTTS(const char* json_msg, const char* task_id, ZelCommCallback cb,
                              const void* user_data) {
  return Operation("ZelMsgStopTTS", {Arg(json_msg), Arg(task_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgReportReaded(const char* conv_id, int64_t conv_type, const char* json_msg,
                                   ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgReportReaded", {Arg(conv_id), Arg(conv_type), Arg(json_msg)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgMarkAllMessageAsRead(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgMarkAllMessageAsRead", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgSetOfflinePushToken(const char* json_token, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelMsgSetOfflinePushToken", {Arg(json_token)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelMsgDoBackground(int64_t unread_count, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelMsgDoBackground", {Arg(unread_count)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelMsgDoForeground(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelMsgDoForeground", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int callExperimentalAPI(const char* json_param, ZelCommCallback cb,
                                    const void* user_data) {
  const int result = Operation("callExperimentalAPI", {Arg(json_param)},
                               reinterpret_cast<const void*>(cb), user_data);
  ReactToExperimentalApi(json_param);
  return result;
}

ZEL_SDK_API int ZelGroupCreate(const char* json_group_create_param, ZelCommCallback cb,
                               const void* user_data) {
  return Operation("ZelGroupCreate", {Arg(json_group_create_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupDelete(const char* group_id, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupDelete", {Arg(group_id)}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupJoin(const char* group_id, const char* hello_msg, ZelCommCallback cb,
                             const void* user_data) {
  return Operation("ZelGroupJoin", {Arg(group_id), Arg(hello_msg)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupQuit(const char* group_id, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupQuit", {Arg(group_id)}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetJoinedGroupList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupGetJoinedGroupList", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetGroupInfoList(const char* json_group_id_array, ZelCommCallback cb,
                                         const void* user_data) {
  return Operation("ZelGroupGetGroupInfoList", {Arg(json_group_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSearchGroups(const char* json_group_search_param, ZelCommCallback cb,
                                     const void* user_data) {
  return Operation("ZelGroupSearchGroups", {Arg(json_group_search_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSearchCloudGroups(const char* json_group_search_param, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelGroupSearchCloudGroups", {Arg(json_group_search_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupModifyGroupInfo(const char* json_group_modify_info_param,
                                        ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupModifyGroupInfo", {Arg(json_group_modify_info_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupInitGroupAttributes(const char* group_id, const char* json_group_attributes,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupInitGroupAttributes", {Arg(group_id), Arg(json_group_attributes)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSetGroupAttributes(const char* group_id, const char* json_group_attributes,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupSetGroupAttributes", {Arg(group_id), Arg(json_group_attributes)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupDeleteGroupAttributes(const char* group_id, const char* json_key_array,
                                              ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupDeleteGroupAttributes", {Arg(group_id), Arg(json_key_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetGroupAttributes(const char* group_id, const char* json_key_array,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupGetGroupAttributes", {Arg(group_id), Arg(json_key_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetOnlineMemberCount(const char* group_id, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelGroupGetOnlineMemberCount", {Arg(group_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSetGroupCounters(const char* group_id, const char* json_group_counter_array,
                                         ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupSetGroupCounters", {Arg(group_id), Arg(json_group_counter_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetGroupCounters(const char* group_id,
                                         const char* json_group_counter_key_array,
                                         ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupGetGroupCounters", {Arg(group_id), Arg(json_group_counter_key_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupIncreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                             int64_t group_counter_value, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelGroupIncreaseGroupCounter",
                   {Arg(group_id), Arg(group_counter_key), Arg(group_counter_value)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupDecreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                             int64_t group_counter_value, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelGroupDecreaseGroupCounter",
                   {Arg(group_id), Arg(group_counter_key), Arg(group_counter_value)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetMemberInfoList(const char* json_group_getmeminfos_param,
                                          ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupGetMemberInfoList", {Arg(json_group_getmeminfos_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSearchGroupMembers(const char* json_group_member_search_param,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupSearchGroupMembers", {Arg(json_group_member_search_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupSearchCloudGroupMembers(const char* json_group_member_search_param,
                                                ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupSearchCloudGroupMembers", {Arg(json_group_member_search_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupModifyMemberInfo(const char* json_group_modifymeminfo_param,
                                         ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupModifyMemberInfo", {Arg(json_group_modifymeminfo_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupInviteMember(const char* json_group_invite_param, ZelCommCallback cb,
                                     const void* user_data) {
  return Operation("ZelGroupInviteMember", {Arg(json_group_invite_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupDeleteMember(const char* json_group_delete_param, ZelCommCallback cb,
                                     const void* user_data) {
  return Operation("ZelGroupDeleteMember", {Arg(json_group_delete_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupMarkGroupMemberList(const char* group_id, const char* json_member_array,
                                            int64_t mark_type, int64_t enable_mark,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupMarkGroupMemberList",
                   {Arg(group_id), Arg(json_member_array), Arg(mark_type), Arg(enable_mark)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupGetPendencyList(const char* json_group_getpendence_list_param,
                                        ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupGetPendencyList", {Arg(json_group_getpendence_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupHandlePendency(const char* json_group_handle_pendency_param,
                                       ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGroupHandlePendency", {Arg(json_group_handle_pendency_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGroupReportPendencyReaded(uint64_t time_stamp, ZelCommCallback cb,
                                             const void* user_data) {
  return Operation("ZelGroupReportPendencyReaded", {Arg(time_stamp)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityCreate(const char* json_group_create_param, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelCommunityCreate", {Arg(json_group_create_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetJoinedCommunityList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityGetJoinedCommunityList", {}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelCommunityCreateTopicInCommunity(const char* group_id,
                                                   const char* json_topic_info, ZelCommCallback cb,
                                                   const void* user_data) {
  return Operation("ZelCommunityCreateTopicInCommunity", {Arg(group_id), Arg(json_topic_info)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityDeleteTopicFromCommunity(const char* group_id,
                                                     const char* json_topic_id_array,
                                                     ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityDeleteTopicFromCommunity",
                   {Arg(group_id), Arg(json_topic_id_array)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelCommunitySetTopicInfo(const char* json_topic_info, ZelCommCallback cb,
                                         const void* user_data) {
  return Operation("ZelCommunitySetTopicInfo", {Arg(json_topic_info)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetTopicInfoList(const char* group_id, const char* json_topic_id_array,
                                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityGetTopicInfoList", {Arg(group_id), Arg(json_topic_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunitySetTopicInheritMessageReceiveOptionFromCommunity(
    const char* topic_id, int64_t is_inherit, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunitySetTopicInheritMessageReceiveOptionFromCommunity",
                   {Arg(topic_id), Arg(is_inherit)}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityCreatePermissionGroupInCommunity(const char* json_permission_group_info,
                                                             ZelCommCallback cb,
                                                             const void* user_data) {
  return Operation("ZelCommunityCreatePermissionGroupInCommunity",
                   {Arg(json_permission_group_info)}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityDeletePermissionGroupFromCommunity(
    const char* group_id, const char* json_permission_group_id_array, ZelCommCallback cb,
    const void* user_data) {
  return Operation("ZelCommunityDeletePermissionGroupFromCommunity",
                   {Arg(group_id), Arg(json_permission_group_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityModifyPermissionGroupInfoInCommunity(
    const char* json_permission_group_info, ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityModifyPermissionGroupInfoInCommunity",
                   {Arg(json_permission_group_info)}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetJoinedPermissionGroupListInCommunity(const char* group_id,
                                                                    ZelCommCallback cb,
                                                                    const void* user_data) {
  return Operation("ZelCommunityGetJoinedPermissionGroupListInCommunity", {Arg(group_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetPermissionGroupListInCommunity(
    const char* group_id, const char* json_permission_group_id_array, ZelCommCallback cb,
    const void* user_data) {
  return Operation("ZelCommunityGetPermissionGroupListInCommunity",
                   {Arg(group_id), Arg(json_permission_group_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityAddCommunityMembersToPermissionGroup(const char* group_id,
                                                                 const char* permission_group_id,
                                                                 const char* json_member_id_array,
                                                                 ZelCommCallback cb,
                                                                 const void* user_data) {
  return Operation("ZelCommunityAddCommunityMembersToPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_member_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityRemoveCommunityMembersFromPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_member_id_array,
    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityRemoveCommunityMembersFromPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_member_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetCommunityMemberListInPermissionGroup(const char* group_id,
                                                                    const char* permission_group_id,
                                                                    const char* next_cursor,
                                                                    ZelCommCallback cb,
                                                                    const void* user_data) {
  return Operation("ZelCommunityGetCommunityMemberListInPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(next_cursor)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityAddTopicPermissionToPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityAddTopicPermissionToPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_topic_permission_map)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityDeleteTopicPermissionFromPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_id_array,
    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityDeleteTopicPermissionFromPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_topic_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityModifyTopicPermissionInPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelCommunityModifyTopicPermissionInPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_topic_permission_map)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCommunityGetTopicPermissionInPermissionGroup(const char* group_id,
                                                                const char* permission_group_id,
                                                                const char* json_topic_id_array,
                                                                ZelCommCallback cb,
                                                                const void* user_data) {
  return Operation("ZelCommunityGetTopicPermissionInPermissionGroup",
                   {Arg(group_id), Arg(permission_group_id), Arg(json_topic_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvGetConvList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvGetConvList", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvGetConvInfo(const char* json_get_conv_list_param, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelConvGetConvInfo", {Arg(json_get_conv_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvGetConversationListByFilter(const char* json_filter, uint64_t next_seq,
                                                   int64_t count, ZelCommCallback cb,
                                                   const void* user_data) {
  return Operation("ZelConvGetConversationListByFilter",
                   {Arg(json_filter), Arg(next_seq), Arg(count)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelConvDelete(const char* conv_id, int64_t conv_type, ZelCommCallback cb,
                              const void* user_data) {
  return Operation("ZelConvDelete", {Arg(conv_id), Arg(conv_type)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvDeleteConversationList(const char* json_conversation_id_array,
                                              int64_t clear_message, ZelCommCallback cb,
                                              const void* user_data) {
  return Operation("ZelConvDeleteConversationList",
                   {Arg(json_conversation_id_array), Arg(clear_message)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvSetDraft(const char* conv_id, int64_t conv_type,
                                const char* json_draft_param) {
  Record("ZelConvSetDraft", {Arg(conv_id), Arg(conv_type), Arg(json_draft_param)}, nullptr,
         nullptr);
  return Result();
}

ZEL_SDK_API int ZelConvCancelDraft(const char* conv_id, int64_t conv_type) {
  Record("ZelConvCancelDraft", {Arg(conv_id), Arg(conv_type)}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API int ZelConvSetConversationCustomData(const char* json_conversation_id_array,
                                                 const char* custom_data, ZelCommCallback cb,
                                                 const void* user_data) {
  return Operation("ZelConvSetConversationCustomData",
                   {Arg(json_conversation_id_array), Arg(custom_data)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvPinConversation(const char* conv_id, int64_t conv_type, int64_t is_pinned,
                                       ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvPinConversation", {Arg(conv_id), Arg(conv_type), Arg(is_pinned)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvMarkConversation(const char* json_conversation_id_array, int64_t mark_type,
                                        int64_t enable_mark, ZelCommCallback cb,
                                        const void* user_data) {
  return Operation("ZelConvMarkConversation",
                   {Arg(json_conversation_id_array), Arg(mark_type), Arg(enable_mark)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvGetTotalUnreadMessageCount(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvGetTotalUnreadMessageCount", {}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelConvGetUnreadMessageCountByFilter(const char* json_filter, ZelCommCallback cb,
                                                     const void* user_data) {
  return Operation("ZelConvGetUnreadMessageCountByFilter", {Arg(json_filter)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvSubscribeUnreadMessageCountByFilter(const char* json_filter) {
  Record("ZelConvSubscribeUnreadMessageCountByFilter", {Arg(json_filter)}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API int ZelConvUnsubscribeUnreadMessageCountByFilter(const char* json_filter) {
  Record("ZelConvUnsubscribeUnreadMessageCountByFilter", {Arg(json_filter)}, nullptr, nullptr);
  return Result();
}

ZEL_SDK_API int ZelConvCleanConversationUnreadMessageCount(const char* conversation_id,
                                                           uint64_t clean_timestamp,
                                                           uint64_t clean_sequence,
                                                           ZelCommCallback cb,
                                                           const void* user_data) {
  return Operation("ZelConvCleanConversationUnreadMessageCount",
                   {Arg(conversation_id), Arg(clean_timestamp), Arg(clean_sequence)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvCreateConversationGroup(const char* group_name,
                                               const char* json_conversation_id_array,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvCreateConversationGroup",
                   {Arg(group_name), Arg(json_conversation_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvGetConversationGroupList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvGetConversationGroupList", {}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelConvDeleteConversationGroup(const char* group_name, ZelCommCallback cb,
                                               const void* user_data) {
  return Operation("ZelConvDeleteConversationGroup", {Arg(group_name)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvRenameConversationGroup(const char* old_name, const char* new_name,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvRenameConversationGroup", {Arg(old_name), Arg(new_name)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvAddConversationsToGroup(const char* group_name,
                                               const char* json_conversation_id_array,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvAddConversationsToGroup",
                   {Arg(group_name), Arg(json_conversation_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelConvDeleteConversationsFromGroup(const char* group_name,
                                                    const char* json_conversation_id_array,
                                                    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelConvDeleteConversationsFromGroup",
                   {Arg(group_name), Arg(json_conversation_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipGetFriendProfileList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipGetFriendProfileList", {}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelFriendshipGetFriendsInfo(const char* json_get_friends_info_param,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipGetFriendsInfo", {Arg(json_get_friends_info_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipModifyFriendProfile(const char* json_modify_friend_info_param,
                                                 ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipModifyFriendProfile", {Arg(json_modify_friend_info_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipSearchFriends(const char* json_search_friends_param,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipSearchFriends", {Arg(json_search_friends_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipAddFriend(const char* json_add_friend_param, ZelCommCallback cb,
                                       const void* user_data) {
  return Operation("ZelFriendshipAddFriend", {Arg(json_add_friend_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipDeleteFriend(const char* json_delete_friend_param, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelFriendshipDeleteFriend", {Arg(json_delete_friend_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipCheckFriendType(const char* json_check_friend_list_param,
                                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipCheckFriendType", {Arg(json_check_friend_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipGetPendencyList(const char* json_get_pendency_list_param,
                                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipGetPendencyList", {Arg(json_get_pendency_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipHandleFriendAddRequest(const char* json_handle_friend_add_param,
                                                    ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipHandleFriendAddRequest", {Arg(json_handle_friend_add_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipDeletePendency(const char* json_delete_pendency_param,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipDeletePendency", {Arg(json_delete_pendency_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipReportPendencyReaded(uint64_t time_stamp, ZelCommCallback cb,
                                                  const void* user_data) {
  return Operation("ZelFriendshipReportPendencyReaded", {Arg(time_stamp)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipGetBlackList(ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipGetBlackList", {}, reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipAddToBlackList(const char* json_add_to_blacklist_param,
                                            ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipAddToBlackList", {Arg(json_add_to_blacklist_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipDeleteFromBlackList(const char* json_delete_from_blacklist_param,
                                                 ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipDeleteFromBlackList", {Arg(json_delete_from_blacklist_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipCreateFriendGroup(const char* json_create_friend_group_param,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipCreateFriendGroup", {Arg(json_create_friend_group_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipGetFriendGroupList(const char* json_get_friend_group_list_param,
                                                ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipGetFriendGroupList", {Arg(json_get_friend_group_list_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipDeleteFriendGroup(const char* json_delete_friend_group_param,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipDeleteFriendGroup", {Arg(json_delete_friend_group_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFriendshipModifyFriendGroup(const char* json_modify_friend_group_param,
                                               ZelCommCallback cb, const void* user_data) {
  return Operation("ZelFriendshipModifyFriendGroup", {Arg(json_modify_friend_group_param)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSubscribeOfficialAccount(const char* official_account_id, ZelCommCallback cb,
                                            const void* user_data) {
  return Operation("ZelSubscribeOfficialAccount", {Arg(official_account_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelUnsubscribeOfficialAccount(const char* official_account_id, ZelCommCallback cb,
                                              const void* user_data) {
  return Operation("ZelUnsubscribeOfficialAccount", {Arg(official_account_id)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetOfficialAccountsInfo(const char* json_official_account_id_array,
                                           ZelCommCallback cb, const void* user_data) {
  return Operation("ZelGetOfficialAccountsInfo", {Arg(json_official_account_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelFollowUser(const char* json_user_id_array, ZelCommCallback cb,
                              const void* user_data) {
  return Operation("ZelFollowUser", {Arg(json_user_id_array)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelUnfollowUser(const char* json_user_id_array, ZelCommCallback cb,
                                const void* user_data) {
  return Operation("ZelUnfollowUser", {Arg(json_user_id_array)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelGetMyFollowingList(const char* next_cursor, ZelCommCallback cb,
                                      const void* user_data) {
  return Operation("ZelGetMyFollowingList", {Arg(next_cursor)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelGetMyFollowersList(const char* next_cursor, ZelCommCallback cb,
                                      const void* user_data) {
  return Operation("ZelGetMyFollowersList", {Arg(next_cursor)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelGetMutualFollowersList(const char* next_cursor, ZelCommCallback cb,
                                          const void* user_data) {
  return Operation("ZelGetMutualFollowersList", {Arg(next_cursor)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetUserFollowInfo(const char* json_user_id_array, ZelCommCallback cb,
                                     const void* user_data) {
  return Operation("ZelGetUserFollowInfo", {Arg(json_user_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelCheckFollowType(const char* json_user_id_array, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelCheckFollowType", {Arg(json_user_id_array)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSignalingInvite(const char* invitee, const char* data, bool online_user_only,
                                   const char* json_offline_push_info, int32_t timeout,
                                   char* invite_id_buffer, ZelCommCallback cb,
                                   const void* user_data) {
  FillBuffer(invite_id_buffer);
  return Operation("ZelSignalingInvite",
                   {Arg(invitee), Arg(data), Arg(online_user_only), Arg(json_offline_push_info),
                    Arg(timeout), Arg(invite_id_buffer)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSignalingInviteInGroup(const char* group_id, const char* json_invitee_array,
                                          const char* data, bool online_user_only, int32_t timeout,
                                          char* invite_id_buffer, ZelCommCallback cb,
                                          const void* user_data) {
  FillBuffer(invite_id_buffer);
  return Operation("ZelSignalingInviteInGroup",
                   {Arg(group_id), Arg(json_invitee_array), Arg(data), Arg(online_user_only),
                    Arg(timeout), Arg(invite_id_buffer)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSignalingCancel(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelSignalingCancel", {Arg(invite_id), Arg(data)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSignalingAccept(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelSignalingAccept", {Arg(invite_id), Arg(data)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelSignalingReject(const char* invite_id, const char* data, ZelCommCallback cb,
                                   const void* user_data) {
  return Operation("ZelSignalingReject", {Arg(invite_id), Arg(data)},
                   reinterpret_cast<const void*>(cb), user_data);
}

ZEL_SDK_API int ZelGetSignalingInfo(const char* json_msg, ZelCommCallback cb,
                                    const void* user_data) {
  return Operation("ZelGetSignalingInfo", {Arg(json_msg)}, reinterpret_cast<const void*>(cb),
                   user_data);
}

ZEL_SDK_API int ZelSignalingModifyInvitation(const char* invite_id, const char* data,
                                             ZelCommCallback cb, const void* user_data) {
  return Operation("ZelSignalingModifyInvitation", {Arg(invite_id), Arg(data)},
                   reinterpret_cast<const void*>(cb), user_data);
}

}  // extern "C"
