// Listener exports and adapters for connection, account, profile, log and
// message events. Each adapter posts one envelope numbered by its
// callbackType; the comment above it gives that number.

#include <cstring>

#include "event_envelope.h"
#include "sdk/zel_sdk.h"
#include "zelbridge.h"

// 0
static void DartZelNetworkStatusListenerCallback(ZelNetworkStatus status, int32_t code,
                                                 const char* desc, const void* user_data) {
  PostEvent(user_data, 0, [&](EnvelopeMembers& event) {
    event["status"] = Int(status);
    event["code"] = Int(code);
    event["desc"] = Text(desc);
  });
}

ZELBRIDGE_EXPORT int DartSetNetworkStatusListenerCallback(const char* user_data) {
  return ZelSetNetworkStatusListenerCallback(DartZelNetworkStatusListenerCallback, user_data);
}

// 1
static void DartZelKickedOfflineCallback(const void* user_data) { PostEvent(user_data, 1); }

ZELBRIDGE_EXPORT int DartSetKickedOfflineCallback(const char* user_data) {
  return ZelSetKickedOfflineCallback(DartZelKickedOfflineCallback, user_data);
}

// 2
static void DartZelUserSigExpiredCallback(const void* user_data) { PostEvent(user_data, 2); }

ZELBRIDGE_EXPORT int DartSetUserSigExpiredCallback(const char* user_data) {
  return ZelSetUserSigExpiredCallback(DartZelUserSigExpiredCallback, user_data);
}

// 3
static void DartZelSelfInfoUpdatedCallback(const char* json_user_profile, const void* user_data) {
  PostEvent(user_data, 3,
            [&](EnvelopeMembers& event) { event["json_user_profile"] = Text(json_user_profile); });
}

ZELBRIDGE_EXPORT int DartSetSelfInfoUpdatedCallback(const char* user_data) {
  return ZelSetSelfInfoUpdatedCallback(DartZelSelfInfoUpdatedCallback, user_data);
}

// 4
static void DartZelUserStatusChangedCallback(const char* json_user_status_array,
                                             const void* user_data) {
  PostEvent(user_data, 4, [&](EnvelopeMembers& event) {
    event["json_user_status_array"] = Text(json_user_status_array);
  });
}

ZELBRIDGE_EXPORT int DartSetUserStatusChangedCallback(const char* user_data) {
  return ZelSetUserStatusChangedCallback(DartZelUserStatusChangedCallback, user_data);
}

// 5
static void DartZelUserInfoChangeCallback(const char* json_user_info_array, const void* user_data) {
  PostEvent(user_data, 5, [&](EnvelopeMembers& event) {
    event["json_user_info_array"] = Text(json_user_info_array);
  });
}

ZELBRIDGE_EXPORT int DartSetUserInfoChangedCallback(const char* user_data) {
  return ZelSetUserInfoChangedCallback(DartZelUserInfoChangeCallback, user_data);
}

// 6
static void DartZelLogCallback(ZelLogLevel level, const char* log, const void* user_data) {
  // The bridge's own log lines carry this prefix; they must not come back as events.
  if (log != nullptr && std::strstr(log, "im ffi: ") != nullptr) return;
  PostEvent(user_data, 6, [&](EnvelopeMembers& event) {
    event["level"] = Int(level);
    event["log"] = Text(log);
  });
}

ZELBRIDGE_EXPORT int DartSetLogCallback(const char* user_data) {
  return ZelSetLogCallback(DartZelLogCallback, user_data);
}

// 7
static void DartZelReceiveNewMsgCallback(const char* json_msg_array, const void* user_data) {
  PostEvent(user_data, 7,
            [&](EnvelopeMembers& event) { event["json_msg_array"] = Text(json_msg_array); });
}

ZELBRIDGE_EXPORT int DartAddReceiveNewMsgCallback(const char* user_data) {
  return ZelAddRecvNewMsgCallback(DartZelReceiveNewMsgCallback, user_data);
}

// The SDK interface has no way to take the new-message listener away, so this
// export only exists for callers that bind it by name.
ZELBRIDGE_EXPORT void DartRemoveReceiveNewMsgCallback(void) {}

