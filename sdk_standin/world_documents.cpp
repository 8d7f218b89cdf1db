// Reading and writing the stand-in world's JSON documents.

#include "world_documents.h"

namespace zel_standin {
namespace world {
namespace {

constexpr int kTextElement = 0;
constexpr int kMessageSent = 2;
constexpr int kTipMembersInvited = 1;

json::Value StringArray(const std::vector<std::string>& strings) {
  json::Array array;
  for (const std::string& text : strings) array.push_back(json::Value(text));
  return json::Value(array);
}

}  // namespace

json::Value Parse(const char* text) {
  if (text == nullptr) return json::Value();
  return json::Deserialize(text);
}

json::Object MessageDocument(const Message& message) {
  json::Object document;
  document["message_msg_id"] = json::Value(message.id);
  document["message_conv_id"] = json::Value(message.conv_id);
  document["message_conv_type"] = json::Value(static_cast<int>(message.conv_type));
  document["message_sender"] = json::Value(message.sender);
  document["message_is_from_self"] = json::Value(message.from_self);
  document["message_server_time"] = json::Value(static_cast<long long>(message.server_time));
  document["message_status"] = json::Value(kMessageSent);
  document["message_elem_array"] = json::Value(message.elements);
  return document;
}

json::Object ConversationDocument(const Conversation& conversation) {
  json::Object document;
  document["conv_id"] = json::Value(conversation.id);
  document["conv_type"] = json::Value(static_cast<int>(conversation.type));
  document["conv_show_name"] = json::Value(conversation.show_name);
  document["conv_unread_num"] = json::Value(conversation.unread);
  if (conversation.has_last_message) {
    document["conv_last_msg"] = json::Value(MessageDocument(conversation.last_message));
  }
  return document;
}

json::Array TextElements(const std::string& text) {
  json::Object element;
  element["elem_type"] = json::Value(kTextElement);
  element["text_elem_content"] = json::Value(text);
  json::Array elements;
  elements.push_back(json::Value(element));
  return elements;
}

std::string GroupCreatedDocument(const std::string& group_id) {
  json::Object document;
  document["create_group_result_groupid"] = json::Value(group_id);
  return Text(document);
}

std::string InviteResultDocument(const std::vector<GroupMember>& results) {
  json::Array document;
  for (const GroupMember& member : results) {
    json::Object entry;
    entry["group_invite_member_result_identifier"] = json::Value(member.user_id);
    entry["group_invite_member_result_result"] = json::Value(member.result);
    document.push_back(json::Value(entry));
  }
  return Text(document);
}

std::string GroupInviteTipDocument(const std::string& group_id, const std::string& op_user,
                                   const std::vector<std::string>& invited, int64_t time) {
  json::Object document;
  document["group_tips_elem_tip_type"] = json::Value(kTipMembersInvited);
  document["group_tips_elem_group_id"] = json::Value(group_id);
  document["group_tips_elem_op_user"] = json::Value(op_user);
  document["group_tips_elem_user_array"] = StringArray(invited);
  document["group_tips_elem_time"] = json::Value(static_cast<long long>(time));
  return Text(document);
}

json::Object JoinedGroupEntry(const std::string& group_id, const std::string& name,
                              const std::string& owner, std::size_t member_count) {
  json::Object entry;
  entry["group_base_info_group_id"] = json::Value(group_id);
  entry["group_base_info_group_name"] = json::Value(name);
  entry["group_base_info_owner_identifier"] = json::Value(owner);
  entry["group_base_info_member_num"] = json::Value(static_cast<int>(member_count));
  return entry;
}

std::string Text(const json::Object& object) { return json::Serialize(json::Value(object)); }
std::string Text(const json::Array& array) { return json::Serialize(json::Value(array)); }

}  // namespace world
}  // namespace zel_standin
