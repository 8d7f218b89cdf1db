// Listener exports and adapters for group, community and conversation
// events. Each adapter posts one envelope numbered by its callbackType; the
// comment above it gives that number.

#include "event_envelope.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

// 17
static void DartZelGroupTipsEventCallback(const char* json_group_tip, const void* user_data) {
  PostEvent(user_data, 17,
            [&](EnvelopeMembers& event) { event["json_group_tip"] = Text(json_group_tip); });
}

ZELBRIDGE_EXPORT int DartSetGroupTipsEventCallback(const char* user_data) {
  return ZelSetGroupTipsEventCallback(DartZelGroupTipsEventCallback, user_data);
}

// 18
static void DartZelGroupAttributeChangedCallback(const char* group_id,
                                                 const char* json_group_attribute_array,
                                                 const void* user_data) {
  PostEvent(user_data, 18, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_group_attribute_array"] = Text(json_group_attribute_array);
  });
}

ZELBRIDGE_EXPORT int DartSetGroupAttributeChangedCallback(const char* user_data) {
  return ZelSetGroupAttributeChangedCallback(DartZelGroupAttributeChangedCallback, user_data);
}

// 19
static void DartZelGroupCounterChangedCallback(const char* group_id, const char* group_counter_key,
                                               int64_t group_counter_new_value,
                                               const void* user_data) {
  PostEvent(user_data, 19, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["group_counter_key"] = Text(group_counter_key);
    event["group_counter_new_value"] = Int64(group_counter_new_value);
  });
}

ZELBRIDGE_EXPORT int DartSetGroupCounterChangedCallback(const char* user_data) {
  return ZelSetGroupCounterChangedCallback(DartZelGroupCounterChangedCallback, user_data);
}

