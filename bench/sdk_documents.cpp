#include "sdk_documents.h"

#include <cstdint>
#include <random>

namespace bench_documents {
namespace {

// Writes one JSON object member by member; the texts given to String are
// already escaped JSON string contents.
class ObjectText {
 public:
  explicit ObjectText(std::string& out) : out_(out) { out_ += '{'; }
  ~ObjectText() { out_ += '}'; }

  void String(const char* key, const std::string& escaped) {
    Key(key);
    out_ += '"';
    out_ += escaped;
    out_ += '"';
  }
  void Integer(const char* key, long long value) { Raw(key, std::to_string(value)); }
  void Unsigned(const char* key, unsigned long long value) { Raw(key, std::to_string(value)); }
  void Bool(const char* key, bool value) { Raw(key, value ? "true" : "false"); }
  void Raw(const char* key, const std::string& text) {
    Key(key);
    out_ += text;
  }
  // Opens a member whose value the caller writes next.
  void Key(const char* key) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\":";
  }

 private:
  std::string& out_;
  bool first_ = true;
};

const char* const kTexts[] = {
    "see you at 8",
    "the file is at \\/home\\/share\\/notes.txt",
    "she said \\\"on my way\\\"",
    "caf\\u00e9 au lait, s'il vous pla\xC3\xAEt",
    "\xE4\xBB\x8A\xE5\xA4\xA9\xE5\xBC\x80\xE4\xBC\x9A\xE5\x90\x97\xEF\xBC\x9F",
    "line one\\nline two\\tindented",
    "path C:\\\\Users\\\\zoe \xF0\x9F\x98\x80",
    "https:\\/\\/example.com\\/invite?code=8f3a&lang=en",
};

const char* const kNicks[] = {"Zo\xC3\xAB", "Ola", "\xE5\xB0\x8F\xE6\x98\x8E", "Ren\\u00e9",
                              "kai_\\\"k\\\""};

std::string Pick(std::mt19937& rng, const char* const* texts, std::size_t count) {
  return texts[rng() % count];
}

template <std::size_t N>
std::string Pick(std::mt19937& rng, const char* const (&texts)[N]) {
  return Pick(rng, texts, N);
}

std::string UserId(std::mt19937& rng) { return "user_" + std::to_string(rng() % 100000); }

void Profile(std::string& out, std::mt19937& rng, bool full) {
  ObjectText p(out);
  p.String("user_profile_identifier", UserId(rng));
  p.String("user_profile_nick_name", Pick(rng, kNicks));
  p.String("user_profile_face_url",
           "https:\\/\\/cdn.example.com\\/avatar\\/" + std::to_string(rng() % 100000) + ".png");
  p.Integer("user_profile_gender", rng() % 3);
  p.Integer("user_profile_birthday", 19700101 + rng() % 400000);
  if (!full) return;
  p.String("user_profile_self_signature", Pick(rng, kTexts));
  p.Integer("user_profile_role", -static_cast<long long>(rng() % 5));
  p.Integer("user_profile_level", rng() % 100);
  p.Unsigned("user_profile_add_permission", 2147483648ULL + rng() % 1000);
  p.Key("user_profile_custom_string_array");
  out += '[';
  const int custom = 1 + static_cast<int>(rng() % 3);
  for (int i = 0; i < custom; ++i) {
    if (i) out += ',';
    ObjectText c(out);
    c.String("user_profile_custom_string_info_key", "Tag_Profile_Custom_k" + std::to_string(i));
    c.String("user_profile_custom_string_info_value", Pick(rng, kTexts));
  }
  out += ']';
}

void Message(std::string& out, std::mt19937& rng) {
  ObjectText m(out);
  const bool group = rng() % 2 == 0;
  m.String("message_conv_id", group ? "group_" + std::to_string(rng() % 10000) : UserId(rng));
  m.Integer("message_conv_type", group ? 2 : 1);
  m.String("message_sender", UserId(rng));
  m.Integer("message_client_time", 1700000000 + rng() % 10000000);
  m.Integer("message_server_time", 1700000000 + rng() % 10000000);
  m.Unsigned("message_seq", 4294967296ULL + rng());
  m.Unsigned("message_rand", 2147483648ULL + rng() % 2147483647ULL);
  m.Unsigned("message_unique_id", 9223372036854775808ULL + rng());
  m.Integer("message_server_offset", -static_cast<long long>(rng() % 4294967296ULL) - 4294967296LL);
  m.Integer("message_priority", rng() % 4);
  m.Integer("message_status", -1 + static_cast<int>(rng() % 4));
  m.Bool("message_is_from_self", rng() % 2 == 0);
  m.Bool("message_is_read", rng() % 2 == 0);
  m.String("message_msg_id", "144115" + std::to_string(rng()) + "-" + std::to_string(rng()));
  m.String("message_cloud_custom_str", "{\\\"reply_to\\\":\\\"" + UserId(rng) + "\\\"}");
  m.Key("message_elem_array");
  out += '[';
  {
    ObjectText e(out);
    e.Integer("elem_type", 0);
    e.String("text_elem_content", Pick(rng, kTexts));
  }
  if (rng() % 4 == 0) {
    out += ',';
    ObjectText e(out);
    e.Integer("elem_type", 7);
    e.String("location_elem_desc", "Caf\\u00e9 du Parc");
    e.Raw("location_elem_longitude", std::to_string(2.0 + (rng() % 1000000) / 1e6));
    e.Raw("location_elem_latitude", std::to_string(48.0 + (rng() % 1000000) / 1e6));
  }
  out += ']';
  m.Key("message_sender_profile");
  Profile(out, rng, false);
  if (rng() % 3 == 0) {
    m.Key("message_group_receipt_list");
    out += '[';
    const int readers = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < readers; ++i) {
      if (i) out += ',';
      out += '"' + UserId(rng) + '"';
    }
    out += ']';
  }
}

