// The JSON documents of the stand-in world: what it reads from operation
// parameters and what it writes into completions and events. The formats are
// the stand-in's own, kept small and plausible.
#ifndef ZELBRIDGE_SDK_STANDIN_WORLD_DOCUMENTS_H_
#define ZELBRIDGE_SDK_STANDIN_WORLD_DOCUMENTS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "json/json.h"

namespace zel_standin {
namespace world {

constexpr int32_t kC2CConversation = 1;
constexpr int32_t kGroupConversation = 2;

struct Message {
  std::string id;
  std::string conv_id;
  int32_t conv_type = kC2CConversation;
  std::string sender;
  bool from_self = false;
  int64_t server_time = 0;
  json::Array elements;
};

struct Conversation {
  std::string id;
  int32_t type = kC2CConversation;
  std::string show_name;
  int unread = 0;
  bool has_last_message = false;
  Message last_message;
};

struct GroupMember {
  std::string user_id;
  int result = 0;  // of an invitation: 0 failed, 1 added, 2 already a member
};

// The parsed document, or a null value when text is null or not JSON.
json::Value Parse(const char* text);
// The string member key of an object value; empty when missing.
std::string StringMember(const json::Value& document, const char* key);
// The strings of the array member key, or of the array document itself when
// key is null; objects in it contribute their member element_key.
std::vector<std::string> StringList(const json::Value& document, const char* key,
                                    const char* element_key);

json::Object MessageDocument(const Message& message);
json::Object ConversationDocument(const Conversation& conversation);
json::Array TextElements(const std::string& text);
// The text of the first text element of a message parameter.
std::string FirstText(const json::Value& message_param);

std::string GroupCreatedDocument(const std::string& group_id);
std::string InviteResultDocument(const std::vector<GroupMember>& results);
std::string GroupInviteTipDocument(const std::string& group_id, const std::string& op_user,
                                   const std::vector<std::string>& invited, int64_t time);
json::Object JoinedGroupEntry(const std::string& group_id, const std::string& name,
                              const std::string& owner, std::size_t member_count);

std::string Text(const json::Object& object);
std::string Text(const json::Array& array);

}  // namespace world
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_WORLD_DOCUMENTS_H_