// 20
static void DartZelCommunityTopicCreatedCallback(const char* group_id, const char* topic_id,
                                                 const void* user_data) {
  PostEvent(user_data, 20, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["topic_id"] = Text(topic_id);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityCreateTopicCallback(const char* user_data) {
  return ZelSetCommunityCreateTopicCallback(DartZelCommunityTopicCreatedCallback, user_data);
}

// 21
static void DartZelCommunityTopicDeletedCallback(const char* group_id, const char* topic_id_array,
                                                 const void* user_data) {
  PostEvent(user_data, 21, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["topic_id_array"] = Text(topic_id_array);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityDeleteTopicCallback(const char* user_data) {
  return ZelSetCommunityDeleteTopicCallback(DartZelCommunityTopicDeletedCallback, user_data);
}

// 22
static void DartZelCommunityTopicChangedCallback(const char* group_id, const char* topic_info,
                                                 const void* user_data) {
  PostEvent(user_data, 22, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["topic_info"] = Text(topic_info);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityChangeTopicInfoCallback(const char* user_data) {
  return ZelSetCommunityChangeTopicInfoCallback(DartZelCommunityTopicChangedCallback, user_data);
}

// 23
static void DartZelCommunityReceiveTopicRESTCustomDataCallback(const char* topic_id,
                                                               const char* custom_data,
                                                               const void* user_data) {
  PostEvent(user_data, 23, [&](EnvelopeMembers& event) {
    event["topic_id"] = Text(topic_id);
    event["custom_data"] = Text(custom_data);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityReceiveTopicRESTCustomDataCallback(const char* user_data) {
  return ZelSetCommunityReceiveTopicRESTCustomDataCallback(
      DartZelCommunityReceiveTopicRESTCustomDataCallback, user_data);
}

// 24
static void DartZelCommunityCreatePermissionGroupCallback(const char* group_id,
                                                          const char* permission_group_info,
                                                          const void* user_data) {
  PostEvent(user_data, 24, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["permission_group_info"] = Text(permission_group_info);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityCreatePermissionGroupCallback(const char* user_data) {
  return ZelSetCommunityCreatePermissionGroupCallback(DartZelCommunityCreatePermissionGroupCallback,
                                                      user_data);
}

// 25
static void DartZelCommunityDeletePermissionGroupCallback(const char* group_id,
                                                          const char* permission_group_id_array,
                                                          const void* user_data) {
  PostEvent(user_data, 25, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["permission_group_id_array"] = Text(permission_group_id_array);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityDeletePermissionGroupCallback(const char* user_data) {
  return ZelSetCommunityDeletePermissionGroupCallback(DartZelCommunityDeletePermissionGroupCallback,
                                                      user_data);
}

// 26
static void DartZelCommunityChangePermissionGroupInfoCallback(const char* group_id,
                                                              const char* permission_group_info,
                                                              const void* user_data) {
  PostEvent(user_data, 26, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["permission_group_info"] = Text(permission_group_info);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityChangePermissionGroupInfoCallback(const char* user_data) {
  return ZelSetCommunityChangePermissionGroupInfoCallback(
      DartZelCommunityChangePermissionGroupInfoCallback, user_data);
}

// 27
static void DartZelCommunityAddMembersToPermissionGroupCallback(const char* group_id,
                                                                const char* json_result,
                                                                const void* user_data) {
  PostEvent(user_data, 27, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_result"] = Text(json_result);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityAddMembersToPermissionGroupCallback(const char* user_data) {
  return ZelSetCommunityAddMembersToPermissionGroupCallback(
      DartZelCommunityAddMembersToPermissionGroupCallback, user_data);
}

// 28
static void DartZelCommunityRemoveMembersFromPermissionGroupCallback(const char* group_id,
                                                                     const char* json_result,
                                                                     const void* user_data) {
  PostEvent(user_data, 28, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_result"] = Text(json_result);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityRemoveMembersFromPermissionGroupCallback(
    const char* user_data) {
  return ZelSetCommunityRemoveMembersFromPermissionGroupCallback(
      DartZelCommunityRemoveMembersFromPermissionGroupCallback, user_data);
}

// 29
static void DartZelCommunityAddTopicPermissionCallback(const char* group_id,
                                                       const char* json_result,
                                                       const void* user_data) {
  PostEvent(user_data, 29, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_result"] = Text(json_result);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityAddTopicPermissionCallback(const char* user_data) {
  return ZelSetCommunityAddTopicPermissionCallback(DartZelCommunityAddTopicPermissionCallback,
                                                   user_data);
}

// 30
static void DartZelCommunityDeleteTopicPermissionCallback(const char* group_id,
                                                          const char* json_result,
                                                          const void* user_data) {
  PostEvent(user_data, 30, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_result"] = Text(json_result);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityDeleteTopicPermissionCallback(const char* user_data) {
  return ZelSetCommunityDeleteTopicPermissionCallback(DartZelCommunityDeleteTopicPermissionCallback,
                                                      user_data);
}

// 31
static void DartZelCommunityModifyTopicPermissionCallback(const char* group_id,
                                                          const char* json_result,
                                                          const void* user_data) {
  PostEvent(user_data, 31, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["json_result"] = Text(json_result);
  });
}

ZELBRIDGE_EXPORT int DartSetCommunityModifyTopicPermissionCallback(const char* user_data) {
  return ZelSetCommunityModifyTopicPermissionCallback(DartZelCommunityModifyTopicPermissionCallback,
                                                      user_data);
}

// 32
static void DartZelConversationEventCallback(ZelConvEvent conv_event, const char* json_conv_array,
                                             const void* user_data) {
  PostEvent(user_data, 32, [&](EnvelopeMembers& event) {
    event["conv_event"] = Int(conv_event);
    event["json_conv_array"] = Text(json_conv_array);
  });
}

ZELBRIDGE_EXPORT int DartSetConvEventCallback(const char* user_data) {
  return ZelSetConvEventCallback(DartZelConversationEventCallback, user_data);
}

// 33
static void DartZelTotalUnreadMessageCountChangedCallback(int32_t total_unread_count,
                                                          const void* user_data) {
  PostEvent(user_data, 33,
            [&](EnvelopeMembers& event) { event["total_unread_count"] = Int(total_unread_count); });
}

ZELBRIDGE_EXPORT int DartSetConvTotalUnreadMessageCountChangedCallback(const char* user_data) {
  return ZelSetConvTotalUnreadMessageCountChangedCallback(
      DartZelTotalUnreadMessageCountChangedCallback, user_data);
}

// 34
static void DartZelTotalUnreadMessageCountChangedByFilterCallback(const char* filter,
                                                                  int32_t total_unread_count,
                                                                  const void* user_data) {
  PostEvent(user_data, 34, [&](EnvelopeMembers& event) {
    event["filter"] = Text(filter);
    event["total_unread_count"] = Int(total_unread_count);
  });
}

ZELBRIDGE_EXPORT int DartSetConvUnreadMessageCountChangedByFilterCallback(const char* user_data) {
  return ZelSetConvUnreadMessageCountChangedByFilterCallback(
      DartZelTotalUnreadMessageCountChangedByFilterCallback, user_data);
}

// 35
static void DartZelConversationGroupCreatedCallback(const char* group_name,
                                                    const char* conversation_array,
                                                    const void* user_data) {
  PostEvent(user_data, 35, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["conversation_array"] = Text(conversation_array);
  });
}

ZELBRIDGE_EXPORT int DartSetConvConversationGroupCreatedCallback(const char* user_data) {
  return ZelSetConvConversationGroupCreatedCallback(DartZelConversationGroupCreatedCallback,
                                                    user_data);
}

// 36
static void DartZelConversationGroupDeletedCallback(const char* group_name, const void* user_data) {
  PostEvent(user_data, 36, [&](EnvelopeMembers& event) { event["group_name"] = Text(group_name); });
}

ZELBRIDGE_EXPORT int DartSetConvConversationGroupDeletedCallback(const char* user_data) {
  return ZelSetConvConversationGroupDeletedCallback(DartZelConversationGroupDeletedCallback,
                                                    user_data);
}

// 37
static void DartZelConversationGroupNameChangedCallback(const char* old_name, const char* new_name,
                                                        const void* user_data) {
  PostEvent(user_data, 37, [&](EnvelopeMembers& event) {
    event["old_name"] = Text(old_name);
    event["new_name"] = Text(new_name);
  });
}

ZELBRIDGE_EXPORT int DartSetConvConversationGroupNameChangedCallback(const char* user_data) {
  return ZelSetConvConversationGroupNameChangedCallback(DartZelConversationGroupNameChangedCallback,
                                                        user_data);
}

// 38
static void DartZelConversationsAddedToGroupCallback(const char* group_name,
                                                     const char* conversation_array,
                                                     const void* user_data) {
  PostEvent(user_data, 38, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["conversation_array"] = Text(conversation_array);
  });
}

ZELBRIDGE_EXPORT int DartSetConvConversationsAddedToGroupCallback(const char* user_data) {
  return ZelSetConvConversationsAddedToGroupCallback(DartZelConversationsAddedToGroupCallback,
                                                     user_data);
}

// 39
static void DartZelConversationsDeletedFromGroupCallback(const char* group_name,
                                                         const char* conversation_array,
                                                         uint32_t reason, const void* user_data) {
  PostEvent(user_data, 39, [&](EnvelopeMembers& event) {
    event["group_name"] = Text(group_name);
    event["reason"] = UInt(reason);
    event["conversation_array"] = Text(conversation_array);
  });
}

ZELBRIDGE_EXPORT int DartSetConvConversationsDeletedFromGroupCallback(const char* user_data) {
  return ZelSetConvConversationsDeletedFromGroupCallback(
      DartZelConversationsDeletedFromGroupCallback, user_data);
}
