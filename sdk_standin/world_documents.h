// The JSON documents of the stand-in world: what it writes into completions
// and events (world_params.h reads operation parameters). The formats are
// the stand-in's own, kept small and plausible.
#ifndef ZELBRIDGE_SDK_STANDIN_WORLD_DOCUMENTS_H_
#define ZELBRIDGE_SDK_STANDIN_WORLD_DOCUMENTS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "json/json.h"
#include "world_catalogue.h"

namespace zel_standin {
namespace world {

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
json::Object MessageDocument(const Message& message);
json::Object ConversationDocument(const Conversation& conversation);
json::Array TextElements(const std::string& text);

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