void Conversation(std::string& out, std::mt19937& rng) {
  ObjectText c(out);
  c.String("conv_id", "group_" + std::to_string(rng() % 10000));
  c.Integer("conv_type", 2);
  c.String("conv_show_name", Pick(rng, kNicks) + " & friends");
  c.String("conv_face_url", "https:\\/\\/cdn.example.com\\/g\\/" + std::to_string(rng()) + ".jpg");
  c.Integer("conv_unread_num", rng() % 200);
  c.Unsigned("conv_active_time", 4294967296ULL + rng());
  c.Bool("conv_is_pinned", rng() % 5 == 0);
  c.Integer("conv_recv_opt", rng() % 3);
  c.String("conv_draft", rng() % 4 == 0 ? Pick(rng, kTexts) : "");
  c.Key("conv_group_at_info_array");
  out += '[';
  if (rng() % 3 == 0) {
    ObjectText at(out);
    at.Unsigned("conv_group_at_info_seq", rng());
    at.Integer("conv_group_at_info_at_type", 1);
  }
  out += ']';
  c.Key("conv_last_msg");
  Message(out, rng);
}

}  // namespace

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kMessageList:
      return "messages";
    case Kind::kConversationList:
      return "conversations";
    case Kind::kProfileArray:
      return "profiles";
  }
  return "?";
}

std::string Generate(Kind kind, std::size_t size) {
  std::mt19937 rng(20240611);
  std::string doc = "[";
  std::string element;
  for (;;) {
    element.clear();
    if (doc.size() > 1) element += ',';
    switch (kind) {
      case Kind::kMessageList:
        Message(element, rng);
        break;
      case Kind::kConversationList:
        Conversation(element, rng);
        break;
      case Kind::kProfileArray:
        Profile(element, rng, true);
        break;
    }
    if (doc.size() + element.size() + 1 > size) break;
    doc += element;
  }
  if (doc.size() == 1) {
    // Smaller than one full element: one short message.
    doc +=
        "{\"sender\":\"user_42\",\"seq\":4294967296,\"elems\":[{\"type\":0,"
        "\"text\":\"a\\/b \\\"c\\\" caf\\u00e9\"}]}";
  }
  doc += ']';
  return doc;
}

json::Object CompletionEnvelope(const char* json_param) {
  json::Object envelope;
  envelope["code"] = json::Value(0);
  envelope["desc"] = json::Value(Desc());
  envelope["user_data"] = json::Value(UserData());
  envelope["callback"] = json::Value("apiCallback");
  envelope["json_param"] = json::Value(json_param);
  return envelope;
}

}  // namespace bench_documents
