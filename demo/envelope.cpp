// Decoding posted texts into envelopes.

#include "envelope.h"

#include <cstring>

namespace demo {
namespace {

constexpr char kBase64Prefix[] = "base64:";
const char* const kErrorEnvelopeMembers[] = {"callback", "callbackType", "code", "desc",
                                             "user_data"};

template <std::size_t count>
bool HasExactly(const json::Object& members, const char* const (&keys)[count]) {
  if (members.size() != count) return false;
  for (const char* key : keys) {
    if (members.find(key) == members.end()) return false;
  }
  return true;
}

int Base64Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool IsNumber(const json::Value& value) {
  switch (value.GetValueType()) {
    case json::IntType:
    case json::UIntType:
    case json::Int64Type:
    case json::UInt64Type:
      return true;
    default:
      return false;
  }
}

}  // namespace

int Envelope::code() const {
  const auto member = members.find("code");
  return member != members.end() && IsNumber(member->second) ? member->second.ToInt() : 0;
}

std::string Envelope::desc() const { return Text("desc"); }

std::string Envelope::json_param() const { return Text("json_param"); }

std::string Envelope::Text(const char* key) const {
  const auto member = members.find(key);
  if (member == members.end() || member->second.GetValueType() != json::StringType) return "";
  return member->second.ToString();
}

bool DecodeBase64(const std::string& encoded, std::string* decoded) {
  if (encoded.size() % 4 != 0) return false;
  decoded->clear();
  for (std::size_t i = 0; i < encoded.size(); i += 4) {
    const bool last = i + 4 == encoded.size();
    const int pads = last ? (encoded[i + 3] == '=') + (encoded[i + 2] == '=') : 0;
    if (pads == 1 && encoded[i + 2] == '=') return false;
    uint32_t group = 0;
    for (int k = 0; k < 4; ++k) {
      const int digit = k >= 4 - pads ? 0 : Base64Digit(encoded[i + k]);
      if (digit < 0) return false;
      group = (group << 6) | static_cast<uint32_t>(digit);
    }
    decoded->push_back(static_cast<char>(group >> 16));
    if (pads < 2) decoded->push_back(static_cast<char>((group >> 8) & 0xFF));
    if (pads < 1) decoded->push_back(static_cast<char>(group & 0xFF));
  }
  return true;
}

bool DecodeEnvelope(const std::string& posted, Envelope* envelope, std::string* error) {
  std::string text = posted;
  envelope->was_base64 = posted.compare(0, std::strlen(kBase64Prefix), kBase64Prefix) == 0;
  if (envelope->was_base64 && !DecodeBase64(posted.substr(std::strlen(kBase64Prefix)), &text)) {
    *error = "malformed base64 text";
    return false;
  }
  const json::Value document = json::Deserialize(text);
  if (document.GetValueType() != json::ObjectType) {
    *error = "not a JSON object";
    return false;
  }
  envelope->members = document.ToObject();
  const std::string callback = envelope->Text("callback");
  if (callback == "apiCallback") {
    envelope->kind = Envelope::Kind::kCompletion;
  } else if (callback == "globalCallback") {
    envelope->kind = Envelope::Kind::kEvent;
  } else {
    *error = "\"callback\" is neither apiCallback nor globalCallback";
    return false;
  }
  envelope->user_data = envelope->Text("user_data");
  const auto callback_type = envelope->members.find("callbackType");
  if (callback_type != envelope->members.end() && IsNumber(callback_type->second)) {
    envelope->callback_type = callback_type->second.ToInt();
  }
  // The error envelope has exactly these five members and code 6131.
  // Completions have no callbackType, and the one event with a "code" and a
  // "desc" (network status) has a sixth member.
  envelope->delivery_error = HasExactly(envelope->members, kErrorEnvelopeMembers) &&
                             envelope->code() == kDeliveryErrorCode;
  if (envelope->kind == Envelope::Kind::kEvent && envelope->callback_type < 0) {
    *error = "event without a callbackType";
    return false;
  }
  return true;
}

}  // namespace demo