// 8
static void DartZelMsgElemUploadProgressCallback(const char* json_msg, uint32_t index,
                                                 uint32_t cur_size, uint32_t total_size,
                                                 const void* user_data) {
  PostEvent(user_data, 8, [&](EnvelopeMembers& event) {
    event["index"] = UInt(index);
    event["cur_size"] = UInt(cur_size);
    event["total_size"] = UInt(total_size);
    event["json_msg"] = Text(json_msg);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgElemUploadProgressCallback(const char* user_data) {
  return ZelSetMsgElemUploadProgressCallback(DartZelMsgElemUploadProgressCallback, user_data);
}

// 9
static void DartZelMsgReadReceiptCallback(const char* json_msg_read_receipt_array,
                                          const void* user_data) {
  PostEvent(user_data, 9, [&](EnvelopeMembers& event) {
    event["json_msg_read_receipt_array"] = Text(json_msg_read_receipt_array);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgReadReceiptCallback(const char* user_data) {
  return ZelSetMsgReadedReceiptCallback(DartZelMsgReadReceiptCallback, user_data);
}

// 10
static void DartZelMsgRevokeCallback(const char* json_msg_locator_array, const void* user_data) {
  PostEvent(user_data, 10, [&](EnvelopeMembers& event) {
    event["json_msg_locator_array"] = Text(json_msg_locator_array);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgRevokeCallback(const char* user_data) {
  return ZelSetMsgRevokeCallback(DartZelMsgRevokeCallback, user_data);
}

// 11
static void DartZelMsgUpdateCallback(const char* json_msg_array, const void* user_data) {
  PostEvent(user_data, 11,
            [&](EnvelopeMembers& event) { event["json_msg_array"] = Text(json_msg_array); });
}

ZELBRIDGE_EXPORT int DartSetMsgUpdateCallback(const char* user_data) {
  return ZelSetMsgUpdateCallback(DartZelMsgUpdateCallback, user_data);
}

// 12
static void DartZelMsgExtensionsChangedCallback(const char* message_id,
                                                const char* message_extension_array,
                                                const void* user_data) {
  PostEvent(user_data, 12, [&](EnvelopeMembers& event) {
    event["message_id"] = Text(message_id);
    event["message_extension_array"] = Text(message_extension_array);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgExtensionsChangedCallback(const char* user_data) {
  return ZelSetMsgExtensionsChangedCallback(DartZelMsgExtensionsChangedCallback, user_data);
}

// 13
static void DartZelMsgExtensionsDeletedCallback(const char* message_id,
                                                const char* message_extension_key_array,
                                                const void* user_data) {
  PostEvent(user_data, 13, [&](EnvelopeMembers& event) {
    event["message_id"] = Text(message_id);
    event["message_extension_key_array"] = Text(message_extension_key_array);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgExtensionsDeletedCallback(const char* user_data) {
  return ZelSetMsgExtensionsDeletedCallback(DartZelMsgExtensionsDeletedCallback, user_data);
}

// 14
static void DartZelReactionChangeCallback(const char* message_reaction_change_info_array,
                                          const void* user_data) {
  PostEvent(user_data, 14, [&](EnvelopeMembers& event) {
    event["message_reaction_change_info_array"] = Text(message_reaction_change_info_array);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgReactionsChangedCallback(const char* user_data) {
  return ZelSetMsgReactionsChangedCallback(DartZelReactionChangeCallback, user_data);
}

// 15
static void DartZelAllMessageReceiveOptionCallback(const char* json_receive_message_option_info,
                                                   const void* user_data) {
  PostEvent(user_data, 15, [&](EnvelopeMembers& event) {
    event["json_receive_message_option_info"] = Text(json_receive_message_option_info);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgAllMessageReceiveOptionCallback(const char* user_data) {
  return ZelSetMsgAllMessageReceiveOptionCallback(DartZelAllMessageReceiveOptionCallback,
                                                  user_data);
}

// 16
static void DartZelMsgGroupPinnedMessageChangedCallback(const char* group_id, const char* json_msg,
                                                        bool is_pinned, const char* op_user,
                                                        const void* user_data) {
  PostEvent(user_data, 16, [&](EnvelopeMembers& event) {
    event["group_id"] = Text(group_id);
    event["is_pinned"] = Bool(is_pinned);
    event["op_user"] = Text(op_user);
    event["json_msg"] = Text(json_msg);
  });
}

ZELBRIDGE_EXPORT int DartSetMsgGroupPinnedMessageChangedCallback(const char* user_data) {
  return ZelSetMsgGroupPinnedMessageChangedCallback(DartZelMsgGroupPinnedMessageChangedCallback,
                                                    user_data);
}

// 67
static void DartZelMsgTTSResponseCallback(const char* json_tts_response, const void* user_data) {
  PostEvent(user_data, 67,
            [&](EnvelopeMembers& event) { event["json_tts_response"] = Text(json_tts_response); });
}

ZELBRIDGE_EXPORT int DartSetMsgTTSResponseCallback(const char* user_data) {
  return ZelSetMsgTTSResponseCallback(DartZelMsgTTSResponseCallback, user_data);
}
