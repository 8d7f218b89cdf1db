// Operation exports for groups, communities and conversations. Each forwards
// its inputs, then the completion callback and user_data, to one SDK function
// and returns the SDK's result.

#include "completion.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

ZELBRIDGE_EXPORT int DartCreateGroup(const char* json_group_create_param, const char* user_data) {
  return ZelGroupCreate(json_group_create_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteGroup(const char* group_id, const char* user_data) {
  return ZelGroupDelete(group_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartJoinGroup(const char* group_id, const char* hello_msg,
                                   const char* user_data) {
  return ZelGroupJoin(group_id, hello_msg, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartQuitGroup(const char* group_id, const char* user_data) {
  return ZelGroupQuit(group_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetJoinedGroupList(const char* user_data) {
  return ZelGroupGetJoinedGroupList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupsInfo(const char* json_group_id_array, const char* user_data) {
  return ZelGroupGetGroupInfoList(json_group_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchGroups(const char* json_group_search_param, const char* user_data) {
  return ZelGroupSearchGroups(json_group_search_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchCloudGroups(const char* json_group_search_param,
                                           const char* user_data) {
  return ZelGroupSearchCloudGroups(json_group_search_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetGroupInfo(const char* json_group_modify_info_param,
                                      const char* user_data) {
  return ZelGroupModifyGroupInfo(json_group_modify_info_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartInitGroupAttributes(const char* group_id,
                                             const char* json_group_attributes,
                                             const char* user_data) {
  return ZelGroupInitGroupAttributes(group_id, json_group_attributes, DartZelCommonCallback,
                                     user_data);
}

ZELBRIDGE_EXPORT int DartSetGroupAttributes(const char* group_id, const char* json_group_attributes,
                                            const char* user_data) {
  return ZelGroupSetGroupAttributes(group_id, json_group_attributes, DartZelCommonCallback,
                                    user_data);
}

ZELBRIDGE_EXPORT int DartDeleteGroupAttributes(const char* group_id, const char* json_key_array,
                                               const char* user_data) {
  return ZelGroupDeleteGroupAttributes(group_id, json_key_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupAttributes(const char* group_id, const char* json_key_array,
                                            const char* user_data) {
  return ZelGroupGetGroupAttributes(group_id, json_key_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetOnlineMemberCount(const char* group_id, const char* user_data) {
  return ZelGroupGetOnlineMemberCount(group_id, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetGroupCounters(const char* group_id,
                                          const char* json_group_counter_array,
                                          const char* user_data) {
  return ZelGroupSetGroupCounters(group_id, json_group_counter_array, DartZelCommonCallback,
                                  user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupCounters(const char* group_id,
                                          const char* json_group_counter_key_array,
                                          const char* user_data) {
  return ZelGroupGetGroupCounters(group_id, json_group_counter_key_array, DartZelCommonCallback,
                                  user_data);
}

ZELBRIDGE_EXPORT int DartIncreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                              int64_t group_counter_value, const char* user_data) {
  return ZelGroupIncreaseGroupCounter(group_id, group_counter_key, group_counter_value,
                                      DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDecreaseGroupCounter(const char* group_id, const char* group_counter_key,
                                              int64_t group_counter_value, const char* user_data) {
  return ZelGroupDecreaseGroupCounter(group_id, group_counter_key, group_counter_value,
                                      DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupMemberList(const char* json_group_getmeminfos_param,
                                            const char* user_data) {
  return ZelGroupGetMemberInfoList(json_group_getmeminfos_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSearchGroupMembers(const char* json_group_member_search_param,
                                            const char* user_data) {
  return ZelGroupSearchGroupMembers(json_group_member_search_param, DartZelCommonCallback,
                                    user_data);
}

ZELBRIDGE_EXPORT int DartSearchCloudGroupMembers(const char* json_group_member_search_param,
                                                 const char* user_data) {
  return ZelGroupSearchCloudGroupMembers(json_group_member_search_param, DartZelCommonCallback,
                                         user_data);
}

ZELBRIDGE_EXPORT int DartModifyGroupMemberInfo(const char* json_group_modifymeminfo_param,
                                               const char* user_data) {
  return ZelGroupModifyMemberInfo(json_group_modifymeminfo_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartInviteUserToGroup(const char* json_group_invite_param,
                                           const char* user_data) {
  return ZelGroupInviteMember(json_group_invite_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartKickGroupMember(const char* json_group_delete_param,
                                         const char* user_data) {
  return ZelGroupDeleteMember(json_group_delete_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMarkGroupMemberList(const char* group_id, const char* json_member_array,
                                             int64_t mark_type, int64_t enable_mark,
                                             const char* user_data) {
  return ZelGroupMarkGroupMemberList(group_id, json_member_array, mark_type, enable_mark,
                                     DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetGroupPendencyList(const char* json_group_getpendence_list_param,
                                              const char* user_data) {
  return ZelGroupGetPendencyList(json_group_getpendence_list_param, DartZelCommonCallback,
                                 user_data);
}

ZELBRIDGE_EXPORT int DartHandleGroupPendency(const char* json_group_handle_pendency_param,
                                             const char* user_data) {
  return ZelGroupHandlePendency(json_group_handle_pendency_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMarkGroupPendencyRead(uint64_t time_stamp, const char* user_data) {
  return ZelGroupReportPendencyReaded(time_stamp, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCreateCommunity(const char* json_group_create_param,
                                         const char* user_data) {
  return ZelCommunityCreate(json_group_create_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetJoinedCommunityList(const char* user_data) {
  return ZelCommunityGetJoinedCommunityList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCreateTopicInCommunity(const char* group_id, const char* json_topic_info,
                                                const char* user_data) {
  return ZelCommunityCreateTopicInCommunity(group_id, json_topic_info, DartZelCommonCallback,
                                            user_data);
}

ZELBRIDGE_EXPORT int DartDeleteTopicFromCommunity(const char* group_id,
                                                  const char* json_topic_id_array,
                                                  const char* user_data) {
  return ZelCommunityDeleteTopicFromCommunity(group_id, json_topic_id_array, DartZelCommonCallback,
                                              user_data);
}

ZELBRIDGE_EXPORT int DartSetTopicInfo(const char* json_topic_info, const char* user_data) {
  return ZelCommunitySetTopicInfo(json_topic_info, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetTopicInfoList(const char* group_id, const char* json_topic_id_array,
                                          const char* user_data) {
  return ZelCommunityGetTopicInfoList(group_id, json_topic_id_array, DartZelCommonCallback,
                                      user_data);
}

ZELBRIDGE_EXPORT int DartSetTopicInheritMessageReceiveOptionFromCommunity(const char* topic_id,
                                                                          int64_t is_inherit,
                                                                          const char* user_data) {
  return ZelCommunitySetTopicInheritMessageReceiveOptionFromCommunity(
      topic_id, is_inherit, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCreatePermissionGroupInCommunity(const char* json_permission_group_info,
                                                          const char* user_data) {
  return ZelCommunityCreatePermissionGroupInCommunity(json_permission_group_info,
                                                      DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeletePermissionGroupFromCommunity(
    const char* group_id, const char* json_permission_group_id_array, const char* user_data) {
  return ZelCommunityDeletePermissionGroupFromCommunity(group_id, json_permission_group_id_array,
                                                        DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartModifyPermissionGroupInfoInCommunity(
    const char* json_permission_group_info, const char* user_data) {
  return ZelCommunityModifyPermissionGroupInfoInCommunity(json_permission_group_info,
                                                          DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetJoinedPermissionGroupListInCommunity(const char* group_id,
                                                                 const char* user_data) {
  return ZelCommunityGetJoinedPermissionGroupListInCommunity(group_id, DartZelCommonCallback,
                                                             user_data);
}

ZELBRIDGE_EXPORT int DartGetPermissionGroupListInCommunity(
    const char* group_id, const char* json_permission_group_id_array, const char* user_data) {
  return ZelCommunityGetPermissionGroupListInCommunity(group_id, json_permission_group_id_array,
                                                       DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAddCommunityMembersToPermissionGroup(const char* group_id,
                                                              const char* permission_group_id,
                                                              const char* json_member_id_array,
                                                              const char* user_data) {
  return ZelCommunityAddCommunityMembersToPermissionGroup(
      group_id, permission_group_id, json_member_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartRemoveCommunityMembersFromPermissionGroup(const char* group_id,
                                                                   const char* permission_group_id,
                                                                   const char* json_member_id_array,
                                                                   const char* user_data) {
  return ZelCommunityRemoveCommunityMembersFromPermissionGroup(
      group_id, permission_group_id, json_member_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetCommunityMemberListInPermissionGroup(const char* group_id,
                                                                 const char* permission_group_id,
                                                                 const char* next_cursor,
                                                                 const char* user_data) {
  return ZelCommunityGetCommunityMemberListInPermissionGroup(
      group_id, permission_group_id, next_cursor, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAddTopicPermissionToPermissionGroup(const char* group_id,
                                                             const char* permission_group_id,
                                                             const char* json_topic_permission_map,
                                                             const char* user_data) {
  return ZelCommunityAddTopicPermissionToPermissionGroup(
      group_id, permission_group_id, json_topic_permission_map, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteTopicPermissionFromPermissionGroup(const char* group_id,
                                                                  const char* permission_group_id,
                                                                  const char* json_topic_id_array,
                                                                  const char* user_data) {
  return ZelCommunityDeleteTopicPermissionFromPermissionGroup(
      group_id, permission_group_id, json_topic_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartModifyTopicPermissionInPermissionGroup(
    const char* group_id, const char* permission_group_id, const char* json_topic_permission_map,
    const char* user_data) {
  return ZelCommunityModifyTopicPermissionInPermissionGroup(
      group_id, permission_group_id, json_topic_permission_map, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetTopicPermissionInPermissionGroup(const char* group_id,
                                                             const char* permission_group_id,
                                                             const char* json_topic_id_array,
                                                             const char* user_data) {
  return ZelCommunityGetTopicPermissionInPermissionGroup(
      group_id, permission_group_id, json_topic_id_array, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetConversationList(const char* user_data) {
  return ZelConvGetConvList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetConversation(const char* json_get_conv_list_param,
                                         const char* user_data) {
  return ZelConvGetConvInfo(json_get_conv_list_param, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetConversationListByFilter(const char* json_filter, uint64_t next_seq,
                                                     int64_t count, const char* user_data) {
  return ZelConvGetConversationListByFilter(json_filter, next_seq, count, DartZelCommonCallback,
                                            user_data);
}

ZELBRIDGE_EXPORT int DartDeleteConversation(const char* conv_id, int64_t conv_type,
                                            const char* user_data) {
  return ZelConvDelete(conv_id, conv_type, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteConversationList(const char* json_conversation_id_array,
                                                int64_t clear_message, const char* user_data) {
  return ZelConvDeleteConversationList(json_conversation_id_array, clear_message,
                                       DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSetConversationDraft(const char* conv_id, int64_t conv_type,
                                              const char* json_draft_param) {
  return ZelConvSetDraft(conv_id, conv_type, json_draft_param);
}

ZELBRIDGE_EXPORT int DartCancelConversationDraft(const char* conv_id, int64_t conv_type) {
  return ZelConvCancelDraft(conv_id, conv_type);
}

ZELBRIDGE_EXPORT int DartSetConversationCustomData(const char* json_conversation_id_array,
                                                   const char* custom_data, const char* user_data) {
  return ZelConvSetConversationCustomData(json_conversation_id_array, custom_data,
                                          DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartPinConversation(const char* conv_id, int64_t conv_type, int64_t is_pinned,
                                         const char* user_data) {
  return ZelConvPinConversation(conv_id, conv_type, is_pinned, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartMarkConversation(const char* json_conversation_id_array, int64_t mark_type,
                                          int64_t enable_mark, const char* user_data) {
  return ZelConvMarkConversation(json_conversation_id_array, mark_type, enable_mark,
                                 DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetTotalUnreadMessageCount(const char* user_data) {
  return ZelConvGetTotalUnreadMessageCount(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetUnreadMessageCountByFilter(const char* json_filter,
                                                       const char* user_data) {
  return ZelConvGetUnreadMessageCountByFilter(json_filter, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartSubscribeUnreadMessageCountByFilter(const char* json_filter) {
  return ZelConvSubscribeUnreadMessageCountByFilter(json_filter);
}

ZELBRIDGE_EXPORT int DartUnsubscribeUnreadMessageCountByFilter(const char* json_filter) {
  return ZelConvUnsubscribeUnreadMessageCountByFilter(json_filter);
}

ZELBRIDGE_EXPORT int DartCleanConversationUnreadMessageCount(const char* conversation_id,
                                                             uint64_t clean_timestamp,
                                                             uint64_t clean_sequence,
                                                             const char* user_data) {
  return ZelConvCleanConversationUnreadMessageCount(
      conversation_id, clean_timestamp, clean_sequence, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartCreateConversationGroup(const char* group_name,
                                                 const char* json_conversation_id_array,
                                                 const char* user_data) {
  return ZelConvCreateConversationGroup(group_name, json_conversation_id_array,
                                        DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartGetConversationGroupList(const char* user_data) {
  return ZelConvGetConversationGroupList(DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteConversationGroup(const char* group_name, const char* user_data) {
  return ZelConvDeleteConversationGroup(group_name, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartRenameConversationGroup(const char* old_name, const char* new_name,
                                                 const char* user_data) {
  return ZelConvRenameConversationGroup(old_name, new_name, DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartAddConversationsToGroup(const char* group_name,
                                                 const char* json_conversation_id_array,
                                                 const char* user_data) {
  return ZelConvAddConversationsToGroup(group_name, json_conversation_id_array,
                                        DartZelCommonCallback, user_data);
}

ZELBRIDGE_EXPORT int DartDeleteConversationsFromGroup(const char* group_name,
                                                      const char* json_conversation_id_array,
                                                      const char* user_data) {
  return ZelConvDeleteConversationsFromGroup(group_name, json_conversation_id_array,
                                             DartZelCommonCallback, user_data);
}
